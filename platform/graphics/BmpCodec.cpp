#include "platform/graphics/BmpCodec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string>

#include "platform/core/Exception.h"

namespace {

enum Compression : std::uint32_t {
  kRgb = 0,
  kRle8 = 1,
  kRle4 = 2,
  kBitFields = 3,
  kAlphaBitFields = 6,
};

[[noreturn]] void Fail(const std::string& why) {
  throw EInvalidGraphic("Bitmap image is not valid: " + why);
}

// Bounds-checked little-endian reads over the file's bytes.
class ByteView {
 public:
  ByteView(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::size_t Size() const { return size_; }
  bool Has(std::size_t at, std::size_t count) const { return at <= size_ && count <= size_ - at; }
  std::uint8_t U8(std::size_t at) const {
    if (!Has(at, 1)) Fail("the file is truncated");
    return data_[at];
  }
  std::uint16_t U16(std::size_t at) const {
    return static_cast<std::uint16_t>(U8(at) | U8(at + 1) << 8);
  }
  std::uint32_t U32(std::size_t at) const {
    return std::uint32_t(U16(at)) | std::uint32_t(U16(at + 2)) << 16;
  }
  std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
  const std::uint8_t* At(std::size_t at) const { return data_ + at; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

struct Header {
  int width = 0;
  int height = 0;  // positive; topDown tells the row order
  bool topDown = false;
  int bpp = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t colorsUsed = 0;
  std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha
  std::size_t paletteAt = 0;
  int paletteEntrySize = 4;
  std::size_t pixelsAt = 0;
};

constexpr std::uint32_t Pixel(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return 0xFF000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | b;
}

Header ReadHeader(const ByteView& file) {
  if (file.Size() < 14 + 12 || file.U8(0) != 'B' || file.U8(1) != 'M')
    Fail("it does not start with a bitmap file header");
  Header h;
  const std::uint32_t pixelOffset = file.U32(10);
  const std::uint32_t infoSize = file.U32(14);
  if (infoSize < 12 || !file.Has(14, infoSize)) Fail("the bitmap header is truncated");
  std::int64_t width = 0;
  std::int64_t height = 0;
  if (infoSize == 12) {
    width = file.U16(18);
    height = file.U16(20);
    h.bpp = file.U16(24);
    h.paletteEntrySize = 3;
  } else {
    if (infoSize < 40) Fail("unsupported bitmap header size");
    width = file.I32(18);
    height = file.I32(22);
    h.bpp = file.U16(28);
    h.compression = file.U32(30);
    h.colorsUsed = file.U32(46);
  }
  if (height < 0) {
    h.topDown = true;
    height = -height;
  }
  if (width <= 0 || height <= 0) Fail("its size is zero or negative");
  if (width > 65535 || height > 65535 || width * height > kMaxBmpPixels) Fail("it is too large");
  h.width = static_cast<int>(width);
  h.height = static_cast<int>(height);

  std::size_t afterHeader = 14 + infoSize;
  if (h.compression == kBitFields || h.compression == kAlphaBitFields) {
    const int maskCount = h.compression == kAlphaBitFields ? 4 : 3;
    // Headers of 52 bytes and more hold the masks; the 40-byte header is followed by them.
    const std::size_t masksAt = infoSize >= 52 ? 14 + 40 : afterHeader;
    for (int i = 0; i < maskCount; ++i)
      h.masks[static_cast<std::size_t>(i)] = file.U32(masksAt + 4 * static_cast<std::size_t>(i));
    if (infoSize < 52) afterHeader += 4 * static_cast<std::size_t>(maskCount);
  }
  h.paletteAt = afterHeader;
  h.pixelsAt = pixelOffset >= afterHeader && pixelOffset < file.Size() ? pixelOffset : 0;
  return h;
}

std::vector<std::uint32_t> ReadPalette(const ByteView& file, const Header& h) {
  if (h.bpp > 8) return {};
  const std::size_t maxEntries = std::size_t(1) << h.bpp;
  std::size_t count = h.colorsUsed == 0 ? maxEntries : std::min<std::size_t>(h.colorsUsed, 256);
  const std::size_t entry = static_cast<std::size_t>(h.paletteEntrySize);
  // A palette cut short by the pixel data keeps the entries that are there.
  const std::size_t limit = h.pixelsAt ? h.pixelsAt : file.Size();
  if (h.paletteAt > limit) Fail("the palette is missing");
  count = std::min(count, (limit - h.paletteAt) / entry);
  if (count == 0) Fail("the palette is missing");
  std::vector<std::uint32_t> palette(std::max(count, maxEntries), Pixel(0, 0, 0));
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = h.paletteAt + i * entry;
    palette[i] = Pixel(file.U8(at + 2), file.U8(at + 1), file.U8(at));
  }
  return palette;
}

// A channel from a bit-field mask, scaled to 0..255.
std::uint8_t MaskedChannel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const std::uint32_t field = (value & mask) >> shift;
  const std::uint32_t maximum = mask >> shift;
  return static_cast<std::uint8_t>((field * 255 + maximum / 2) / maximum);
}

std::size_t PixelDataOffset(const Header& h, const std::vector<std::uint32_t>& palette) {
  if (h.pixelsAt) return h.pixelsAt;
  return h.paletteAt + palette.size() * static_cast<std::size_t>(h.paletteEntrySize);
}

void DecodeRows(const ByteView& file, const Header& h, const std::vector<std::uint32_t>& palette,
                TDecodedBmp& out) {
  const std::size_t stride = ((std::size_t(h.width) * std::size_t(h.bpp) + 31) / 32) * 4;
  const std::size_t rowBytes = (std::size_t(h.width) * std::size_t(h.bpp) + 7) / 8;
  const std::size_t at = PixelDataOffset(h, palette);
  // The last row's padding may be missing; anything shorter is damaged.
  if (!file.Has(at, stride * std::size_t(h.height - 1) + rowBytes))
    Fail("the pixel data is truncated");
  std::array<std::uint32_t, 4> masks = h.masks;
  if (h.compression == kRgb && h.bpp == 16) masks = {0x7C00, 0x03E0, 0x001F, 0};
  if (h.compression == kRgb && h.bpp == 32) masks = {0xFF0000, 0xFF00, 0xFF, 0};
  for (int row = 0; row < h.height; ++row) {
    const std::uint8_t* src = file.At(at + stride * std::size_t(row));
    const int y = h.topDown ? row : h.height - 1 - row;
    std::uint32_t* dst = out.pixels.data() + std::size_t(y) * std::size_t(h.width);
    for (int x = 0; x < h.width; ++x) {
      const std::size_t ux = static_cast<std::size_t>(x);
      switch (h.bpp) {
        case 1:
          dst[x] = palette[(src[ux / 8] >> (7 - ux % 8)) & 1];
          break;
        case 4:
          dst[x] = palette[(src[ux / 2] >> (ux % 2 ? 0 : 4)) & 0xF];
          break;
        case 8:
          dst[x] = palette[src[ux]];
          break;
        case 24:
          dst[x] = Pixel(src[ux * 3 + 2], src[ux * 3 + 1], src[ux * 3]);
          break;
        case 16: {
          const std::uint32_t v = std::uint32_t(src[ux * 2]) | std::uint32_t(src[ux * 2 + 1]) << 8;
          dst[x] = Pixel(MaskedChannel(v, masks[0]), MaskedChannel(v, masks[1]),
                         MaskedChannel(v, masks[2]));
          break;
        }
        case 32: {
          const std::uint32_t v = std::uint32_t(src[ux * 4]) | std::uint32_t(src[ux * 4 + 1]) << 8 |
                                  std::uint32_t(src[ux * 4 + 2]) << 16 |
                                  std::uint32_t(src[ux * 4 + 3]) << 24;
          dst[x] = Pixel(MaskedChannel(v, masks[0]), MaskedChannel(v, masks[1]),
                         MaskedChannel(v, masks[2]));
          break;
        }
      }
    }
  }
}

// Run-length encoded 8- and 4-bit pictures: runs, absolute runs, end of line, end of picture
// and position deltas. Pixels never written stay palette entry 0, as the classic decoder
// leaves them.
void DecodeRle(const ByteView& file, const Header& h, const std::vector<std::uint32_t>& palette,
               TDecodedBmp& out) {
  std::fill(out.pixels.begin(), out.pixels.end(), palette[0]);
  const bool four = h.compression == kRle4;
  std::size_t at = PixelDataOffset(h, palette);
  int x = 0;
  int row = 0;  // counted from the bottom unless top-down
  auto put = [&](int index) {
    if (x < h.width && row < h.height) {
      const int y = h.topDown ? row : h.height - 1 - row;
      out.pixels[std::size_t(y) * std::size_t(h.width) + std::size_t(x)] =
          palette[static_cast<std::size_t>(index)];
    }
    ++x;
  };
  while (file.Has(at, 2) && row < h.height) {
    const int count = file.U8(at);
    const int value = file.U8(at + 1);
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count && x < h.width; ++i)
        put(four ? (i % 2 ? value & 0xF : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++row;
    } else if (value == 1) {  // end of picture
      return;
    } else if (value == 2) {  // delta
      if (!file.Has(at, 2)) break;
      x += file.U8(at);
      row += file.U8(at + 1);
      at += 2;
    } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
      const std::size_t bytes = four ? (std::size_t(value) + 1) / 2 : std::size_t(value);
      if (!file.Has(at, bytes)) Fail("the pixel data is truncated");
      for (int i = 0; i < value; ++i) {
        const std::uint8_t b = file.U8(at + (four ? std::size_t(i) / 2 : std::size_t(i)));
        put(four ? (i % 2 ? b & 0xF : b >> 4) : b);
      }
      at += (bytes + 1) & ~std::size_t(1);
    }
  }
}

bool IsBlackAndWhite(const std::vector<std::uint32_t>& palette) {
  return palette.size() >= 2 &&
         ((palette[0] == Pixel(0, 0, 0) && palette[1] == Pixel(255, 255, 255)) ||
          (palette[1] == Pixel(0, 0, 0) && palette[0] == Pixel(255, 255, 255)));
}

void PutU16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  PutU16(out, at, v & 0xFFFF);
  PutU16(out, at + 2, v >> 16);
}

}  // namespace

