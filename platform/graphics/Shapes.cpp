// Filled shapes with the classic desktop's geometry: rounded rectangles and ellipses from one
// shape rule (shared with the regions), polygons filled by the alternate rule, regions, and the
// 3-D frames and edges of the classic controls.
#include <algorithm>
#include <cmath>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/qt/CanvasRaster.h"
#include "platform/qt/QtBridge.h"
#include "platform/graphics/Region.h"

namespace {

struct Interval {
  int x0 = 0;
  int x1 = 0;  // exclusive
  bool Empty() const { return x1 <= x0; }
};

// Row y's interval of a shape given as spans sorted by row; empty when the row is outside.
class SpanRows {
 public:
  explicit SpanRows(std::vector<TSpan> spans) : spans_(std::move(spans)) {}
  Interval Row(int y) const {
    if (spans_.empty() || y < spans_.front().y || y > spans_.back().y) return {};
    const TSpan& s = spans_[static_cast<std::size_t>(y - spans_.front().y)];
    return {s.x0, s.x1};
  }
  const std::vector<TSpan>& Spans() const { return spans_; }

 private:
  std::vector<TSpan> spans_;  // one per row, consecutive rows (RoundBoxSpans keeps them so)
};

// RoundBoxSpans leaves out rows that are empty; pad them so that rows are consecutive.
std::vector<TSpan> ConsecutiveRows(std::vector<TSpan> spans) {
  if (spans.empty()) return spans;
  std::vector<TSpan> rows;
  rows.reserve(static_cast<std::size_t>(spans.back().y - spans.front().y + 1));
  for (const TSpan& s : spans) {
    while (!rows.empty() && rows.back().y + 1 < s.y) rows.push_back({rows.back().y + 1, 0, 0});
    rows.push_back(s);
  }
  return rows;
}

SpanRows RoundBox(int left, int top, int right, int bottom, int ew, int eh) {
  return SpanRows(ConsecutiveRows(RoundBoxSpans(left, top, right, bottom, ew, eh)));
}

Interval Intersect(Interval a, Interval b) {
  return {std::max(a.x0, b.x0), std::min(a.x1, b.x1)};
}

}  // namespace

void TCanvas::RoundRect(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  ellipseWidth = std::abs(ellipseWidth);
  ellipseHeight = std::abs(ellipseHeight);
  PixelTarget target(*this);
  if (!target.Valid()) return;
  const bool fill = brush_.Style() != bsClear;
  const TPaint brushPaint = BrushPaint(brush_);
  if (pen_.Style() == psClear) {
    // Without a pen the shape is one pixel smaller on the right and bottom.
    if (!fill) return;
    for (const TSpan& s :
         RoundBoxSpans(left, top, right - 1, bottom - 1, ellipseWidth, ellipseHeight))
      target.FillSpan(s.y, s.x0, s.x1, brushPaint);
    return;
  }
  const TPaint penPaint = PenPaint(pen_);
  const int width = std::max(pen_.Width(), 1);
  if (width == 1) {
    // The pen takes the shape's boundary pixels (those with a side neighbour outside it),
    // which gives a thin, connected outline; the brush fills the rest.
    const SpanRows shape = RoundBox(left, top, right, bottom, ellipseWidth, ellipseHeight);
    for (const TSpan& s : shape.Spans()) {
      const Interval row{s.x0, s.x1};
      if (row.Empty()) continue;
      Interval inside =
          Intersect(Intersect({row.x0 + 1, row.x1 - 1}, shape.Row(s.y - 1)), shape.Row(s.y + 1));
      if (inside.Empty()) {
        target.FillSpan(s.y, row.x0, row.x1, penPaint);
        continue;
      }
      target.FillSpan(s.y, row.x0, inside.x0, penPaint);
      if (fill) target.FillSpan(s.y, inside.x0, inside.x1, brushPaint);
      target.FillSpan(s.y, inside.x1, row.x1, penPaint);
    }
    return;
  }
  // A wide pen is centred on the outline (an inside-frame pen stays inside): the ring between
  // the shape grown outwards and the shape shrunk inwards, with the corner ellipses following.
  const int outer = pen_.Style() == psInsideFrame ? 0 : width / 2;
  const int inner = width - 1 - outer;
  const auto grown = [](int e, int by) { return e >= 2 ? std::max(e + 2 * by, 0) : e; };
  const SpanRows ring = RoundBox(left - outer, top - outer, right + outer, bottom + outer,
                                 grown(ellipseWidth, outer), grown(ellipseHeight, outer));
  const SpanRows hole =
      RoundBox(left + 1 + inner, top + 1 + inner, right - 1 - inner, bottom - 1 - inner,
               grown(ellipseWidth, -(1 + inner)), grown(ellipseHeight, -(1 + inner)));
  for (const TSpan& s : ring.Spans()) {
    const Interval row{s.x0, s.x1};
    if (row.Empty()) continue;
    const Interval inside = Intersect(hole.Row(s.y), row);
    if (inside.Empty()) {
      target.FillSpan(s.y, row.x0, row.x1, penPaint);
      continue;
    }
    target.FillSpan(s.y, row.x0, inside.x0, penPaint);
    if (fill) target.FillSpan(s.y, inside.x0, inside.x1, brushPaint);
    target.FillSpan(s.y, inside.x1, row.x1, penPaint);
  }
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  RoundRect(left, top, right, bottom, std::abs(right - left), std::abs(bottom - top));
}

