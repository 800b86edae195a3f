#include "controls/RxMenuMargin.h"

#include <algorithm>

namespace {

constexpr int kMaxBands = 32;

int ComponentStep(int start, int end, int index, int count) {
  return (start + MulDiv(index, end - start, count - 1)) & 0xFF;
}

void VerticalLine(TCanvas& canvas, int x, int top, int bottom, TColor color) {
  canvas.Pen().SetColor(color);
  canvas.MoveTo(x, top);
  canvas.LineTo(x, bottom);
}

}  // namespace

TColor MarginBandColor(TColor startColor, TColor endColor, int index, int count) {
  const TColor start = ColorToRGB(startColor);
  const TColor end = ColorToRGB(endColor);
  return RGB(
      static_cast<std::uint8_t>(ComponentStep(GetRValue(start), GetRValue(end), index, count)),
      static_cast<std::uint8_t>(ComponentStep(GetGValue(start), GetGValue(end), index, count)),
      static_cast<std::uint8_t>(ComponentStep(GetBValue(start), GetBValue(end), index, count)));
}

void PaintVerticalBands(TCanvas& canvas, const TRect& rect, TColor startColor, TColor endColor) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  const int height = rect.Height();
  const int count = std::max(2, std::min(kMaxBands, height));
  const int band = height / count;
  canvas.Brush().SetStyle(bsSolid);
  for (int i = 0; i < count; ++i) {
    canvas.Brush().SetColor(MarginBandColor(startColor, endColor, i, count));
    canvas.FillRect(Rect(rect.Left, rect.Top + i * band, rect.Right, rect.Top + (i + 1) * band));
  }
  const int rest = height % count;
  if (rest == 0) return;
  canvas.Brush().SetColor(endColor);
  canvas.FillRect(Rect(rect.Left, rect.Bottom - rest, rect.Right, rect.Bottom));
}

void PaintMenuMarginGradient(TCanvas& canvas, const TRect& rect, TColor startColor,
                             TColor endColor) {
  TRect bands = rect;
  bands.Right -= 3;
  PaintVerticalBands(canvas, bands, startColor, endColor);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetStyle(psSolid);
  VerticalLine(canvas, rect.Right - 2, rect.Top, rect.Bottom, clBtnShadow);
  VerticalLine(canvas, rect.Right - 1, rect.Top, rect.Bottom, clBtnHighlight);
}
