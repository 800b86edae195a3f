// Internal to the platform layer: the Qt objects behind the drawing layer's values. Included
// only by platform .cpp files (controls, forms, the rich-text control), never by anything
// outside platform/.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRegion>
#include <QString>
#include <string>

#include "platform/core/Types.h"
#include "platform/framework/ControlTypes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Region.h"

class QPainter;
class QWidget;

// The pixels of a bitmap: always QImage::Format_RGB32 (bytes B, G, R, 0xFF). Writing through
// the non-const overload is allowed; call bitmap.Modified() afterwards if listeners care.
QImage& QtImage(TBitmap& bitmap);
const QImage& QtImage(const TBitmap& bitmap);
// Copies the bitmap (or its source part) to the painter at `at` in one operation: what a
// widget's paint event does with a face composed off-screen.
void PaintBitmap(QPainter& painter, const TBitmap& bitmap, TPoint at = {});
void PaintBitmap(QPainter& painter, const TBitmap& bitmap, TPoint at, const TRect& source);
// Replaces the bitmap's picture with a copy of image converted to RGB32.
void SetQtImage(TBitmap& bitmap, const QImage& image);

// A QFont at 96 dpi in pixel sizes, with the face mapped to an installed font and the quality
// turned into Qt's antialiasing strategy.
QFont QtFont(const TFont& font);
// Registers the classic face substitutions with Qt once, so that any QFont naming "Arial" or
// "MS Sans Serif" (the rich-text control's fonts too) finds the mapped face.
void InstallFontSubstitutions();

const QRegion& QtRegion(const TRegion& region);
TRegion FromQtRegion(const QRegion& region);

// The Qt shape of a classic cursor number; false for crDefault (the widget inherits its
// parent's) and numbers without a shape. Controls and the screen share this one table.
bool QtCursorShape(TCursor cursor, Qt::CursorShape& shape);

// System colours resolved; clNone and clDefault give an invalid QColor.
QColor QtColor(TColor color);
TColor FromQtColor(const QColor& color);
// Gives a Qt text field (the edit's, the combo box's) the classic edit look: the control's
// font and colour, the highlight colours, and grey text on the button face when disabled.
void ApplyEditLook(QWidget& field, const TFont& font, TColor color);
// The 0xFFRRGGBB pixel value of a colour in a Format_RGB32 image (system colours resolved).
inline QRgb QtPixel(TColor color) {
  const TColor c = ColorToRGB(color);
  return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

inline QString QtString(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string FromQtString(const QString& s) {
  return s.toStdString();
}