namespace {

// The alternate-rule spans of a polygon: a pixel is filled when its centre is inside, a centre
// exactly on an edge counting as inside on the left and top edges only.
void FillPolygonSpans(PixelTarget& target, const std::vector<TPoint>& points, const TPaint& paint) {
  int top = points.front().Y;
  int bottom = points.front().Y;
  for (const TPoint& p : points) {
    top = std::min(top, p.Y);
    bottom = std::max(bottom, p.Y);
  }
  std::vector<double> crossings;
  for (int y = top; y < bottom; ++y) {
    const double yc = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const TPoint& a = points[i];
      const TPoint& b = points[(i + 1) % points.size()];
      if (a.Y == b.Y) continue;
      const bool spans = (a.Y <= yc && yc < b.Y) || (b.Y <= yc && yc < a.Y);
      if (!spans) continue;
      crossings.push_back(a.X + (yc - a.Y) * (b.X - a.X) / (b.Y - a.Y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const int x0 = static_cast<int>(std::ceil(crossings[i] - 0.5));
      const int x1 = static_cast<int>(std::ceil(crossings[i + 1] - 0.5));
      target.FillSpan(y, x0, x1, paint);
    }
  }
}

}  // namespace

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.size() < 2) return;
  {
    PixelTarget target(*this);
    if (!target.Valid()) return;
    if (brush_.Style() != bsClear && points.size() >= 3)
      FillPolygonSpans(target, points, BrushPaint(brush_));
  }
  std::vector<TPoint> closed = points;
  closed.push_back(points.front());
  Polyline(closed);
}

void TCanvas::FillRgn(const TRegion& region) {
  if (brush_.Style() == bsClear) return;
  PixelTarget target(*this);
  const TPaint paint = BrushPaint(brush_);
  for (const TRect& r : region.Rects()) target.FillRect(r, paint);
}

void TCanvas::FrameRgn(const TRegion& region, int width, int height) {
  if (brush_.Style() == bsClear || width <= 0 || height <= 0) return;
  // The frame is what remains of the region after taking away everything that still lies in
  // it when moved by the frame's width or height in each direction.
  TRegion core = region;
  const int moves[4][2] = {{width, 0}, {-width, 0}, {0, height}, {0, -height}};
  for (const auto& move : moves) {
    TRegion shifted = region;
    shifted.Offset(move[0], move[1]);
    core = core.Intersected(shifted);
  }
  FillRgn(region.Subtracted(core));
}

