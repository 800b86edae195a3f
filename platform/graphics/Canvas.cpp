#include "platform/graphics/Canvas.h"

#include <algorithm>
#include <cstdlib>

#include "platform/graphics/Bitmap.h"
#include "platform/qt/CanvasRaster.h"
#include "platform/qt/QtBridge.h"
#include "platform/graphics/Region.h"

// --- Pen and brush.

void TPen::Changed() {
  if (OnChange) OnChange();
}
void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}
void TPen::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  Changed();
}
void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}
void TPen::SetMode(TPenMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  Changed();
}
void TPen::Assign(const TPen& source) {
  if (this == &source) return;
  color_ = source.color_;
  width_ = source.width_;
  style_ = source.style_;
  mode_ = source.mode_;
  Changed();
}

void TBrush::Changed() {
  ++version_;
  if (OnChange) OnChange();
}
void TBrush::SetColor(TColor color) {
  if (color == color_ && style_ == bsSolid) return;
  color_ = color;
  style_ = bsSolid;
  Changed();
}
void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}
void TBrush::SetBitmap(const TBitmap* bitmap) {
  if (bitmap == bitmap_) return;
  bitmap_ = bitmap;
  Changed();
}
void TBrush::Assign(const TBrush& source) {
  if (this == &source) return;
  color_ = source.color_;
  style_ = source.style_;
  bitmap_ = source.bitmap_;
  Changed();
}

// --- Canvas: target, clipping, background mode.

TCanvas::TCanvas(TBitmap* bitmap) : bitmap_(bitmap) {}
TCanvas::~TCanvas() = default;

void TCanvas::SetBitmap(TBitmap* bitmap) {
  bitmap_ = bitmap;
}

TRect TCanvas::ClipRect() const {
  if (!bitmap_) return hasClipRect_ ? clipRect_ : TRect{};
  const std::vector<TRect> rects = Impl::ClipRects(*this);
  if (rects.empty()) return {};
  TRect bounds = rects.front();
  for (const TRect& r : rects) {
    bounds.Left = std::min(bounds.Left, r.Left);
    bounds.Top = std::min(bounds.Top, r.Top);
    bounds.Right = std::max(bounds.Right, r.Right);
    bounds.Bottom = std::max(bounds.Bottom, r.Bottom);
  }
  return bounds;
}

void TCanvas::SetClipRect(const TRect& rect) {
  clipRect_ = rect;
  hasClipRect_ = true;
}

void TCanvas::IntersectClipRect(const TRect& rect) {
  SetClipRect(hasClipRect_ ? IntersectRect(clipRect_, rect) : rect);
}

void TCanvas::SetClipRegion(const TRegion& region) {
  clipRegion_ = std::make_unique<TRegion>(region);
}

void TCanvas::ResetClip() {
  hasClipRect_ = false;
  clipRegion_.reset();
}

TBkMode TCanvas::BkMode() const {
  if (bkModeBrushVersion_ == brush_.version_) return bkMode_;
  return brush_.Style() == bsClear ? TRANSPARENT : OPAQUE;
}

void TCanvas::SetBkMode(TBkMode mode) {
  bkMode_ = mode;
  bkModeBrushVersion_ = brush_.version_;
}

// --- Pixels.

TColor TCanvas::Pixels(int x, int y) const {
  if (!bitmap_ || x < 0 || y < 0 || x >= bitmap_->Width() || y >= bitmap_->Height())
    return CLR_INVALID;
  const QRgb p = reinterpret_cast<const QRgb*>(QtImage(*bitmap_).constScanLine(y))[x];
  return RGB(std::uint8_t(qRed(p)), std::uint8_t(qGreen(p)), std::uint8_t(qBlue(p)));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  if (color == clNone || color == clDefault) return;
  PixelTarget target(*this);
  target.Plot(x, y, ColorPaint(color));
}

// --- Rectangles.

void TCanvas::FillRect(const TRect& rect) {
  if (brush_.Style() == bsClear) return;
  PixelTarget target(*this);
  target.FillRect(rect, BrushPaint(brush_));
}