TDecodedBmp DecodeBmp(const std::uint8_t* data, std::size_t size) {
  const ByteView file(data, size);
  const Header h = ReadHeader(file);
  const bool rle = h.compression == kRle8 || h.compression == kRle4;
  const bool fields = h.compression == kBitFields || h.compression == kAlphaBitFields;
  if (rle && h.bpp != (h.compression == kRle8 ? 8 : 4))
    Fail("its compression does not fit its depth");
  if (fields && h.bpp != 16 && h.bpp != 32) Fail("its bit fields do not fit its depth");
  if (!rle && !fields && h.compression != kRgb) Fail("its compression is not supported");
  if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32)
    Fail("it has " + std::to_string(h.bpp) + " bits per pixel");
  if (rle && h.topDown) Fail("a compressed picture cannot be stored top-down");

  const std::vector<std::uint32_t> palette = ReadPalette(file, h);
  TDecodedBmp out;
  out.width = h.width;
  out.height = h.height;
  out.bitsPerPixel = h.bpp;
  out.blackAndWhite = h.bpp == 1 && IsBlackAndWhite(palette);
  out.pixels.assign(std::size_t(h.width) * std::size_t(h.height), Pixel(0, 0, 0));
  if (rle)
    DecodeRle(file, h, palette, out);
  else
    DecodeRows(file, h, palette, out);
  return out;
}

