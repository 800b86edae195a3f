#include "GifTestSupport.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

namespace giftest {

GifBytes& GifBytes::Header(const char* signature) {
  bytes_.insert(bytes_.end(), signature, signature + 6);
  return *this;
}

GifBytes& GifBytes::Screen(int width, int height, int packed, int background, int aspect) {
  return Raw({static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(width >> 8),
              static_cast<std::uint8_t>(height), static_cast<std::uint8_t>(height >> 8),
              static_cast<std::uint8_t>(packed), static_cast<std::uint8_t>(background),
              static_cast<std::uint8_t>(aspect)});
}

TColor TableColor(int i) {
  return RGB(static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
             static_cast<std::uint8_t>(i * 3));
}

GifBytes& GifBytes::Table(int count) {
  for (int i = 0; i < count; ++i) {
    const TColor c = TableColor(i);
    Raw({GetRValue(c), GetGValue(c), GetBValue(c)});
  }
  return *this;
}

GifBytes& GifBytes::Ext(int label, const Bytes& fixed, const std::vector<std::string>& blocks,
                        bool terminate) {
  Raw({0x21, static_cast<std::uint8_t>(label)});
  Raw(fixed);
  for (const auto& b : blocks) {
    bytes_.push_back(static_cast<std::uint8_t>(b.size()));
    bytes_.insert(bytes_.end(), b.begin(), b.end());
  }
  if (terminate) bytes_.push_back(0);
  return *this;
}

GifBytes& GifBytes::GraphicControl(int flags, int delay, int transparentIndex) {
  return Ext(
      0xF9,
      {4, static_cast<std::uint8_t>(flags), static_cast<std::uint8_t>(delay),
       static_cast<std::uint8_t>(delay >> 8), static_cast<std::uint8_t>(transparentIndex), 0},
      {}, false);
}

GifBytes& GifBytes::Comment(const std::string& text) {
  return Ext(0xFE, {}, {text});
}

GifBytes& GifBytes::Looping(const char* id, int count) {
  Bytes fixed{11};
  fixed.insert(fixed.end(), id, id + 11);
  return Ext(0xFF, fixed,
             {std::string{1, static_cast<char>(count & 0xFF), static_cast<char>(count >> 8)}});
}

GifBytes& GifBytes::Descriptor(int left, int top, int width, int height, int packed) {
  return Raw({0x2C, static_cast<std::uint8_t>(left), static_cast<std::uint8_t>(left >> 8),
              static_cast<std::uint8_t>(top), static_cast<std::uint8_t>(top >> 8),
              static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(width >> 8),
              static_cast<std::uint8_t>(height), static_cast<std::uint8_t>(height >> 8),
              static_cast<std::uint8_t>(packed)});
}

GifBytes& GifBytes::Data(const Bytes& indices, int codeSize) {
  return Raw(EncodeGifLzw(indices, codeSize));
}

GifBytes& GifBytes::Raw(const Bytes& bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  return *this;
}

Bytes PackCodes(int codeSize, const std::vector<std::pair<int, int>>& codes) {
  Bytes packed;
  std::uint32_t acc = 0;
  int bits = 0;
  for (auto [code, width] : codes) {
    acc |= static_cast<std::uint32_t>(code) << bits;
    bits += width;
    while (bits >= 8) {
      packed.push_back(static_cast<std::uint8_t>(acc));
      acc >>= 8;
      bits -= 8;
    }
  }
  if (bits) packed.push_back(static_cast<std::uint8_t>(acc));
  Bytes out{static_cast<std::uint8_t>(codeSize)};
  for (std::size_t at = 0; at < packed.size(); at += 255) {
    const std::size_t n = std::min<std::size_t>(255, packed.size() - at);
    out.push_back(static_cast<std::uint8_t>(n));
    out.insert(out.end(), packed.begin() + static_cast<long>(at),
               packed.begin() + static_cast<long>(at + n));
  }
  out.push_back(0);
  return out;
}

std::unique_ptr<TGIFImage> Load(const Bytes& bytes) {
  auto gif = std::make_unique<TGIFImage>();
  TMemoryStream stream(bytes);
  gif->LoadFromStream(stream);
  return gif;
}

std::string LoadError(const Bytes& bytes) {
  try {
    Load(bytes);
  } catch (const EInvalidGraphic& e) {
    return e.what();
  }
  return "";
}

Bytes Indices(const TGIFDib& dib) {
  Bytes out;
  for (int y = 0; y < dib.Height(); ++y)
    for (int x = 0; x < dib.Width(); ++x)
      out.push_back(static_cast<std::uint8_t>(dib.PixelIndex(x, y)));
  return out;
}

bool ParsePpm(const std::string& data, Ppm& ppm) {
  int maxValue = 0;
  int consumed = 0;
  if (std::sscanf(data.c_str(), "P6 %d %d %d%n", &ppm.Width, &ppm.Height, &maxValue, &consumed) !=
          3 ||
      maxValue != 255)
    return false;
  const std::size_t size = 3 * static_cast<std::size_t>(ppm.Width) * ppm.Height;
  const std::size_t at = static_cast<std::size_t>(consumed) + 1;  // one whitespace byte
  if (data.size() != at + size) return false;
  ppm.Pixels = data.substr(at);
  return true;
}

bool ReadPpm(const std::string& fileName, Ppm& ppm) {
  return ParsePpm(ReadFile(fileName), ppm);
}

}  // namespace giftest
