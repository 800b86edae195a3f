// Internal to the canvas files: exact pixel work on a canvas's bitmap, clipped to the canvas's
// clip area. The classic conventions (end pixels left out, right and bottom excluded) are
// decided by the callers; this layer only fills spans and plots pixels.
#pragma once

#include <QImage>
#include <QPainter>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Region.h"

// What a pen or a brush puts into a pixel.
struct TPaint {
  QRgb color = 0xFF000000;
  const QImage* pattern = nullptr;  // tiled from the bitmap's origin instead of color
  TPenMode mode = pmCopy;
};

struct TCanvas::Impl {
  // The bitmap's bounds narrowed by the clip rectangle and the clip region, as rectangles.
  static std::vector<TRect> ClipRects(const TCanvas& canvas);
};

class PixelTarget {
 public:
  explicit PixelTarget(TCanvas& canvas);
  // Drawing changed the bitmap: its listeners (a picture, a control) hear it now.
  ~PixelTarget();
  PixelTarget(const PixelTarget&) = delete;
  PixelTarget& operator=(const PixelTarget&) = delete;
  bool Valid() const { return image_ != nullptr; }
  QImage& Image() { return *image_; }
  const std::vector<TRect>& Clip() const { return clip_; }

  bool InClip(int x, int y) const;
  void Plot(int x, int y, const TPaint& paint);
  // Pixels x0..x1-1 of row y.
  void FillSpan(int y, int x0, int x1, const TPaint& paint);
  void FillRect(const TRect& rect, const TPaint& paint);
  // A painter on the bitmap with the canvas's clip and antialiasing off, for text and wide
  // pens (what Qt draws the same way as the classic desktop).
  void BeginPainter(QPainter& painter);

 private:
  void WriteSpan(QRgb* row, int y, int x0, int x1, const TPaint& paint);

  TBitmap* bitmap_ = nullptr;
  QImage* image_ = nullptr;
  std::vector<TRect> clip_;
};

TPaint BrushPaint(const TBrush& brush);
TPaint PenPaint(const TPen& pen);
TPaint ColorPaint(TColor color);

// The rows of a rounded box l..r-1 x t..b-1: each row's first pixel and the pixel after its last.
struct TSpan {
  int y;
  int x0;
  int x1;
};
std::vector<TSpan> RoundBoxSpans(int left, int top, int right, int bottom, int ellipseWidth,
                                 int ellipseHeight);