std::vector<std::uint8_t> EncodeBmp(const std::uint32_t* pixels, int width, int height,
                                    int strideWords, bool monochrome) {
  const int bpp = monochrome ? 1 : 24;
  const std::size_t stride = ((std::size_t(width) * std::size_t(bpp) + 31) / 32) * 4;
  const std::size_t paletteSize = monochrome ? 8 : 0;
  const std::size_t offset = 14 + 40 + paletteSize;
  std::vector<std::uint8_t> out(offset + stride * std::size_t(height), 0);
  out[0] = 'B';
  out[1] = 'M';
  PutU32(out, 2, static_cast<std::uint32_t>(out.size()));
  PutU32(out, 10, static_cast<std::uint32_t>(offset));
  PutU32(out, 14, 40);
  PutU32(out, 18, static_cast<std::uint32_t>(width));
  PutU32(out, 22, static_cast<std::uint32_t>(height));
  PutU16(out, 26, 1);
  PutU16(out, 28, static_cast<std::uint32_t>(bpp));
  PutU32(out, 34, static_cast<std::uint32_t>(stride * std::size_t(height)));
  PutU32(out, 38, 3780);  // 96 dpi in pixels per metre
  PutU32(out, 42, 3780);
  if (monochrome) {
    PutU32(out, 46, 2);
    PutU32(out, 58, 0xFFFFFF);  // entry 1 white; entry 0 stays black
  }
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* src = pixels + std::size_t(y) * std::size_t(strideWords);
    std::uint8_t* dst = out.data() + offset + stride * std::size_t(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = src[x];
      if (monochrome) {
        if ((p & 0xFFFFFF) == 0xFFFFFF) dst[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      } else {
        dst[x * 3] = static_cast<std::uint8_t>(p);
        dst[x * 3 + 1] = static_cast<std::uint8_t>(p >> 8);
        dst[x * 3 + 2] = static_cast<std::uint8_t>(p >> 16);
      }
    }
  }
  return out;
}
