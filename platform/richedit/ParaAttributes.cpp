#include "platform/richedit/ParaAttributes.h"

#include <algorithm>

#include "platform/richedit/FormatMapping.h"
#include "platform/richedit/RichEditImpl.h"
#include "platform/richedit/SelectionFormat.h"

// In the document model a paragraph keeps the RTF pair: \li (every line from the left edge)
// and \fi (the first line relative to \li), in twips. So the first line starts at li + fi
// (FirstIndent) and the following lines lie -fi from it (LeftIndent).
namespace {

constexpr int kMaxTwips = TParaAttributes::kMaxIndentPoints * richedit::kTwipsPerPoint;

int PointsToTwips(int points) {
  return std::clamp(points, -TParaAttributes::kMaxIndentPoints, TParaAttributes::kMaxIndentPoints) *
         richedit::kTwipsPerPoint;
}

// Wide enough for any pair a file may state.
long long FirstLineTwips(const rtf::ParaFormat& format) {
  return 0LL + format.leftTwips + format.firstTwips;
}

long long FollowingLinesTwips(const rtf::ParaFormat& format) {
  return -static_cast<long long>(format.firstTwips);
}

int ToPoints(long long twips) {
  return static_cast<int>(twips / richedit::kTwipsPerPoint);
}

// Stores a paragraph's indents given as the first line's position and the following lines'
// offset from it, each kept within the limits.
void StoreIndents(rtf::ParaFormat& format, long long firstLine, long long followingLines) {
  const int first = static_cast<int>(std::clamp<long long>(firstLine, -kMaxTwips, kMaxTwips));
  const int following =
      static_cast<int>(std::clamp<long long>(followingLines, -kMaxTwips, kMaxTwips));
  format.firstTwips = -following;
  format.leftTwips = first + following;
}

rtf::ParaFormat First(TRichEdit& owner) {
  return richedit::SelectionParaFormat(*owner.impl().view);
}

template <class Change>
void ChangeAll(TRichEdit& owner, Change change) {
  TRichEdit::Impl::FormatChange quiet(owner.impl());
  richedit::ChangeSelectionParagraphs(*owner.impl().view, change);
}

}  // namespace

TAlignment TParaAttributes::Alignment() const {
  switch (First(owner_).align) {
    case rtf::Align::Center:
      return taCenter;
    case rtf::Align::Right:
      return taRightJustify;
    case rtf::Align::Left:
    case rtf::Align::Justify:
      break;
  }
  return taLeftJustify;
}

void TParaAttributes::SetAlignment(TAlignment alignment) {
  const rtf::Align align = alignment == taCenter         ? rtf::Align::Center
                           : alignment == taRightJustify ? rtf::Align::Right
                                                         : rtf::Align::Left;
  ChangeAll(owner_, [align](rtf::ParaFormat& f) { f.align = align; });
}

int TParaAttributes::FirstIndent() const {
  return ToPoints(FirstLineTwips(First(owner_)));
}

void TParaAttributes::SetFirstIndent(int points) {
  const int twips = PointsToTwips(points);
  ChangeAll(owner_,
            [twips](rtf::ParaFormat& f) { StoreIndents(f, twips, FollowingLinesTwips(f)); });
}

int TParaAttributes::LeftIndent() const {
  return ToPoints(FollowingLinesTwips(First(owner_)));
}

void TParaAttributes::SetLeftIndent(int points) {
  const int twips = PointsToTwips(points);
  ChangeAll(owner_, [twips](rtf::ParaFormat& f) { StoreIndents(f, FirstLineTwips(f), twips); });
}

int TParaAttributes::RightIndent() const {
  return ToPoints(First(owner_).rightTwips);
}

void TParaAttributes::SetRightIndent(int points) {
  const int twips = PointsToTwips(points);
  ChangeAll(owner_, [twips](rtf::ParaFormat& f) { f.rightTwips = twips; });
}

TNumberingStyle TParaAttributes::Numbering() const {
  return First(owner_).bullet ? nsBullet : nsNone;
}

void TParaAttributes::SetNumbering(TNumberingStyle numbering) {
  TRichEdit::Impl::FormatChange quiet(owner_.impl());
  richedit::SetSelectionBullets(*owner_.impl().view, numbering == nsBullet);
}
