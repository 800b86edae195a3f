#include "pictures/GifWriter.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>

namespace {

constexpr int kMaxCodes = 4096;

// Packs codes least significant bit first into 255-byte sub-blocks.
class TCodeWriter {
 public:
  explicit TCodeWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  void Put(int code, int width) {
    acc_ |= static_cast<std::uint32_t>(code) << bits_;
    bits_ += width;
    while (bits_ >= 8) {
      byte(static_cast<std::uint8_t>(acc_));
      acc_ >>= 8;
      bits_ -= 8;
    }
  }
  void Finish() {
    if (bits_ > 0) byte(static_cast<std::uint8_t>(acc_));
    flushBlock();
    out_.push_back(0);
  }

 private:
  void byte(std::uint8_t b) {
    block_[blockLength_++] = b;
    if (blockLength_ == 255) flushBlock();
  }
  void flushBlock() {
    if (blockLength_ == 0) return;
    out_.push_back(static_cast<std::uint8_t>(blockLength_));
    out_.insert(out_.end(), block_.begin(), block_.begin() + blockLength_);
    blockLength_ = 0;
  }

  std::vector<std::uint8_t>& out_;
  std::uint32_t acc_ = 0;
  int bits_ = 0;
  std::array<std::uint8_t, 255> block_{};
  int blockLength_ = 0;
};

// The string table as an open-addressed hash from (prefix code, next index) to code.
class TStringTable {
 public:
  void Clear() { keys_.fill(kEmpty); }
  int Find(int prefix, int index) const {
    const std::uint32_t key = key_of(prefix, index);
    for (std::uint32_t slot = hash(key);; slot = (slot + 1) & kMask) {
      if (keys_[slot] == kEmpty) return -1;
      if (keys_[slot] == key) return codes_[slot];
    }
  }
  void Add(int prefix, int index, int code) {
    const std::uint32_t key = key_of(prefix, index);
    std::uint32_t slot = hash(key);
    while (keys_[slot] != kEmpty) slot = (slot + 1) & kMask;
    keys_[slot] = key;
    codes_[slot] = static_cast<std::uint16_t>(code);
  }

 private:
  static constexpr std::uint32_t kSize = 1 << 14;
  static constexpr std::uint32_t kMask = kSize - 1;
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
  static std::uint32_t key_of(int prefix, int index) {
    return static_cast<std::uint32_t>(prefix) << 8 | static_cast<std::uint32_t>(index);
  }
  static std::uint32_t hash(std::uint32_t key) { return (key * 2654435761u) >> 18 & kMask; }

  std::array<std::uint32_t, kSize> keys_{};
  std::array<std::uint16_t, kSize> codes_{};
};

void PutWord(std::vector<std::uint8_t>& out, int value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

int TableBits(std::uint32_t count) {
  int bits = 1;
  while ((1u << bits) < count && bits < 8) ++bits;
  return bits;
}

void PutTable(std::vector<std::uint8_t>& out, const TGIFColorTable& table) {
  const std::uint32_t count = 1u << TableBits(table.Count);
  for (std::uint32_t i = 0; i < count; ++i)
    out.insert(out.end(), table.Colors[i].begin(), table.Colors[i].end());
}

void PutSubBlocks(std::vector<std::uint8_t>& out, const std::string& data) {
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t n = std::min<std::size_t>(255, data.size() - at);
    out.push_back(static_cast<std::uint8_t>(n));
    out.insert(out.end(), data.begin() + static_cast<long>(at),
               data.begin() + static_cast<long>(at + n));
  }
  out.push_back(0);
}

void PutComment(std::vector<std::uint8_t>& out, const std::string& text) {
  out.push_back(0x21);
  out.push_back(0xFE);
  PutSubBlocks(out, text);
}

void PutLooping(std::vector<std::uint8_t>& out, int count) {
  static const char kId[] = "NETSCAPE2.0";
  out.push_back(0x21);
  out.push_back(0xFF);
  out.push_back(11);
  for (const char c : std::string_view(kId, 11)) out.push_back(static_cast<std::uint8_t>(c));
  out.push_back(3);
  out.push_back(1);
  PutWord(out, count);
  out.push_back(0);
}

void PutGraphicControl(std::vector<std::uint8_t>& out, const TGifWriteFrame& f) {
  out.push_back(0x21);
  out.push_back(0xF9);
  out.push_back(4);
  out.push_back(static_cast<std::uint8_t>((f.Disposal & 7) << 2 | (f.TransparentIndex >= 0)));
  PutWord(out, f.DelayCs);
  out.push_back(static_cast<std::uint8_t>(f.TransparentIndex >= 0 ? f.TransparentIndex : 0));
  out.push_back(0);
}

// The frame's rows in the order an interlaced file stores them.
std::vector<std::uint8_t> InterlacedRows(const TGifWriteFrame& f) {
  std::vector<std::uint8_t> rows;
  rows.reserve(f.Indices.size());
  const int start[4] = {0, 4, 2, 1};
  const int step[4] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = start[pass]; y < f.Height; y += step[pass]) {
      auto row = f.Indices.begin() + static_cast<long>(y) * f.Width;
      rows.insert(rows.end(), row, row + f.Width);
    }
  return rows;
}

