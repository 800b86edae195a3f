#include "platform/graphics/Region.h"

#include <QRect>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "platform/qt/QtBridge.h"

struct TRegion::Impl {
  QRegion region;
};

namespace {

QRect ToQRect(const TRect& r) {
  return QRect(r.Left, r.Top, r.Width(), r.Height());
}

TRegion Wrap(QRegion region) {
  TRegion result;
  result.impl().region = std::move(region);
  return result;
}

}  // namespace

TRegion::TRegion() : impl_(std::make_unique<Impl>()) {}
TRegion::TRegion(const TRect& rect) : TRegion() {
  if (!rect.IsEmpty()) impl_->region = QRegion(ToQRect(rect));
}
TRegion::TRegion(const TRegion& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}
TRegion::TRegion(TRegion&& other) noexcept : impl_(std::make_unique<Impl>()) {
  std::swap(impl_->region, other.impl_->region);
}
TRegion& TRegion::operator=(const TRegion& other) {
  impl_->region = other.impl_->region;
  return *this;
}
TRegion& TRegion::operator=(TRegion&& other) noexcept {
  std::swap(impl_->region, other.impl_->region);
  return *this;
}
TRegion::~TRegion() = default;

bool TRegion::IsEmpty() const {
  return impl_->region.isEmpty();
}

TRect TRegion::BoundsRect() const {
  if (impl_->region.isEmpty()) return {};
  const QRect r = impl_->region.boundingRect();
  return Bounds(r.x(), r.y(), r.width(), r.height());
}

bool TRegion::Contains(int x, int y) const {
  return impl_->region.contains(QPoint(x, y));
}

std::vector<TRect> TRegion::Rects() const {
  std::vector<TRect> rects;
  for (const QRect& r : impl_->region) rects.push_back(Bounds(r.x(), r.y(), r.width(), r.height()));
  return rects;
}

void TRegion::Offset(int dx, int dy) {
  impl_->region.translate(dx, dy);
}

TRegion TRegion::United(const TRegion& other) const {
  return Wrap(impl_->region.united(other.impl_->region));
}
TRegion TRegion::Intersected(const TRegion& other) const {
  return Wrap(impl_->region.intersected(other.impl_->region));
}
TRegion TRegion::Subtracted(const TRegion& other) const {
  return Wrap(impl_->region.subtracted(other.impl_->region));
}
TRegion TRegion::Xored(const TRegion& other) const {
  return Wrap(impl_->region.xored(other.impl_->region));
}

bool TRegion::operator==(const TRegion& other) const {
  // The same pixels may be stored as different rectangles; compare the pixels.
  return impl_->region.xored(other.impl_->region).isEmpty();
}

std::vector<int> RoundRectInsets(int width, int height, int ellipseWidth, int ellipseHeight) {
  std::vector<int> insets(static_cast<std::size_t>(std::max(height, 0)), 0);
  if (width <= 0 || height <= 0) return insets;
  ellipseWidth = std::min(std::abs(ellipseWidth), width);
  ellipseHeight = std::min(std::abs(ellipseHeight), height);
  if (ellipseWidth < 2 || ellipseHeight < 2) return insets;
  // A pixel belongs to the shape when its centre lies inside the corner ellipse; computing
  // each row from the nearer edge keeps the shape symmetric top to bottom and left to right.
  const double a = ellipseWidth / 2.0;
  const double b = ellipseHeight / 2.0;
  for (int y = 0; y < height; ++y) {
    const double fromEdge = std::min(y, height - 1 - y) + 0.5;
    if (fromEdge >= b) continue;
    const double dy = (b - fromEdge) / b;
    const double halfWidth = a * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    int inset = static_cast<int>(std::ceil(a - halfWidth - 0.5 - 1e-9));
    inset = std::clamp(inset, 0, (width + 1) / 2);
    insets[static_cast<std::size_t>(y)] = inset;
  }
  return insets;
}

TRegion CreateRectRgn(int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  return TRegion(Rect(left, top, right, bottom));
}

TRegion CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth,
                           int ellipseHeight) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  // The region covers the pixels RoundRect draws on the same rectangle minus one: its right
  // and bottom edges lie one pixel further in than a rectangle region's.
  --right;
  --bottom;
  const int width = right - left;
  const int height = bottom - top;
  if (width <= 0 || height <= 0) return TRegion();
  const std::vector<int> insets = RoundRectInsets(width, height, ellipseWidth, ellipseHeight);
  // Rows of equal width become one rectangle: the straight sides are a single band.
  QList<QRect> rows;
  for (int y = 0; y < height; ++y) {
    const int inset = insets[static_cast<std::size_t>(y)];
    if (width - 2 * inset <= 0) continue;
    const QRect row(left + inset, top + y, width - 2 * inset, 1);
    if (!rows.isEmpty() && rows.back().left() == row.left() && rows.back().right() == row.right() &&
        rows.back().bottom() + 1 == row.top())
      rows.back().setBottom(row.bottom());
    else
      rows.push_back(row);
  }
  QRegion region;
  region.setRects(rows.constData(), static_cast<int>(rows.size()));
  return Wrap(region);
}

TRegion CreateEllipticRgn(int left, int top, int right, int bottom) {
  return CreateRoundRectRgn(left, top, right, bottom, std::abs(right - left),
                            std::abs(bottom - top));
}

int CombineRgn(TRegion& dest, const TRegion& a, const TRegion& b, TRegionCombine mode) {
  switch (mode) {
    case RGN_AND:
      dest = a.Intersected(b);
      break;
    case RGN_OR:
      dest = a.United(b);
      break;
    case RGN_XOR:
      dest = a.Xored(b);
      break;
    case RGN_DIFF:
      dest = a.Subtracted(b);
      break;
    case RGN_COPY:
      dest = a;
      break;
  }
  if (dest.IsEmpty()) return NULLREGION;
  return dest.impl().region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool PtInRegion(const TRegion& region, int x, int y) {
  return region.Contains(x, y);
}

const QRegion& QtRegion(const TRegion& region) {
  return region.impl().region;
}

TRegion FromQtRegion(const QRegion& region) {
  return Wrap(region);
}
