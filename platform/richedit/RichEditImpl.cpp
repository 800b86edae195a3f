#include "platform/richedit/RichEditImpl.h"

#include <QPalette>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>

#include "platform/richedit/DefaultText.h"
#include "platform/richedit/IdleLayout.h"
#include "platform/richedit/LongLines.h"

namespace {

QFont BaseFont(const richedit::ResolvedCharFormat& base) {
  QFont font;
  font.setFamilies(QStringList{QString::fromStdString(base.font.face)});
  font.setPointSizeF(base.format.sizeHalfPt / 2.0);
  font.setBold(base.format.bold);
  font.setItalic(base.format.italic);
  font.setUnderline(base.format.underline);
  return font;
}

}  // namespace

namespace richedit {

// Leaves one empty paragraph in the default formats: no list, no indents, no alignment, the
// default character format.
void ClearToPlainParagraph(QTextCursor& cursor, const QTextCharFormat& textFormat) {
  cursor.select(QTextCursor::Document);
  cursor.removeSelectedText();
  if (QTextList* list = cursor.currentList()) list->remove(cursor.block());
  cursor.setBlockFormat(ToQtBlockFormat(rtf::ParaFormat{}));
  cursor.setBlockCharFormat(textFormat);
  cursor.setCharFormat(textFormat);
}

}  // namespace richedit

TRichEdit::Impl::Impl(TRichEdit& control) : owner(control) {}

QTextDocument& TRichEdit::Impl::Document() const {
  return *view->document();
}

void TRichEdit::Impl::ConfigureDocument(QTextDocument& document) const {
  document.setDefaultFont(BaseFont(base));
  document.setIndentWidth(richedit::kBulletRoomPixels);
  QTextFrameFormat frame = document.rootFrame()->frameFormat();
  frame.setMargin(richedit::kLeftOffsetPixels);
  frame.setLeftMargin(0);  // the blocks carry the left offset (see FormatMapping.h)
  frame.setRightMargin(0);
  document.rootFrame()->setFrameFormat(frame);
  if (document.isEmpty()) {
    QTextCursor cursor(&document);
    richedit::ClearToPlainParagraph(cursor, richedit::DefaultTextFormat(base));
  }
}

void TRichEdit::Impl::ConnectDocument() {
  QObject::connect(&Document(), &QTextDocument::contentsChange, view,
                   [this](int from, int removed, int added) {
                     WrapAnywhereIfNeeded(from, added);
                     ContentsChanged(removed, added);
                   });
}

void TRichEdit::Impl::WrapAnywhereIfNeeded(int from, int added) {
  // Typing cannot make a stretch long in one step; a paste or an inserted document can. The
  // signal comes before Qt lays the change out, so the layout runs once, in the new mode.
  if (added < 2 || view->wordWrapMode() == QTextOption::WrapAnywhere) return;
  if (richedit::LongestUnbreakableStretch(Document(), from, from + added) >
      richedit::kLongestStretchWrappedAtWords)
    view->setWordWrapMode(QTextOption::WrapAnywhere);
}

void TRichEdit::Impl::AttachDocument(std::unique_ptr<QTextDocument> document) {
  document->setUndoRedoEnabled(true);
  document->setParent(view);
  // Qt frees the editor's own first document itself; ours are children of the view.
  const QPointer<QTextDocument> old = view->document();
  const QTextOption::WrapMode mode = richedit::WrapModeFor(*document);
  if (view->wordWrapMode() != mode) {
    // The view applies its mode to the document it shows; the old one is emptied first so that
    // it is not laid out again in the new mode on its way out (word wrapping a long stretch
    // would take minutes).
    if (old) {
      QObject::disconnect(old.data(), &QTextDocument::contentsChange, view, nullptr);
      old->clear();
    }
    view->setWordWrapMode(mode);
  }
  view->setDocument(document.release());
  if (old && old->parent() == view) delete old.data();
  ConnectDocument();
  ApplyBase();
  view->moveCursor(QTextCursor::Start);
  richedit::IdleLayout::Of(*view).Start(*view->document());
}

void TRichEdit::Impl::ApplyBase() {
  const QColor color = richedit::ToQColor(base.format.color);
  QPalette palette = view->palette();
  if (palette.color(QPalette::Text) != color) {
    palette.setColor(QPalette::Text, color);
    view->setPalette(palette);
  }
}

void TRichEdit::Impl::ChangeBase(const richedit::ResolvedCharFormat& format) {
  if (format == base) return;
  base = format;
  ApplyBase();
  richedit::RestyleDefaultText(*view, richedit::DefaultTextFormat(base));
}

void TRichEdit::Impl::ContentsChanged(int charsRemoved, int charsAdded) {
  if (formatChanges > 0 || (charsRemoved == 0 && charsAdded == 0)) return;
  changePending = true;
}

void TRichEdit::Impl::FlushChange() {
  if (!changePending || editDepth > 0) return;
  changePending = false;
  if (owner.OnChange && !owner.Loading()) owner.OnChange(&owner);
}

int TRichEdit::Impl::Room() const {
  if (owner.maxLength_ <= 0) return -1;
  return std::max(0, owner.maxLength_ - (Document().characterCount() - 1));
}
