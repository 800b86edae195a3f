#include "controls/RbGradient.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Region.h"

namespace {

// Round to nearest with ties to even, the rounding the gradient's colours are defined with.
int RoundEven(double value) {
  return static_cast<int>(std::nearbyint(value));
}

// A channel value beyond the byte range would wrap round into a wrong colour; the far
// corners of the diagonal and radial geometries lie slightly beyond the gradient's length.
std::uint8_t ChannelByte(double value) {
  return static_cast<std::uint8_t>(std::clamp(RoundEven(value), 0, 255));
}

struct GradientSteps {
  double start[3];  // blue, green, red as stored in a pixel
  double step[3];
};

int GradientLength(const TRect& rect, TGradientType type) {
  const int w = rect.Width();
  const int h = rect.Height();
  const int diagonal = RoundEven(std::sqrt(double(w) * w + double(h) * h));
  switch (type) {
    case TGradientType::gtHorizontal:
      return w;
    case TGradientType::gtVertical:
      return h;
    case TGradientType::gtFromTopLeft:
    case TGradientType::gtFromTopRight:
      return diagonal - rect.Left;
    case TGradientType::gtRadial:
      return (diagonal - rect.Left) / 2;
    case TGradientType::gtDoubleHorz:
      return w / 2;
    case TGradientType::gtDoubleVert:
      return h / 2;
  }
  return w;
}

// A zero length (a one-pixel-wide double gradient, an empty rectangle) has no steps: the
// whole area takes the start colour.
GradientSteps MakeSteps(TColor fromColor, TColor toColor, int length) {
  const TColor from = ColorToRGB(fromColor);
  const TColor to = ColorToRGB(toColor);
  const int fromBgr[3] = {GetBValue(from), GetGValue(from), GetRValue(from)};
  const int toBgr[3] = {GetBValue(to), GetGValue(to), GetRValue(to)};
  GradientSteps steps{};
  for (int c = 0; c < 3; ++c) {
    steps.start[c] = fromBgr[c];
    steps.step[c] = length == 0 ? 0.0 : double(toBgr[c] - fromBgr[c]) / length;
  }
  return steps;
}

class GradientPainter {
 public:
  GradientPainter(TBitmap& bitmap, const TRect& rect, TGradientType type, GradientSteps steps,
                  int length)
      : bitmap_(bitmap), rect_(rect), type_(type), steps_(steps), length_(length) {
    // Unsigned halving, as the centre of the radial geometry is defined.
    centreX_ = int(unsigned(rect.Right - rect.Left) >> 1);
    centreY_ = int(unsigned(rect.Bottom - rect.Top) >> 1);
  }

  // Paints the pixels of area (already inside the bitmap and the gradient's rectangle).
  void Paint(const TRect& area) {
    for (int y = area.Top; y < area.Bottom; ++y) {
      std::uint8_t* row = bitmap_.ScanLine(y);
      for (int x = area.Left; x < area.Right; ++x)
        Put(row + x * TBitmap::PixelStep, Distance(x, y));
    }
  }

 private:
  static double Length(int dx, int dy) { return std::sqrt(double(dx) * dx + double(dy) * dy); }

  double Distance(int x, int y) const {
    switch (type_) {
      case TGradientType::gtHorizontal:
        return x - rect_.Left;
      case TGradientType::gtVertical:
        return y - rect_.Top;
      case TGradientType::gtFromTopLeft:
        return Length(x - rect_.Left, y - rect_.Top);
      case TGradientType::gtFromTopRight:
        return Length(rect_.Right - x, y - rect_.Top);
      case TGradientType::gtRadial:
        return Length(centreX_ - x, y - centreY_);
      case TGradientType::gtDoubleHorz:
        return std::abs(x - length_ - rect_.Left);
      case TGradientType::gtDoubleVert:
        return std::abs(y - length_ - rect_.Top);
    }
    return 0;
  }

  void Put(std::uint8_t* pixel, double d) const {
    for (int c = 0; c < 3; ++c) pixel[c] = ChannelByte(steps_.step[c] * d + steps_.start[c]);
  }

  TBitmap& bitmap_;
  TRect rect_;
  TGradientType type_;
  GradientSteps steps_;
  int length_;
  int centreX_ = 0;
  int centreY_ = 0;
};

void FillPlain(TBitmap& bitmap, const TRect& rect, TColor color, const TRegion* region) {
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(color);
  if (region)
    canvas.FillRgn(*region);
  else
    canvas.FillRect(rect);
}

}  // namespace

void DrawGradient(TBitmap& bitmap, const TRect& rect, TColor fromColor, TColor toColor,
                  TGradientType gradientType, const TRegion* region) {
  if (bitmap.Width() < 1 || bitmap.Height() < 1) return;
  if (fromColor == toColor) {
    FillPlain(bitmap, rect, fromColor, region);
    return;
  }
  const int length = GradientLength(rect, gradientType);
  GradientPainter painter(bitmap, rect, gradientType, MakeSteps(fromColor, toColor, length),
                          length);
  const TRect area = IntersectRect(rect, Rect(0, 0, bitmap.Width(), bitmap.Height()));
  if (area.IsEmpty()) return;
  if (!region) {
    painter.Paint(area);
    return;
  }
  for (const TRect& part : region->Rects()) {
    const TRect clipped = IntersectRect(part, area);
    if (!clipped.IsEmpty()) painter.Paint(clipped);
  }
}
