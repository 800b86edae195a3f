#include "platform/richedit/TextAttributes.h"

#include <QTextCharFormat>
#include <QTextEdit>
#include <cstdlib>

#include "platform/richedit/FormatMapping.h"
#include "platform/richedit/RichEditImpl.h"
#include "platform/richedit/SelectionFormat.h"

namespace {

using richedit::ResolvedCharFormat;

constexpr int kMinSize = 1;
constexpr int kMaxSize = 1638;  // the largest size a document stores (half points in 16 bits)

int ModelPitch(TFontPitch pitch) {
  switch (pitch) {
    case fpFixed:
      return 1;
    case fpVariable:
      return 2;
    case fpDefault:
      break;
  }
  return 0;
}

TFontPitch FontPitch(int pitch) {
  return pitch == 1 ? fpFixed : pitch == 2 ? fpVariable : fpDefault;
}

// One attribute change, applied to the selection as a Qt format merge or to the default
// format as a change of the stored values.
struct Change {
  QTextCharFormat qt;
  std::function<void(ResolvedCharFormat&)> model;
};

Change NameChange(const std::string& name) {
  Change change;
  change.qt.setFontFamilies(QStringList{QString::fromStdString(name)});
  change.model = [name](ResolvedCharFormat& f) { f.font.face = name; };
  return change;
}

Change SizeChange(int size) {
  size = std::clamp(size, kMinSize, kMaxSize);
  Change change;
  change.qt.setFontPointSize(size);
  change.model = [size](ResolvedCharFormat& f) { f.format.sizeHalfPt = size * 2; };
  return change;
}

Change StyleChange(TFontStyles style) {
  const bool bold = (style & fsBold) != 0;
  const bool italic = (style & fsItalic) != 0;
  const bool underline = (style & fsUnderline) != 0;
  Change change;
  change.qt.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  change.qt.setFontItalic(italic);
  change.qt.setFontUnderline(underline);
  change.model = [=](ResolvedCharFormat& f) {
    f.format.bold = bold;
    f.format.italic = italic;
    f.format.underline = underline;
  };
  return change;
}

Change ColorChange(TColor color) {
  const TColor rgb = ColorToRGB(color) & 0xFFFFFF;
  Change change;
  change.qt.setForeground(QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
  change.model = [rgb](ResolvedCharFormat& f) { f.format.color = rgb; };
  return change;
}

Change CharsetChange(TFontCharset charset) {
  Change change;
  change.qt.setProperty(richedit::kCharsetProperty, int(charset));
  change.model = [charset](ResolvedCharFormat& f) { f.font.charset = charset; };
  return change;
}

Change PitchChange(TFontPitch pitch) {
  Change change;
  change.qt.setProperty(richedit::kPitchProperty, ModelPitch(pitch));
  change.model = [pitch](ResolvedCharFormat& f) { f.font.pitch = ModelPitch(pitch); };
  return change;
}

Change Combined(std::initializer_list<Change> parts) {
  Change change;
  std::vector<std::function<void(ResolvedCharFormat&)>> models;
  for (const Change& part : parts) {
    change.qt.merge(part.qt);
    models.push_back(part.model);
  }
  change.model = [models](ResolvedCharFormat& f) {
    for (const auto& model : models) model(f);
  };
  return change;
}

}  // namespace

namespace richedit {

// Reads and changes the attributes of one kind for TTextAttributes.
class AttributeAccess {
 public:
  static ResolvedCharFormat Read(TRichEdit& owner, TTextAttributes::TAttributeType type) {
    TRichEdit::Impl& impl = owner.impl();
    if (type == TTextAttributes::atDefaultText) return impl.base;
    return FromQtCharFormat(SelectionCharFormat(*impl.view), impl.base);
  }

  static void Apply(TRichEdit& owner, TTextAttributes::TAttributeType type, const Change& change) {
    TRichEdit::Impl& impl = owner.impl();
    TRichEdit::Impl::FormatChange quiet(impl);
    if (type == TTextAttributes::atDefaultText) {
      ResolvedCharFormat base = impl.base;
      change.model(base);
      impl.ChangeBase(base);
      return;
    }
    // Text given a format of its own no longer follows the default one.
    QTextCharFormat own = change.qt;
    own.setProperty(kDefaultTextProperty, false);
    MergeSelectionCharFormat(*impl.view, own);
  }
};

}  // namespace richedit

using richedit::AttributeAccess;

std::string TTextAttributes::Name() const {
  return AttributeAccess::Read(owner_, type_).font.face;
}

void TTextAttributes::SetName(const std::string& name) {
  if (name.empty()) return;
  AttributeAccess::Apply(owner_, type_, NameChange(name));
}

int TTextAttributes::Size() const {
  return AttributeAccess::Read(owner_, type_).format.sizeHalfPt / 2;
}

void TTextAttributes::SetSize(int size) {
  AttributeAccess::Apply(owner_, type_, SizeChange(size));
}

int TTextAttributes::Height() const {
  return MulDiv(Size(), ScreenPixelsPerInch, 72);
}

void TTextAttributes::SetHeight(int height) {
  SetSize(MulDiv(std::abs(height), 72, ScreenPixelsPerInch));
}

TFontStyles TTextAttributes::Style() const {
  const rtf::CharFormat format = AttributeAccess::Read(owner_, type_).format;
  TFontStyles style = 0;
  if (format.bold) style |= fsBold;
  if (format.italic) style |= fsItalic;
  if (format.underline) style |= fsUnderline;
  return style;
}

void TTextAttributes::SetStyle(TFontStyles style) {
  AttributeAccess::Apply(owner_, type_, StyleChange(style));
}

TColor TTextAttributes::Color() const {
  return AttributeAccess::Read(owner_, type_).format.color;
}

void TTextAttributes::SetColor(TColor color) {
  AttributeAccess::Apply(owner_, type_, ColorChange(color));
}

TFontCharset TTextAttributes::Charset() const {
  return static_cast<TFontCharset>(AttributeAccess::Read(owner_, type_).font.charset);
}

void TTextAttributes::SetCharset(TFontCharset charset) {
  AttributeAccess::Apply(owner_, type_, CharsetChange(charset));
}

TFontPitch TTextAttributes::Pitch() const {
  return FontPitch(AttributeAccess::Read(owner_, type_).font.pitch);
}

void TTextAttributes::SetPitch(TFontPitch pitch) {
  AttributeAccess::Apply(owner_, type_, PitchChange(pitch));
}

void TTextAttributes::Assign(const TFont& font) {
  AttributeAccess::Apply(owner_, type_,
                         Combined({NameChange(font.Name()), SizeChange(font.Size()),
                                   StyleChange(font.Style()), ColorChange(font.Color()),
                                   CharsetChange(font.Charset()), PitchChange(font.Pitch())}));
}

void TTextAttributes::AssignTo(TFont& font) const {
  const ResolvedCharFormat format = AttributeAccess::Read(owner_, type_);
  TFont copy = font;
  copy.SetName(format.font.face);
  copy.SetSize(format.format.sizeHalfPt / 2);
  copy.SetStyle(Style());
  copy.SetColor(format.format.color);
  copy.SetCharset(static_cast<TFontCharset>(format.font.charset));
  copy.SetPitch(FontPitch(format.font.pitch));
  font.Assign(copy);
}
