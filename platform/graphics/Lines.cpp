// Lines as the classic desktop draws them: one-pixel lines by the Bresenham rule with the end
// pixel left out (Qt's own lines include it and depend on direction), dashes and dots counted
// along the whole polyline, wider pens with round ends and joins.
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <cstdlib>

#include "platform/graphics/Canvas.h"
#include "platform/qt/CanvasRaster.h"
#include "platform/qt/QtBridge.h"

namespace {

// On/off run lengths of the one-pixel styled pens, in pixels.
std::vector<int> DashPattern(TPenStyle style) {
  switch (style) {
    case psDash:
      return {18, 6};
    case psDot:
      return {3, 3};
    case psDashDot:
      return {9, 6, 3, 6};
    case psDashDotDot:
      return {9, 3, 3, 3, 3, 3};
    default:
      return {};
  }
}

// Draws one-pixel lines one after the other, carrying the dash position from line to line.
class ThinLineDrawer {
 public:
  ThinLineDrawer(TCanvas& canvas, PixelTarget& target)
      : target_(target),
        paint_(PenPaint(canvas.Pen())),
        pattern_(DashPattern(canvas.Pen().Style())) {
    if (canvas.BkMode() == OPAQUE && canvas.Brush().Style() != bsClear) {
      gapPaint_ = ColorPaint(canvas.Brush().Color());
      fillGaps_ = true;
    }
  }

  // Pixels from `from` towards `to`, leaving `to` out. Where the line passes exactly halfway
  // between two pixels, the upper (x-major) or left (y-major) one is taken, whichever way the
  // line runs: the classic display drivers' rule, so a line and its reverse cover the same
  // pixels apart from the ends.
  void Line(TPoint from, TPoint to) {
    const int dx = std::abs(to.X - from.X);
    const int dy = std::abs(to.Y - from.Y);
    const int sx = to.X >= from.X ? 1 : -1;
    const int sy = to.Y >= from.Y ? 1 : -1;
    if (dx > dy) {
      for (int i = 0; i < dx; ++i) Put(from.X + i * sx, from.Y + sy * MinorStep(i, dy, dx, sy));
    } else {
      for (int i = 0; i < dy; ++i) Put(from.X + sx * MinorStep(i, dx, dy, sx), from.Y + i * sy);
    }
  }

  // How far the minor coordinate has moved after i major steps: i * minor / major rounded to
  // the nearest pixel, halves towards the smaller coordinate (down in size when the minor axis
  // grows, up when it shrinks).
  static int MinorStep(int i, int minor, int major, int direction) {
    const long long towardsSmaller = direction < 0 ? 1 : 0;
    return static_cast<int>((2LL * i * minor + major - 1 + towardsSmaller) / (2LL * major));
  }

 private:
  void Put(int x, int y) {
    if (pattern_.empty()) {
      target_.Plot(x, y, paint_);
      return;
    }
    const bool on = run_ % 2 == 0;
    if (on)
      target_.Plot(x, y, paint_);
    else if (fillGaps_)
      target_.Plot(x, y, gapPaint_);
    if (++position_ >= pattern_[run_]) {
      position_ = 0;
      run_ = (run_ + 1) % pattern_.size();
    }
  }

  PixelTarget& target_;
  TPaint paint_;
  TPaint gapPaint_;
  bool fillGaps_ = false;
  std::vector<int> pattern_;
  std::size_t run_ = 0;
  int position_ = 0;
};

bool IsWide(const TPen& pen) {
  return pen.Width() > 1;
}

void DrawWidePolyline(TCanvas& canvas, PixelTarget& target, const std::vector<TPoint>& points) {
  QPainter painter;
  target.BeginPainter(painter);
  QPen pen(QtColor(canvas.Pen().Color()), canvas.Pen().Width(), Qt::SolidLine, Qt::RoundCap,
           Qt::RoundJoin);
  painter.setPen(pen);
  QPolygon polygon;
  for (const TPoint& p : points) polygon << QPoint(p.X, p.Y);
  painter.drawPolyline(polygon);
}

}  // namespace

void TCanvas::MoveTo(int x, int y) {
  penPos_ = Point(x, y);
}

void TCanvas::LineTo(int x, int y) {
  const TPoint from = penPos_;
  penPos_ = Point(x, y);
  Polyline({from, penPos_});
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  if (points.size() < 2 || pen_.Style() == psClear) return;
  PixelTarget target(*this);
  if (!target.Valid()) return;
  if (IsWide(pen_)) {
    DrawWidePolyline(*this, target, points);
    return;
  }
  ThinLineDrawer drawer(*this, target);
  for (std::size_t i = 1; i < points.size(); ++i) drawer.Line(points[i - 1], points[i]);
}
