#include "platform/qt/QtBridge.h"

#include <QPalette>
#include <QWidget>

QColor QtColor(TColor color) {
  if (color == clNone || color == clDefault) return {};
  const TColor rgb = ColorToRGB(color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQtColor(const QColor& color) {
  if (!color.isValid()) return clNone;
  return RGB(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
             static_cast<std::uint8_t>(color.blue()));
}

void ApplyEditLook(QWidget& field, const TFont& font, TColor color) {
  field.setFont(QtFont(font));
  QPalette palette = field.palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Base, QtColor(color));
    palette.setColor(group, QPalette::Window, QtColor(color));
    palette.setColor(group, QPalette::Text, QtColor(font.Color()));
    palette.setColor(group, QPalette::Highlight, QtColor(clHighlight));
    palette.setColor(group, QPalette::HighlightedText, QtColor(clHighlightText));
  }
  palette.setColor(QPalette::Disabled, QPalette::Base, QtColor(clBtnFace));
  palette.setColor(QPalette::Disabled, QPalette::Window, QtColor(clBtnFace));
  palette.setColor(QPalette::Disabled, QPalette::Text, QtColor(clGrayText));
  field.setPalette(palette);
}
