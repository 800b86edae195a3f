// Regions: sets of pixels made of rectangles and rounded shapes, used to clip drawing and as
// window masks. A region is a value: copying it copies the shape.
//
// Extent conventions, as the classic region functions have them:
//   CreateRectRgn(l, t, r, b)              pixels l..r-1, t..b-1
//   CreateRoundRectRgn(l, t, r, b, w, h)   pixels l..r-2, t..b-2: the shape RoundRect draws on
//                                          (l, t, r-1, b-1). A window W x H is therefore given the
//                                          region CreateRoundRectRgn(0, 0, W + 1, H + 1, w, h).
//   CreateEllipticRgn(l, t, r, b)          as CreateRoundRectRgn with the whole box as ellipse.
#pragma once

#include <memory>
#include <vector>

#include "platform/core/Types.h"

class TRegion {
 public:
  TRegion();  // empty
  explicit TRegion(const TRect& rect);
  TRegion(const TRegion& other);
  TRegion(TRegion&& other) noexcept;
  TRegion& operator=(const TRegion& other);
  TRegion& operator=(TRegion&& other) noexcept;
  ~TRegion();

  bool IsEmpty() const;
  // The smallest rectangle holding the region (GetRgnBox); empty for an empty region.
  TRect BoundsRect() const;
  bool Contains(int x, int y) const;
  // The region as non-overlapping rectangles, top to bottom, left to right.
  std::vector<TRect> Rects() const;
  void Offset(int dx, int dy);

  TRegion United(const TRegion& other) const;
  TRegion Intersected(const TRegion& other) const;
  TRegion Subtracted(const TRegion& other) const;
  TRegion Xored(const TRegion& other) const;

  bool operator==(const TRegion& other) const;

  struct Impl;
  Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

enum TRegionCombine { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
// Result kinds of CombineRgn, as the classic call returns them.
enum { NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

TRegion CreateRectRgn(int left, int top, int right, int bottom);
TRegion CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth,
                           int ellipseHeight);
TRegion CreateEllipticRgn(int left, int top, int right, int bottom);
// dest := a <mode> b (RGN_COPY copies a); returns NULLREGION, SIMPLEREGION or COMPLEXREGION.
int CombineRgn(TRegion& dest, const TRegion& a, const TRegion& b, TRegionCombine mode);
bool PtInRegion(const TRegion& region, int x, int y);

// The pixel rows of a rounded rectangle covering l..r-1, t..b-1 (right and bottom excluded):
// for row t + i, the pixels from l + inset[i] to r - inset[i] (exclusive). The drawing layer's
// RoundRect and Ellipse and the regions above all use this one shape.
std::vector<int> RoundRectInsets(int width, int height, int ellipseWidth, int ellipseHeight);
