#include "platform/graphics/Font.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/core/TextCompare.h"
#include "platform/qt/QtBridge.h"

namespace {

struct FaceMapping {
  const char* classic;
  const char* installed;
  QFont::Weight minimumWeight;  // the mapped face's weight when the classic face is heavy
};

// Metric-compatible installed faces for the classic desktop's faces. "MS Sans Serif" would
// otherwise fall back to DejaVu Sans, about 15% wider than the original metrics.
constexpr FaceMapping kFaceMappings[] = {
    {"MS Sans Serif", "Liberation Sans", QFont::Normal},
    {"Microsoft Sans Serif", "Liberation Sans", QFont::Normal},
    {"Arial", "Liberation Sans", QFont::Normal},
    {"Helvetica", "Liberation Sans", QFont::Normal},
    {"Tahoma", "Liberation Sans", QFont::Normal},
    {"Arial Black", "Liberation Sans", QFont::Black},
    {"System", "Liberation Sans", QFont::Bold},
    {"Verdana", "DejaVu Sans", QFont::Normal},
    {"MS Serif", "DejaVu Serif", QFont::Normal},
    {"Times New Roman", "Liberation Serif", QFont::Normal},
    {"Times", "Liberation Serif", QFont::Normal},
    {"Courier New", "Liberation Mono", QFont::Normal},
    {"Courier", "Liberation Mono", QFont::Normal},
    {"Lucida Console", "Liberation Mono", QFont::Normal},
};

const FaceMapping* FindMapping(const std::string& name) {
  for (const auto& mapping : kFaceMappings)
    if (SameText(name, mapping.classic)) return &mapping;
  return nullptr;
}

// A positive height is the character cell (ascent + descent); Qt sizes fonts by the em.
int PixelSizeForCellHeight(const QFont& font, int cellHeight) {
  QFont probe(font);
  probe.setPixelSize(100);
  const QFontMetricsF metrics(probe);
  const double cell = metrics.ascent() + metrics.descent();
  if (cell <= 0) return cellHeight;
  return std::max(1, static_cast<int>(std::lround(cellHeight * 100.0 / cell)));
}

}  // namespace

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = std::int64_t(a) * b;
  const std::int64_t half = std::llabs(c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(c);
  const std::int64_t result = negative ? -magnitude : magnitude;
  if (result > INT32_MAX || result < INT32_MIN) return -1;
  return static_cast<int>(result);
}

TFont::TFont() = default;

TFont::TFont(const TFont& other)
    : name_(other.name_),
      height_(other.height_),
      style_(other.style_),
      color_(other.color_),
      charset_(other.charset_),
      pitch_(other.pitch_),
      quality_(other.quality_),
      escapement_(other.escapement_) {}

TFont& TFont::operator=(const TFont& other) {
  Assign(other);
  return *this;
}

TFont::~TFont() = default;

bool TFont::operator==(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
         color_ == other.color_ && charset_ == other.charset_ && pitch_ == other.pitch_ &&
         quality_ == other.quality_ && escapement_ == other.escapement_;
}

void TFont::Assign(const TFont& source) {
  if (this == &source || *this == source) return;
  name_ = source.name_;
  height_ = source.height_;
  style_ = source.style_;
  color_ = source.color_;
  charset_ = source.charset_;
  pitch_ = source.pitch_;
  quality_ = source.quality_;
  escapement_ = source.escapement_;
  Changed();
}

void TFont::Changed() {
  OnChange.Notify(*this);
}

void TFont::SetName(const std::string& name) {
  if (name == name_ || name.empty()) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const {
  return -MulDiv(height_, 72, ScreenPixelsPerInch);
}

void TFont::SetSize(int size) {
  SetHeight(-MulDiv(size, ScreenPixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles style) {
  style &= fsBold | fsItalic | fsUnderline | fsStrikeOut;
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetCharset(TFontCharset charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Changed();
}

void TFont::SetQuality(TFontQuality quality) {
  if (quality == quality_) return;
  quality_ = quality;
  Changed();
}

void TFont::SetEscapement(int tenthsOfDegree) {
  if (tenthsOfDegree == escapement_) return;
  escapement_ = tenthsOfDegree;
  Changed();
}

std::string MapFontFace(const std::string& name) {
  if (const FaceMapping* mapping = FindMapping(name)) return mapping->installed;
  return name;
}

void InstallFontSubstitutions() {
  static const bool installed = [] {
    for (const auto& mapping : kFaceMappings)
      QFont::insertSubstitution(QString::fromLatin1(mapping.classic),
                                QString::fromLatin1(mapping.installed));
    return true;
  }();
  (void)installed;
}

QFont QtFont(const TFont& font) {
  InstallFontSubstitutions();
  const FaceMapping* mapping = FindMapping(font.Name());
  QFont result(mapping ? QString::fromLatin1(mapping->installed) : QtString(font.Name()));
  QFont::Weight weight = (font.Style() & fsBold) ? QFont::Bold : QFont::Normal;
  if (mapping && mapping->minimumWeight > weight) weight = mapping->minimumWeight;
  result.setWeight(weight);
  result.setItalic((font.Style() & fsItalic) != 0);
  result.setUnderline((font.Style() & fsUnderline) != 0);
  result.setStrikeOut((font.Style() & fsStrikeOut) != 0);
  if (font.Pitch() == fpFixed) {
    result.setFixedPitch(true);
    result.setStyleHint(QFont::Monospace);
  }
  // The classic text output neither kerns nor smooths unless the font asks for smoothing.
  result.setKerning(false);
  result.setStyleStrategy(font.Antialiased() ? QFont::PreferAntialias : QFont::NoAntialias);
  result.setHintingPreference(QFont::PreferFullHinting);
  const int height = font.Height();
  if (height < 0)
    result.setPixelSize(-height);
  else if (height > 0)
    result.setPixelSize(PixelSizeForCellHeight(result, height));
  else
    result.setPixelSize(11);  // height 0: the default size, 8 points
  return result;
}

std::vector<TFontFamilyInfo> ScreenFontFamilies() {
  std::vector<TFontFamilyInfo> families;
  for (const QString& family : QFontDatabase::families()) {
    if (QFontDatabase::isPrivateFamily(family)) continue;
    TFontFamilyInfo info;
    info.name = family.toStdString();
    info.fontType = QFontDatabase::isSmoothlyScalable(family) ? 4 : 1;
    // Fonts that carry symbols stand for the symbol set even when they name a few Latin
    // letters too; other Latin fonts for the ANSI set.
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    info.charset = systems.contains(QFontDatabase::Symbol)  ? SYMBOL_CHARSET
                   : systems.contains(QFontDatabase::Latin) ? ANSI_CHARSET
                                                            : DEFAULT_CHARSET;
    info.pitch = QFontDatabase::isFixedPitch(family) ? fpFixed : fpVariable;
    families.push_back(std::move(info));
  }
  std::sort(families.begin(), families.end(),
            [](const TFontFamilyInfo& a, const TFontFamilyInfo& b) { return a.name < b.name; });
  return families;
}
