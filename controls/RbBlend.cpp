#include "controls/RbBlend.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/graphics/Bitmap.h"

namespace {

TRect BitmapBounds(const TBitmap& bitmap) {
  return Rect(0, 0, bitmap.Width(), bitmap.Height());
}

std::uint8_t Mix(double k1, std::uint8_t a, double k2, std::uint8_t b) {
  const int value = static_cast<int>(std::nearbyint(k1 * a + k2 * b));
  return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// A plain raster copy of width x height pixels; overlapping areas of one bitmap copy as if
// read before written.
void CopyPixels(TBitmap& dest, int destX, int destY, const TBitmap& source, int width, int height) {
  const TRect target = IntersectRect(Bounds(destX, destY, width, height), BitmapBounds(dest));
  const TRect from = IntersectRect(OffsetRect(target, -destX, -destY), BitmapBounds(source));
  if (from.IsEmpty()) return;
  const std::size_t bytes = std::size_t(from.Width()) * TBitmap::PixelStep;
  const bool upwards = &dest == &source && destY > 0;
  for (int k = 0; k < from.Height(); ++k) {
    const int sy = upwards ? from.Bottom - 1 - k : from.Top + k;
    const std::uint8_t* in = source.ScanLine(sy) + from.Left * TBitmap::PixelStep;
    std::uint8_t* out = dest.ScanLine(sy + destY) + (from.Left + destX) * TBitmap::PixelStep;
    std::memmove(out, in, bytes);
  }
}

}  // namespace

void BlendBitmaps(TBitmap& dest, const TBitmap& overlay, const TRect& rect, int percent) {
  percent = std::clamp(percent, 0, 100);
  const double k1 = (100 - percent) / 100.0;
  const double k2 = 1 - k1;
  TRect area = IntersectRect(rect, BitmapBounds(dest));
  area = IntersectRect(area, OffsetRect(BitmapBounds(overlay), rect.Left, rect.Top));
  for (int y = area.Top; y < area.Bottom; ++y) {
    std::uint8_t* d = dest.ScanLine(y) + area.Left * TBitmap::PixelStep;
    const std::uint8_t* o =
        overlay.ScanLine(y - rect.Top) + (area.Left - rect.Left) * TBitmap::PixelStep;
    for (int x = area.Left; x < area.Right; ++x) {
      for (int c = 0; c < 3; ++c) d[c] = Mix(k1, d[c], k2, o[c]);
      d += TBitmap::PixelStep;
      o += TBitmap::PixelStep;
    }
  }
}

void DrawFadeLayer(TBitmap& dest, const TBitmap& source, const TBitmap& overlay, int offset,
                   const TRect& rect, int percent) {
  CopyPixels(dest, rect.Left + offset, rect.Top + offset, source, rect.Width() - offset,
             rect.Height() - offset);
  if (percent > 0) BlendBitmaps(dest, overlay, rect, std::min(percent, 100));
}
