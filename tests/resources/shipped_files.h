// Where the committed pictures and sounds live, and plain reads of their pixels and bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"

namespace shipped {

inline std::filesystem::path Resources() {
  return std::filesystem::path(TARVIK_SOURCE_DIR) / "resources";
}

inline std::string BitmapPath(const std::string& name) {
  return (Resources() / "bitmaps" / (name + ".bmp")).string();
}

inline std::string SoundPath(const std::string& name) {
  return (Resources() / "Muzik" / name).string();
}

inline std::string IconPath(int size) {
  const std::string dir = std::to_string(size) + "x" + std::to_string(size);
  return (Resources() / "icons" / "hicolor" / dir / "apps" / "tarvik.png").string();
}

// The pixel's colour as a COLORREF (0x00BBGGRR), read straight from the bitmap's rows.
inline TColor PixelAt(const TBitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y) + x * TBitmap::PixelStep;
  return RGB(p[TBitmap::RedOffset], p[TBitmap::GreenOffset], p[TBitmap::BlueOffset]);
}

inline TColor BottomLeft(const TBitmap& bitmap) {
  return PixelAt(bitmap, 0, bitmap.Height() - 1);
}

}  // namespace shipped
