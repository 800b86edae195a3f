#include "app/EditingText.h"

TFontStyles BaseStyleForIndex(int index, TFontStyles current) {
  switch (index) {
    case 0:
      return 0;
    case 1:
      return fsItalic;
    case 2:
      return fsBold;
    case 3:
      return fsBold | fsItalic;
    default:
      return current;
  }
}

std::string CaretPositionText(int line, int character) {
  return "Строка № " + std::to_string(line) + "    Знак № " + std::to_string(character);
}

// Lead bytes start a code point; those of four bytes lie outside the basic plane and take a
// surrogate pair.
int Utf16Length(const std::string& text) {
  int units = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) == 0x80) continue;
    units += byte >= 0xF0 ? 2 : 1;
  }
  return units;
}