void TCanvas::Frame3D(TRect& rect, TColor topColor, TColor bottomColor, int width) {
  pen_.SetWidth(1);
  --rect.Bottom;
  --rect.Right;
  for (; width > 0; --width) {
    pen_.SetColor(topColor);
    Polyline(
        {Point(rect.Left, rect.Bottom), Point(rect.Left, rect.Top), Point(rect.Right, rect.Top)});
    pen_.SetColor(bottomColor);
    Polyline({Point(rect.Right, rect.Top), Point(rect.Right, rect.Bottom),
              Point(rect.Left - 1, rect.Bottom)});
    rect = InflateRect(rect, -1, -1);
  }
  ++rect.Bottom;
  ++rect.Right;
}

namespace {

struct EdgeColors {
  TColor topLeft;
  TColor bottomRight;
};

}  // namespace

void TCanvas::DrawEdge(TRect& rect, unsigned edge, unsigned flags) {
  PixelTarget target(*this);
  TRect r = rect;
  const auto ring = [&](EdgeColors colors) {
    if (r.IsEmpty()) return;
    const TPaint tl = ColorPaint(colors.topLeft);
    const TPaint br = ColorPaint(colors.bottomRight);
    // Top and left first; bottom and right after, so they own the two far corners.
    if (flags & BF_TOP) target.FillRect(Rect(r.Left, r.Top, r.Right, r.Top + 1), tl);
    if (flags & BF_LEFT) target.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom), tl);
    if (flags & BF_BOTTOM) target.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), br);
    if (flags & BF_RIGHT) target.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom), br);
    if (flags & BF_LEFT) ++r.Left;
    if (flags & BF_TOP) ++r.Top;
    if (flags & BF_RIGHT) --r.Right;
    if (flags & BF_BOTTOM) --r.Bottom;
  };
  const bool flat = flags & BF_FLAT;
  const bool mono = flags & BF_MONO;
  if (edge & BDR_OUTER) {
    if (mono)
      ring({clWindowFrame, clWindowFrame});
    else if (flat)
      ring({clBtnShadow, clBtnShadow});
    else if (edge & BDR_RAISEDOUTER)
      ring({cl3DLight, cl3DDkShadow});
    else
      ring({clBtnShadow, clBtnHighlight});
  }
  if (edge & BDR_INNER) {
    if (mono)
      ring({clWindow, clWindow});
    else if (flat)
      ring({clBtnFace, clBtnFace});
    else if (edge & BDR_RAISEDINNER)
      ring({clBtnHighlight, clBtnShadow});
    else
      ring({cl3DDkShadow, cl3DLight});
  }
  if ((flags & BF_MIDDLE) && !r.IsEmpty())
    target.FillRect(r, ColorPaint(mono ? clWindow : clBtnFace));
  if (flags & BF_ADJUST) rect = r;
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  if (rect.IsEmpty()) return;
  PixelTarget target(*this);
  TPaint invert;
  invert.mode = pmNot;
  // Every other pixel of the ring, counted along its sides.
  for (int x = rect.Left; x < rect.Right; ++x) {
    if ((x - rect.Left) % 2 == 0) target.Plot(x, rect.Top, invert);
    if ((x - rect.Left + rect.Height() - 1) % 2 == 0 && rect.Height() > 1)
      target.Plot(x, rect.Bottom - 1, invert);
  }
  for (int y = rect.Top + 1; y < rect.Bottom - 1; ++y) {
    if ((y - rect.Top) % 2 == 0) target.Plot(rect.Left, y, invert);
    if ((y - rect.Top + rect.Width() - 1) % 2 == 0 && rect.Width() > 1)
      target.Plot(rect.Right - 1, y, invert);
  }
}
