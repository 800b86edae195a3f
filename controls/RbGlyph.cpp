#include "controls/RbGlyph.h"

#include <algorithm>
#include <cstdint>

#include "platform/graphics/Bitmap.h"

void MakeDisabledGlyph(TBitmap& bitmap, TColor tint) {
  const TColor rgb = ColorToRGB(tint);
  const int tintBgr[3] = {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)};
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += TBitmap::PixelStep) {
      const int grey = (p[0] + p[1] + p[2]) / 3;
      for (int c = 0; c < 3; ++c)
        p[c] = static_cast<std::uint8_t>(std::min(255, tintBgr[c] + grey));
    }
  }
  bitmap.Modified();
}
