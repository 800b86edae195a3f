#include "platform/QtBridge.h"

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
