#include "platform/qt/CanvasRaster.h"

#include <algorithm>

#include "platform/qt/QtBridge.h"

std::vector<TRect> TCanvas::Impl::ClipRects(const TCanvas& canvas) {
  std::vector<TRect> rects;
  if (!canvas.bitmap_ || canvas.bitmap_->Empty()) return rects;
  TRect bounds = Rect(0, 0, canvas.bitmap_->Width(), canvas.bitmap_->Height());
  if (canvas.hasClipRect_) bounds = IntersectRect(bounds, canvas.clipRect_);
  if (bounds.IsEmpty()) return rects;
  if (!canvas.clipRegion_) {
    rects.push_back(bounds);
    return rects;
  }
  for (const TRect& r : canvas.clipRegion_->Intersected(TRegion(bounds)).Rects())
    if (!r.IsEmpty()) rects.push_back(r);
  return rects;
}

PixelTarget::PixelTarget(TCanvas& canvas) {
  TBitmap* bitmap = canvas.Bitmap();
  if (!bitmap || bitmap->Empty()) return;
  clip_ = TCanvas::Impl::ClipRects(canvas);
  if (clip_.empty()) return;
  image_ = &QtImage(*bitmap);
  image_->bits();  // one detach now, so rows can be written directly afterwards
  bitmap_ = bitmap;
}

PixelTarget::~PixelTarget() {
  if (bitmap_) bitmap_->Modified();
}

bool PixelTarget::InClip(int x, int y) const {
  return std::any_of(clip_.begin(), clip_.end(),
                     [&](const TRect& r) { return r.Contains(Point(x, y)); });
}

void PixelTarget::WriteSpan(QRgb* row, int y, int x0, int x1, const TPaint& paint) {
  if (paint.pattern && !paint.pattern->isNull()) {
    const int pw = paint.pattern->width();
    const int ph = paint.pattern->height();
    const auto* prow = reinterpret_cast<const QRgb*>(paint.pattern->constScanLine(y % ph));
    for (int x = x0; x < x1; ++x) row[x] = prow[x % pw] | 0xFF000000u;
    return;
  }
  switch (paint.mode) {
    case pmCopy:
      std::fill(row + x0, row + x1, paint.color);
      break;
    case pmNot:
      for (int x = x0; x < x1; ++x) row[x] ^= 0x00FFFFFFu;
      break;
    case pmXor:
      for (int x = x0; x < x1; ++x) row[x] ^= paint.color & 0x00FFFFFFu;
      break;
    case pmNotXor:
      for (int x = x0; x < x1; ++x) row[x] ^= ~paint.color & 0x00FFFFFFu;
      break;
  }
}

void PixelTarget::Plot(int x, int y, const TPaint& paint) {
  if (!image_ || !InClip(x, y)) return;
  WriteSpan(reinterpret_cast<QRgb*>(image_->scanLine(y)), y, x, x + 1, paint);
}

void PixelTarget::FillSpan(int y, int x0, int x1, const TPaint& paint) {
  if (!image_ || x0 >= x1) return;
  QRgb* row = nullptr;
  for (const TRect& r : clip_) {
    if (y < r.Top || y >= r.Bottom) continue;
    const int from = std::max(x0, r.Left);
    const int to = std::min(x1, r.Right);
    if (from >= to) continue;
    if (!row) row = reinterpret_cast<QRgb*>(image_->scanLine(y));
    WriteSpan(row, y, from, to, paint);
  }
}

void PixelTarget::FillRect(const TRect& rect, const TPaint& paint) {
  if (!image_ || rect.IsEmpty()) return;
  for (const TRect& clip : clip_) {
    const TRect r = IntersectRect(rect, clip);
    if (r.IsEmpty()) continue;
    for (int y = r.Top; y < r.Bottom; ++y)
      WriteSpan(reinterpret_cast<QRgb*>(image_->scanLine(y)), y, r.Left, r.Right, paint);
  }
}

void PixelTarget::BeginPainter(QPainter& painter) {
  painter.begin(image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, true);  // the font's strategy decides
  QRegion clip;
  for (const TRect& r : clip_) clip += QRect(r.Left, r.Top, r.Width(), r.Height());
  painter.setClipRegion(clip);
}

TPaint ColorPaint(TColor color) {
  TPaint paint;
  paint.color = QtPixel(color);
  return paint;
}

TPaint BrushPaint(const TBrush& brush) {
  TPaint paint = ColorPaint(brush.Color());
  if (brush.Bitmap() && !brush.Bitmap()->Empty()) paint.pattern = &QtImage(*brush.Bitmap());
  return paint;
}

TPaint PenPaint(const TPen& pen) {
  TPaint paint = ColorPaint(pen.Color());
  paint.mode = pen.Mode();
  return paint;
}

std::vector<TSpan> RoundBoxSpans(int left, int top, int right, int bottom, int ellipseWidth,
                                 int ellipseHeight) {
  std::vector<TSpan> spans;
  const int width = right - left;
  const int height = bottom - top;
  if (width <= 0 || height <= 0) return spans;
  const std::vector<int> insets = RoundRectInsets(width, height, ellipseWidth, ellipseHeight);
  spans.reserve(insets.size());
  for (int i = 0; i < height; ++i) {
    const int inset = insets[static_cast<std::size_t>(i)];
    if (width - 2 * inset > 0) spans.push_back({top + i, left + inset, right - inset});
  }
  return spans;
}
