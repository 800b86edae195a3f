#include "controls/RbDownsample.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

// Rows of the large picture being averaged.
struct BlockRows {
  std::vector<const std::uint8_t*> rows;
};

// The means of count blocks of one block row, the first block starting at column bx. With the
// smoothing factor as a constant (3, which the panels use on every resize) the loops unroll
// and the division becomes a multiplication.
template <int Factor>
void AverageBlocksOfRow(const BlockRows& block, int factor, int bx, int count, std::uint8_t* out) {
  const int f = Factor > 0 ? Factor : factor;
  const unsigned area = unsigned(f) * unsigned(f);
  for (int k = 0; k < count; ++k, bx += f, out += TBitmap::PixelStep) {
    unsigned sum[3] = {0, 0, 0};
    for (int r = 0; r < f; ++r) {
      const std::uint8_t* p = block.rows[std::size_t(r)] + bx * TBitmap::PixelStep;
      for (int c = 0; c < f; ++c, p += TBitmap::PixelStep) {
        sum[0] += p[0];
        sum[1] += p[1];
        sum[2] += p[2];
      }
    }
    for (int c = 0; c < 3; ++c) out[c] = static_cast<std::uint8_t>(sum[c] / area);
  }
}

// Averages target row y, columns x0..x1-1; false when the row's blocks are not in big.
bool AverageRow(const TBitmap& big, TPoint origin, TBitmap& target, int y, int x0, int x1,
                int factor, BlockRows& block) {
  const int by = (y - origin.Y) * factor;
  if (by < 0 || by + factor > big.Height()) return false;
  for (int r = 0; r < factor; ++r) block.rows[std::size_t(r)] = big.ScanLine(by + r);
  // Blocks wholly inside big's columns only.
  x0 = std::max(x0, origin.X);
  x1 = std::min(x1, origin.X + big.Width() / factor);
  if (x0 >= x1) return true;
  std::uint8_t* out = target.ScanLine(y) + x0 * TBitmap::PixelStep;
  const int bx = (x0 - origin.X) * factor;
  if (factor == 3)
    AverageBlocksOfRow<3>(block, factor, bx, x1 - x0, out);
  else
    AverageBlocksOfRow<0>(block, factor, bx, x1 - x0, out);
  return true;
}

}  // namespace

void AverageBlocks(const TBitmap& big, TPoint origin, TBitmap& target, const TRect& area,
                   int factor) {
  if (factor < 1) return;
  const TRect inside = IntersectRect(area, Rect(0, 0, target.Width(), target.Height()));
  BlockRows block{std::vector<const std::uint8_t*>(std::size_t(factor), nullptr)};
  for (int y = inside.Top; y < inside.Bottom; ++y)
    if (!AverageRow(big, origin, target, y, inside.Left, inside.Right, factor, block)) return;
}

void AntialiasDownsample(const TBitmap& big, TBitmap& target, int factor, TColor fillColor,
                         int band) {
  const TColor fill = ColorToRGB(fillColor);
  if (band < 1) band = factor;
  const int b = band / 2;
  const int width = target.Width();
  const int height = target.Height();
  if (factor >= 1) {
    BlockRows block{std::vector<const std::uint8_t*>(std::size_t(factor), nullptr)};
    for (int i = 0; i < height; ++i) {
      bool ok = true;
      if (i <= b || i >= height - b) {
        ok = AverageRow(big, {0, 0}, target, i, 0, width, factor, block);
      } else {
        ok = AverageRow(big, {0, 0}, target, i, 0, std::min(b + 1, width), factor, block) &&
             AverageRow(big, {0, 0}, target, i, std::max(width - b, 0), width, factor, block);
      }
      if (!ok) break;
    }
  }
  TCanvas& canvas = target.Canvas();
  canvas.Brush().SetColor(fill);
  canvas.FillRect(Rect(b, b, width - b, height - b));
}
