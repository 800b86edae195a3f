#include "pictures/GifDib.h"

#include <algorithm>

#include "pictures/GifSettings.h"
#include "platform/core/Exception.h"

namespace {

void PutU16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}
void PutU32(std::uint8_t* p, std::uint32_t v) {
  PutU16(p, v);
  PutU16(p + 2, v >> 16);
}

}  // namespace

int TGIFDib::DepthFor(int colorBits) {
  if (colorBits == 1) return 1;
  if (colorBits >= 2 && colorBits <= 4) return 4;
  if (colorBits >= 5 && colorBits <= 8) return 8;
  throw EInvalidGraphic("Wrong number of colors; must be a power of 2");
}

std::size_t TGIFDib::ImageBytes(int width, int height, int colorBits) {
  const int depth = colorBits >= 1 && colorBits <= 8 ? DepthFor(colorBits) : 8;
  const std::size_t stride = (static_cast<std::size_t>(width) * depth + 31) / 32 * 4;
  return stride * static_cast<std::size_t>(height);
}

TGIFDib::TGIFDib(int width, int height, int colorBits, const TGIFColorTable& table)
    : width_(width), height_(height), depth_(DepthFor(colorBits)) {
  stride_ = (static_cast<std::size_t>(width) * static_cast<std::size_t>(depth_) + 31) / 32 * 4;
  const std::size_t imageSize = stride_ * static_cast<std::size_t>(height);
  if (imageSize > GIFMaxImageBytes()) throw EInvalidGraphic("GIF image is too large");
  fileSize_ = pixelOffset() + imageSize;
  file_.reset(static_cast<std::uint8_t*>(std::calloc(fileSize_, 1)));
  if (!file_) throw EInvalidGraphic("GIF image is too large");
  writeHeaders(imageSize);
  writePalette(table);
}

void TGIFDib::writeHeaders(std::size_t imageSize) {
  std::uint8_t* h = file_.get();
  h[0] = 'B';
  h[1] = 'M';
  PutU32(h + 2, static_cast<std::uint32_t>(fileSize_));
  PutU32(h + 10, static_cast<std::uint32_t>(pixelOffset()));
  std::uint8_t* info = h + 14;
  PutU32(info, 40);
  PutU32(info + 4, static_cast<std::uint32_t>(width_));
  PutU32(info + 8, static_cast<std::uint32_t>(height_));
  PutU16(info + 12, 1);
  PutU16(info + 14, static_cast<std::uint32_t>(depth_));
  PutU32(info + 20, static_cast<std::uint32_t>(imageSize));
}

void TGIFDib::writePalette(const TGIFColorTable& table) {
  for (std::size_t i = 0; i < palette_.size(); ++i) {
    const auto& c = table.Colors[i];
    palette_[i] = i < table.Count ? std::array<std::uint8_t, 4>{c[2], c[1], c[0], 0}
                                  : std::array<std::uint8_t, 4>{128, 128, 128, 128};
  }
  std::uint8_t* p = file_.get() + kHeadersSize;
  for (int i = 0; i < PaletteSize(); ++i, p += 4)
    std::copy_n(palette_[static_cast<std::size_t>(i)].begin(), 4, p);
}

int TGIFDib::PixelIndex(int x, int y) const {
  const std::uint8_t* row = ScanLine(y);
  switch (depth_) {
    case 8:
      return row[x];
    case 4:
      return (x & 1) ? row[x / 2] & 0x0F : row[x / 2] >> 4;
    default:
      return (row[x / 8] >> (7 - x % 8)) & 1;
  }
}
