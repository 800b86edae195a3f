// A decoded frame as a device-independent bitmap file held in memory: the 14-byte file header,
// the 40-byte info header, a palette of 2^depth entries and the pixel rows, bottom-up. This is
// the form the drawing layer loads, and tools and tests read pixel indices from it directly.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "pictures/GifTypes.h"

class TGIFDib {
 public:
  static constexpr std::size_t kHeadersSize = 54;

  // Bits per pixel for a frame's colour bits: 1 -> 1, 2..4 -> 4, 5..8 -> 8; anything else
  // raises "Wrong number of colors; must be a power of 2".
  static int DepthFor(int colorBits);
  // The bytes the pixels of such a bitmap take (8 bits per pixel when colorBits is unusable).
  static std::size_t ImageBytes(int width, int height, int colorBits);

  TGIFDib() = default;
  // A zeroed bitmap whose palette is the table's colours, the unused entries grey (128).
  TGIFDib(int width, int height, int colorBits, const TGIFColorTable& table);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitsPerPixel() const { return depth_; }
  std::size_t Stride() const { return stride_; }
  // Entries the bitmap file holds: 2^depth.
  int PaletteSize() const { return 1 << depth_; }
  // Entry 0..255 of the full palette as blue, green, red, reserved: the table's colours, then
  // grey (128 in all four bytes) for every index the table does not reach. The file holds
  // the first PaletteSize() of them.
  std::array<std::uint8_t, 4> PaletteEntry(int index) const {
    return palette_[static_cast<std::size_t>(index)];
  }

  // Row y counted from the top of the picture; the file keeps it at height - 1 - y.
  std::uint8_t* ScanLine(int y) {
    return pixels() + static_cast<std::size_t>(height_ - 1 - y) * stride_;
  }
  const std::uint8_t* ScanLine(int y) const {
    return pixels() + static_cast<std::size_t>(height_ - 1 - y) * stride_;
  }
  int PixelIndex(int x, int y) const;

  // The whole bitmap file.
  std::span<const std::uint8_t> FileBytes() const { return {file_.get(), fileSize_}; }

 private:
  std::size_t pixelOffset() const {
    return kHeadersSize + 4 * static_cast<std::size_t>(PaletteSize());
  }
  std::uint8_t* pixels() { return file_.get() + pixelOffset(); }
  const std::uint8_t* pixels() const { return file_.get() + pixelOffset(); }
  void writeHeaders(std::size_t imageSize);
  void writePalette(const TGIFColorTable& table);

  int width_ = 0;
  int height_ = 0;
  int depth_ = 1;
  std::size_t stride_ = 0;
  struct TFree {
    void operator()(std::uint8_t* p) const { std::free(p); }
  };

  std::array<std::array<std::uint8_t, 4>, 256> palette_{};
  // Zeroed by calloc: large bitmaps then get fresh zero pages without a pass to clear them.
  std::unique_ptr<std::uint8_t, TFree> file_;
  std::size_t fileSize_ = 0;
};
