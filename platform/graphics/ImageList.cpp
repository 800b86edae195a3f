#include "platform/graphics/ImageList.h"

#include <algorithm>

#include "platform/core/Exception.h"

namespace {
TColor PixelAt(const TBitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y) + x * TBitmap::PixelStep;
  return RGB(p[TBitmap::RedOffset], p[TBitmap::GreenOffset], p[TBitmap::BlueOffset]);
}
}  // namespace

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

void TImageList::SetWidth(int value) {
  value = std::max(1, value);
  if (value == width_) return;
  width_ = value;
  Clear();
}

void TImageList::SetHeight(int value) {
  value = std::max(1, value);
  if (value == height_) return;
  height_ = value;
  Clear();
}

const TImageList::Image& TImageList::At(int index) const {
  if (index < 0 || index >= Count())
    throw Exception("Invalid image list index (" + std::to_string(index) + ")");
  return images_[static_cast<std::size_t>(index)];
}

int TImageList::AddCells(const TBitmap& image, const std::function<bool(int, int)>& shows) {
  const int first = Count();
  const int cells = std::max(1, image.Width() / width_);
  for (int cell = 0; cell < cells; ++cell) {
    Image entry{TBitmap(width_, height_),
                std::vector<bool>(static_cast<std::size_t>(width_ * height_))};
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        const int sx = cell * width_ + x;
        if (sx >= image.Width() || y >= image.Height()) continue;
        const bool show = shows(sx, y);
        entry.shown[static_cast<std::size_t>(y * width_ + x)] = show;
        if (show) entry.bitmap.Canvas().SetPixels(x, y, PixelAt(image, sx, y));
      }
    }
    images_.push_back(std::move(entry));
  }
  Changed();
  return first;
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask) {
  return AddCells(image, [mask](int x, int y) {
    return !mask || x >= mask->Width() || y >= mask->Height() || PixelAt(*mask, x, y) != clWhite;
  });
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
  const TColor key = ColorToRGB(maskColor);
  return AddCells(image, [&image, key](int x, int y) { return PixelAt(image, x, y) != key; });
}

void TImageList::Delete(int index) {
  At(index);
  images_.erase(images_.begin() + index);
  Changed();
}

void TImageList::Clear() {
  if (images_.empty()) return;
  images_.clear();
  Changed();
}

bool TImageList::Opaque(int index, int x, int y) const {
  const Image& image = At(index);
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return image.shown[static_cast<std::size_t>(y * width_ + x)];
}

TBitmap TImageList::GetBitmap(int index) const {
  return At(index).bitmap;
}

void TImageList::DrawSilhouette(TCanvas& canvas, int x, int y, int index, TColor color) const {
  const Image& image = At(index);
  for (int row = 0; row < height_; ++row)
    for (int col = 0; col < width_; ++col)
      if (image.shown[static_cast<std::size_t>(row * width_ + col)])
        canvas.SetPixels(x + col, y + row, color);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (!enabled) {
    DrawSilhouette(canvas, x + 1, y + 1, index, clBtnHighlight);
    DrawSilhouette(canvas, x, y, index, clBtnShadow);
    return;
  }
  const Image& image = At(index);
  for (int row = 0; row < height_; ++row)
    for (int col = 0; col < width_; ++col)
      if (image.shown[static_cast<std::size_t>(row * width_ + col)])
        canvas.SetPixels(x + col, y + row, PixelAt(image.bitmap, col, row));
}

void TImageList::Changed() {
  OnChange.Notify(*this);
}