void TCanvas::FrameRect(const TRect& rect) {
  if (brush_.Style() == bsClear || rect.IsEmpty()) return;
  PixelTarget target(*this);
  const TPaint paint = BrushPaint(brush_);
  target.FillRect(Rect(rect.Left, rect.Top, rect.Right, rect.Top + 1), paint);
  target.FillRect(Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom), paint);
  target.FillRect(Rect(rect.Left, rect.Top + 1, rect.Left + 1, rect.Bottom - 1), paint);
  target.FillRect(Rect(rect.Right - 1, rect.Top + 1, rect.Right, rect.Bottom - 1), paint);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  PixelTarget target(*this);
  const bool penVisible = pen_.Style() != psClear;
  const bool fill = brush_.Style() != bsClear;
  if (!penVisible) {
    // Without a pen the filled area is one pixel smaller on the right and bottom.
    if (fill) target.FillRect(Rect(left, top, right - 1, bottom - 1), BrushPaint(brush_));
    return;
  }
  const int width = std::max(pen_.Width(), 1);
  // The pen is centred on the outermost pixels; an inside-frame pen stays inside.
  int outer = width / 2;
  if (pen_.Style() == psInsideFrame) outer = 0;
  const int inner = width - 1 - outer;
  const TRect o = Rect(left - outer, top - outer, right + outer, bottom + outer);
  const TRect i = Rect(left + 1 + inner, top + 1 + inner, right - 1 - inner, bottom - 1 - inner);
  if (fill && !i.IsEmpty()) target.FillRect(i, BrushPaint(brush_));
  if (o.IsEmpty()) return;
  if (pen_.Style() != psSolid && pen_.Style() != psInsideFrame && width == 1) {
    Polyline({Point(left, top), Point(right - 1, top), Point(right - 1, bottom - 1),
              Point(left, bottom - 1), Point(left, top)});
    return;
  }
  const TPaint paint = PenPaint(pen_);
  if (i.IsEmpty()) {
    target.FillRect(o, paint);
    return;
  }
  target.FillRect(Rect(o.Left, o.Top, o.Right, i.Top), paint);
  target.FillRect(Rect(o.Left, i.Bottom, o.Right, o.Bottom), paint);
  target.FillRect(Rect(o.Left, i.Top, i.Left, i.Bottom), paint);
  target.FillRect(Rect(i.Right, i.Top, o.Right, i.Bottom), paint);
}

// --- Pictures.

void TCanvas::Draw(int x, int y, TGraphic& graphic) {
  if (graphic.Empty()) return;
  graphic.Draw(*this, Rect(x, y, x + graphic.Width(), y + graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic& graphic) {
  if (graphic.Empty()) return;
  graphic.Draw(*this, rect);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& srcRect) {
  if (!source.bitmap_ || source.bitmap_->Empty()) return;
  if (source.bitmap_ == bitmap_) {
    // Copying within one bitmap reads from a snapshot, so overlapping areas copy cleanly.
    const TBitmap snapshot(*source.bitmap_);
    StretchCopy(dest, snapshot, srcRect);
    return;
  }
  StretchCopy(dest, *source.bitmap_, srcRect);
}

namespace {

// One axis of a stretched copy: a rectangle's edges give a start pixel and a signed length;
// a reversed rectangle (right < left) runs backwards from its left edge.
struct Axis {
  int start;
  int length;  // negative: mirrored
  int Pixel(int k) const { return length >= 0 ? start + k : start - k; }
  int Count() const { return std::abs(length); }
};

Axis DestAxis(int from, int to) {
  return {from, to - from};
}

}  // namespace

void TCanvas::StretchCopy(const TRect& dest, const TBitmap& source, const TRect& srcRect,
                          TColor transparentColor) {
  if (source.Empty()) return;
  PixelTarget target(*this);
  if (!target.Valid()) return;
  const Axis dx = DestAxis(dest.Left, dest.Right);
  const Axis dy = DestAxis(dest.Top, dest.Bottom);
  const Axis sx = DestAxis(srcRect.Left, srcRect.Right);
  const Axis sy = DestAxis(srcRect.Top, srcRect.Bottom);
  if (dx.Count() == 0 || dy.Count() == 0 || sx.Count() == 0 || sy.Count() == 0) return;
  const bool keyed = transparentColor != clNone && transparentColor != clDefault;
  const QRgb key = keyed ? QtPixel(transparentColor) & 0x00FFFFFF : 0;
  const QImage& src = QtImage(source);
  QImage& dst = target.Image();
  const bool sameSize = dx.Count() == sx.Count() && dy.Count() == sy.Count();
  // Each destination column maps to a source column once; rows likewise.
  std::vector<int> columns(static_cast<std::size_t>(dx.Count()));
  for (int k = 0; k < dx.Count(); ++k) {
    const int s = sameSize ? k : static_cast<int>(std::int64_t(k) * sx.Count() / dx.Count());
    columns[static_cast<std::size_t>(k)] = sx.Pixel(s);
  }
  for (const TRect& clip : target.Clip()) {
    for (int j = 0; j < dy.Count(); ++j) {
      const int y = dy.Pixel(j);
      if (y < clip.Top || y >= clip.Bottom) continue;
      const int s = sameSize ? j : static_cast<int>(std::int64_t(j) * sy.Count() / dy.Count());
      const int srcY = sy.Pixel(s);
      if (srcY < 0 || srcY >= src.height()) continue;
      const auto* srcRow = reinterpret_cast<const QRgb*>(src.constScanLine(srcY));
      auto* dstRow = reinterpret_cast<QRgb*>(dst.scanLine(y));
      for (int k = 0; k < dx.Count(); ++k) {
        const int x = dx.Pixel(k);
        const int srcX = columns[static_cast<std::size_t>(k)];
        if (x < clip.Left || x >= clip.Right || srcX < 0 || srcX >= src.width()) continue;
        const QRgb p = srcRow[srcX];
        if (keyed && (p & 0x00FFFFFF) == key) continue;
        dstRow[x] = p | 0xFF000000u;
      }
    }
  }
}
