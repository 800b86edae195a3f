// Reading and writing BMP files, independent of any toolkit: the pixels come out and go in as
// 0xFFRRGGBB words, one row after the other, top row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct TDecodedBmp {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 24;
  bool blackAndWhite = false;         // 1 bit per pixel with a black and a white palette entry
  std::vector<std::uint32_t> pixels;  // width * height, top row first
};

// The largest picture accepted, in pixels (a full-HD screen is 2 M): bigger files are refused
// rather than allowed to exhaust memory.
inline constexpr std::int64_t kMaxBmpPixels = std::int64_t(1) << 24;

// Decodes a whole BMP file (with its 14-byte file header). Raises EInvalidGraphic with a clear
// message for anything it cannot read; never reads outside data.
TDecodedBmp DecodeBmp(const std::uint8_t* data, std::size_t size);

// A 24-bit BMP file (1-bit black and white when monochrome) of the pixels; stride in words.
std::vector<std::uint8_t> EncodeBmp(const std::uint32_t* pixels, int width, int height,
                                    int strideWords, bool monochrome);
