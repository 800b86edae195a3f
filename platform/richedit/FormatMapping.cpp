#include "platform/richedit/FormatMapping.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <algorithm>

namespace richedit {
namespace {

std::uint32_t FromQColor(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) | static_cast<std::uint32_t>(color.green()) << 8 |
         static_cast<std::uint32_t>(color.blue()) << 16;
}

QString FaceOf(const QTextCharFormat& format) {
  const QStringList families = format.fontFamilies().toStringList();
  if (!families.isEmpty()) return families.front();
  return QString();
}

// Files may state any indent; Qt gets at most this many pixels (about 100 inches).
constexpr long long kMaxPixels = 9600;

int TwipsToPixels(long long twips) {
  return static_cast<int>(std::clamp(twips / kTwipsPerPixel, -kMaxPixels, kMaxPixels));
}

Qt::Alignment ToQtAlignment(rtf::Align align) {
  switch (align) {
    case rtf::Align::Center:
      return Qt::AlignHCenter;
    case rtf::Align::Right:
      return Qt::AlignRight | Qt::AlignAbsolute;
    case rtf::Align::Justify:
      return Qt::AlignJustify;
    case rtf::Align::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignAbsolute;
}

rtf::Align FromQtAlignment(Qt::Alignment alignment) {
  if (alignment & Qt::AlignHCenter) return rtf::Align::Center;
  if (alignment & Qt::AlignRight) return rtf::Align::Right;
  if (alignment & Qt::AlignJustify) return rtf::Align::Justify;
  return rtf::Align::Left;
}

}  // namespace

QColor ToQColor(std::uint32_t color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QTextCharFormat ToQtCharFormat(const ResolvedCharFormat& format) {
  QTextCharFormat qt;
  qt.setFontFamilies(QStringList{QString::fromStdString(format.font.face)});
  qt.setFontPointSize(format.format.sizeHalfPt / 2.0);
  qt.setFontWeight(format.format.bold ? QFont::Bold : QFont::Normal);
  qt.setFontItalic(format.format.italic);
  qt.setFontUnderline(format.format.underline);
  qt.setForeground(ToQColor(format.format.color));
  qt.setProperty(kCharsetProperty, format.font.charset);
  qt.setProperty(kPitchProperty, format.font.pitch);
  return qt;
}

ResolvedCharFormat FromQtCharFormat(const QTextCharFormat& format, const ResolvedCharFormat& base) {
  ResolvedCharFormat result = base;
  if (format.hasProperty(QTextFormat::FontFamilies))
    result.font.face = FaceOf(format).toStdString();
  if (format.hasProperty(QTextFormat::FontPointSize)) {
    result.format.sizeHalfPt = static_cast<int>(format.fontPointSize() * 2.0 + 0.5);
  }
  if (format.hasProperty(QTextFormat::FontWeight)) {
    result.format.bold = format.fontWeight() >= QFont::DemiBold;
  }
  if (format.hasProperty(QTextFormat::FontItalic)) result.format.italic = format.fontItalic();
  if (format.hasProperty(QTextFormat::TextUnderlineStyle) ||
      format.hasProperty(QTextFormat::FontUnderline)) {
    result.format.underline = format.fontUnderline();
  }
  if (format.hasProperty(QTextFormat::ForegroundBrush)) {
    result.format.color = FromQColor(format.foreground().color());
  }
  if (format.hasProperty(kCharsetProperty))
    result.font.charset = format.intProperty(kCharsetProperty);
  if (format.hasProperty(kPitchProperty)) result.font.pitch = format.intProperty(kPitchProperty);
  return result;
}

int FirstLinePixels(const QTextBlockFormat& format) {
  const long long left = format.intProperty(kLeftTwipsProperty);
  const long long first = format.intProperty(kFirstTwipsProperty);
  return std::max(0, kLeftOffsetPixels + TwipsToPixels(left + first));
}

void ApplyIndentGeometry(QTextBlockFormat& format, bool bullet) {
  const long long left = format.intProperty(kLeftTwipsProperty);
  const long long right = format.intProperty(kRightTwipsProperty);
  const int restPixels = std::max(0, kLeftOffsetPixels + TwipsToPixels(left));
  int firstPixels = FirstLinePixels(format);
  // The bullet stands at the first-line position and its text follows after the bullet's
  // room, or at the left indent when a hanging indent leaves more room than that.
  if (bullet) firstPixels = std::max(restPixels, firstPixels + kBulletRoomPixels);
  format.setLeftMargin(restPixels);
  format.setTextIndent(firstPixels - restPixels);
  format.setRightMargin(std::max(0, kRightOffsetPixels + TwipsToPixels(right)));
}

void StoreParaFormat(QTextBlockFormat& target, const rtf::ParaFormat& format) {
  target.setAlignment(ToQtAlignment(format.align));
  target.setProperty(kLeftTwipsProperty, format.leftTwips);
  target.setProperty(kFirstTwipsProperty, format.firstTwips);
  target.setProperty(kRightTwipsProperty, format.rightTwips);
  ApplyIndentGeometry(target, format.bullet);
}

QTextBlockFormat ToQtBlockFormat(const rtf::ParaFormat& format) {
  QTextBlockFormat qt;
  StoreParaFormat(qt, format);
  return qt;
}

rtf::ParaFormat FromQtBlockFormat(const QTextBlockFormat& format, bool bullet) {
  rtf::ParaFormat result;
  result.align = FromQtAlignment(format.alignment());
  result.leftTwips = format.intProperty(kLeftTwipsProperty);
  result.firstTwips = format.intProperty(kFirstTwipsProperty);
  result.rightTwips = format.intProperty(kRightTwipsProperty);
  result.bullet = bullet;
  return result;
}

QTextListFormat BulletListFormat() {
  QTextListFormat format;
  format.setStyle(QTextListFormat::ListStyleUndefined);
  format.setIndent(0);  // the blocks' own margins make the bullet's room
  return format;
}

}  // namespace richedit