void PutFrame(std::vector<std::uint8_t>& out, const TGifWriteFrame& f,
              const TGIFColorTable& global) {
  for (const auto& c : f.Comments) PutComment(out, c);
  if (f.DelayCs || f.Disposal || f.TransparentIndex >= 0) PutGraphicControl(out, f);
  out.push_back(0x2C);
  PutWord(out, f.Left);
  PutWord(out, f.Top);
  PutWord(out, f.Width);
  PutWord(out, f.Height);
  std::uint8_t packed = f.Interlaced ? 0x40 : 0;
  if (f.LocalMap.Count)
    packed |= static_cast<std::uint8_t>(0x80 | (TableBits(f.LocalMap.Count) - 1));
  out.push_back(packed);
  if (f.LocalMap.Count) PutTable(out, f.LocalMap);
  const auto& table = f.LocalMap.Count ? f.LocalMap : global;
  const auto data =
      EncodeGifLzw(f.Interlaced ? InterlacedRows(f) : f.Indices, GifCodeSizeFor(table.Count));
  out.insert(out.end(), data.begin(), data.end());
}

}  // namespace

int GifCodeSizeFor(std::uint32_t count) {
  const int bits = TableBits(count);
  return bits < 2 ? 2 : bits;
}

std::vector<std::uint8_t> EncodeGifLzw(std::span<const std::uint8_t> indices, int codeSize) {
  std::vector<std::uint8_t> out{static_cast<std::uint8_t>(codeSize)};
  TCodeWriter writer(out);
  auto table = std::make_unique<TStringTable>();
  const int clear = 1 << codeSize;
  int width = codeSize + 1;
  int nextCode = clear + 2;
  table->Clear();
  writer.Put(clear, width);
  int prefix = -1;
  for (const std::uint8_t index : indices) {
    if (prefix < 0) {
      prefix = index;
      continue;
    }
    if (const int code = table->Find(prefix, index); code >= 0) {
      prefix = code;
      continue;
    }
    writer.Put(prefix, width);
    if (nextCode < kMaxCodes) {
      table->Add(prefix, index, nextCode);
      // The decoder widens its codes once it has defined the entry that fills this width;
      // it defines each entry one code later than the encoder does.
      if (nextCode == (1 << width) && width < 12) ++width;
      ++nextCode;
    } else {
      writer.Put(clear, width);
      table->Clear();
      width = codeSize + 1;
      nextCode = clear + 2;
    }
    prefix = index;
  }
  if (prefix >= 0) {
    writer.Put(prefix, width);
    // The decoder defines one more entry on reading this code and may widen before the end.
    if (nextCode < kMaxCodes && nextCode == (1 << width) && width < 12) ++width;
  }
  writer.Put(clear + 1, width);
  writer.Finish();
  return out;
}

std::vector<std::uint8_t> WriteGif(const TGifWritePicture& p) {
  std::vector<std::uint8_t> out;
  const char* signature = p.Version89a ? "GIF89a" : "GIF87a";
  for (const char c : std::string_view(signature, 6)) out.push_back(static_cast<std::uint8_t>(c));
  PutWord(out, p.ScreenWidth);
  PutWord(out, p.ScreenHeight);
  std::uint8_t packed = 0x70;  // 8 bits of colour resolution
  if (p.GlobalMap.Count)
    packed |= static_cast<std::uint8_t>(0x80 | (TableBits(p.GlobalMap.Count) - 1));
  out.push_back(packed);
  out.push_back(static_cast<std::uint8_t>(p.BackgroundIndex));
  out.push_back(static_cast<std::uint8_t>(p.AspectRatio));
  if (p.GlobalMap.Count) PutTable(out, p.GlobalMap);
  if (p.LoopCount >= 0) PutLooping(out, p.LoopCount);
  for (const auto& f : p.Frames) PutFrame(out, f, p.GlobalMap);
  for (const auto& c : p.TrailingComments) PutComment(out, c);
  out.push_back(0x3B);
  return out;
}
