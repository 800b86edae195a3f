#include "controls/RbPanelBuffer.h"

#include <vector>

#include "controls/RbDownsample.h"
#include "controls/RbGradient.h"
#include "platform/core/Types.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Region.h"

namespace {

// The rounded rectangle as drawn on the work picture (factor times the buffer's size).
struct ShapeGeometry {
  int factor = 1;
  int penWidth = 0;
  int left = 0;  // = right inset = bottom inset: half the pen
  int top = 0;
  int right = 0;
  int bottom = 0;
  int corner = 0;
};

ShapeGeometry MakeGeometry(const TRbPanelLook& look, int bufferWidth, int bufferHeight) {
  ShapeGeometry g;
  g.factor = look.Antialiased ? PanelSmoothFactor : 1;
  g.penWidth = RbExtent(look.BorderWidth) * g.factor - 1;
  const int half = g.penWidth / 2;
  g.left = half;
  g.top = look.GroupBox ? (RbExtent(look.CaptionHeight) * g.factor) / 2 + half : half;
  g.right = bufferWidth * g.factor - half;
  g.bottom = bufferHeight * g.factor - half;
  g.corner = RbExtent(look.CornerWidth) * g.factor;
  return g;
}

// Draws the outer fill, the body and the border onto work, whose pixel (0, 0) is the work
// picture's pixel shift.
void DrawShape(TBitmap& work, TPoint shift, const TRbPanelLook& look, const ShapeGeometry& g) {
  TCanvas& canvas = work.Canvas();
  canvas.Brush().SetColor(look.OuterColor);
  canvas.FillRect(Rect(0, 0, work.Width(), work.Height()));
  canvas.Pen().SetStyle(psSolid);
  canvas.Pen().SetWidth(g.penWidth);
  canvas.Pen().SetColor(look.BorderColor);
  canvas.Brush().SetColor(look.Color);
  const TRect shape = OffsetRect(Rect(g.left, g.top, g.right, g.bottom), -shift.X, -shift.Y);
  if (look.Gradient) {
    canvas.Brush().SetStyle(bsClear);
    const TRegion body =
        CreateRoundRectRgn(shape.Left, shape.Top, shape.Right, shape.Bottom, g.corner, g.corner);
    // The gradient spans the whole work picture; only a picture at its full size has it.
    DrawGradient(work, Rect(0, 0, work.Width(), work.Height()), look.DefaultFrom, look.DefaultTo,
                 look.GradientType, &body);
  }
  canvas.RoundRect(shape.Left, shape.Top, shape.Right, shape.Bottom, g.corner, g.corner);
}

// The buffer areas whose pixels the averaging keeps: everything outside the flat inside.
std::vector<TRect> SmoothedAreas(int width, int height, int halfBand) {
  const TRect inside = Rect(halfBand, halfBand, width - halfBand, height - halfBand);
  if (inside.IsEmpty()) return {Rect(0, 0, width, height)};
  std::vector<TRect> areas = {Rect(0, 0, width, halfBand), Rect(0, inside.Bottom, width, height),
                              Rect(0, halfBand, halfBand, inside.Bottom),
                              Rect(inside.Right, halfBand, width, inside.Bottom)};
  std::erase_if(areas, [](const TRect& r) { return r.IsEmpty(); });
  return areas;
}

void DrawSmoothed(TBitmap& buffer, const TRbPanelLook& look, const ShapeGeometry& g,
                  TRbPanelScratch& scratch) {
  const int f = g.factor;
  const int halfBand = PanelSmoothBand(look.CornerWidth) / 2;
  for (const TRect& area : SmoothedAreas(buffer.Width(), buffer.Height(), halfBand)) {
    // Every pixel of the work picture is drawn anew: its old contents do not matter.
    TBitmap& work = area.Width() == buffer.Width() ? scratch.Across : scratch.Down;
    work.SetSize(area.Width() * f, area.Height() * f);
    DrawShape(work, Point(area.Left * f, area.Top * f), look, g);
    AverageBlocks(work, Point(area.Left, area.Top), buffer, area, f);
  }
  TCanvas& canvas = buffer.Canvas();
  canvas.Brush().SetColor(ColorToRGB(look.Color));
  canvas.FillRect(Rect(halfBand, halfBand, buffer.Width() - halfBand, buffer.Height() - halfBand));
}

void DrawSmoothedWhole(TBitmap& buffer, const TRbPanelLook& look, const ShapeGeometry& g) {
  TBitmap work(buffer.Width() * g.factor, buffer.Height() * g.factor);
  DrawShape(work, Point(0, 0), look, g);
  AntialiasDownsample(work, buffer, g.factor, look.Color, PanelSmoothBand(look.CornerWidth));
}

}  // namespace

void DrawPanelBuffer(TBitmap& buffer, const TRbPanelLook& look, TRbPanelScratch* scratch) {
  if (buffer.Width() < 1 || buffer.Height() < 1) return;
  const ShapeGeometry g = MakeGeometry(look, buffer.Width(), buffer.Height());
  buffer.Canvas().ResetClip();
  if (!look.Antialiased)
    DrawShape(buffer, Point(0, 0), look, g);
  else if (look.Gradient)
    DrawSmoothedWhole(buffer, look, g);
  else if (scratch)
    DrawSmoothed(buffer, look, g, *scratch);
  else {
    TRbPanelScratch local;
    DrawSmoothed(buffer, look, g, local);
  }
}
