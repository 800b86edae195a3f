#include "pictures/GifLzw.h"

#include <array>
#include <cstring>
#include <memory>

#include "pictures/GifCodeReader.h"
#include "pictures/GifRowPlacer.h"
#include "platform/core/Exception.h"

namespace {

constexpr int kTableSize = 4096;
constexpr int kMaxCodeWidth = 12;
// A chain has at most kTableSize links, plus the repeated first character and the final one.
constexpr int kStackSize = kTableSize + 4;

// Sends the percentage of compressed data consumed, only when it has changed.
class TProgressTicker {
 public:
  TProgressTicker(const TGifProgressFn& fn, const TGifCodeReader& reader)
      : fn_(fn), reader_(reader) {}
  void Tick() {
    if (!fn_ || reader_.Total() == 0) return;
    const int percent = static_cast<int>(reader_.Consumed() * 100 / reader_.Total());
    if (percent != last_) fn_(last_ = percent);
  }

 private:
  const TGifProgressFn& fn_;
  const TGifCodeReader& reader_;
  int last_ = -1;
};

class TLzwDecoder {
 public:
  TLzwDecoder(int codeSize, int colorBits, bool tolerant)
      : codeSize_(codeSize),
        clear_(1 << codeSize),
        end_(clear_ + 1),
        firstFree_(clear_ + 2),
        pixelMask_((1 << colorBits) - 1),
        tolerant_(tolerant) {
    for (int c = 0; c < clear_; ++c) length_[static_cast<std::size_t>(c)] = 1;
    restart();
  }

  // Runs until the end code, a full picture, the end of the data or a broken chain. Returns
  // true when the data was damaged.
  bool Run(TGifCodeReader& reader, TGifRowPlacer& placer, TProgressTicker& ticker) {
    int code;
    if (!reader.Read(width_, code)) return !placer.Done();
    while (code != end_ && !placer.Done()) {
      if (code == clear_) {
        restart();
      } else if (prev_ < 0) {
        startString(code, placer);
      } else if (!continueString(code, placer)) {
        return true;
      }
      if (!reader.Read(width_, code)) return !placer.Done();
      ticker.Tick();
    }
    return false;
  }

 private:
  void restart() {
    width_ = codeSize_ + 1;
    limit_ = 1 << width_;
    nextFree_ = firstFree_;
    full_ = false;
    prev_ = -1;
  }

  // The first code after a clear stands for itself.
  void startString(int code, TGifRowPlacer& placer) {
    prev_ = code;
    first_ = static_cast<std::uint8_t>(code & pixelMask_);
    placer.Put(&first_, 1);
  }

  // Emits the string of code and adds the table entry it implies; false on a broken chain.
  // Every code below the clear code stands for itself (masked to the table): encoders may
  // choose a code size below the table's bits, and then codes above the table's last index
  // are strings, not pixels.
  bool continueString(int code, TGifRowPlacer& placer) {
    if (!writeDirect(code, placer) && !writeThroughStack(code, placer)) return false;
    addEntry();
    prev_ = code;
    return true;
  }

  // The common case, written straight into the row from its end: a string whose length is
  // known and fits the row. The walk checks each link as the stack walk does; a chain that
  // does not end on a literal exactly at the row position is damaged data, and the bytes
  // written are cleared again for the stack walk to judge.
  bool writeDirect(int code, TGifRowPlacer& placer) {
    const bool repeat = code >= nextFree_;
    const int length = repeat ? length_[static_cast<std::size_t>(prev_)] + 1
                              : length_[static_cast<std::size_t>(code)];
    if (length <= 0 || length > kTableSize) return false;
    std::uint8_t* const start = placer.Reserve(length);
    if (!start) return false;
    std::uint8_t* p = start + length - 1;
    int c = code;
    if (repeat) {
      *p-- = first_;
      c = prev_;
    }
    while (c >= clear_ && p > start) {
      *p-- = suffix_[static_cast<std::size_t>(c)];
      c = prefix_[static_cast<std::size_t>(c)];
    }
    if (c >= clear_ || p != start) {
      std::memset(start, 0, static_cast<std::size_t>(length));
      return false;
    }
    first_ = static_cast<std::uint8_t>(c & pixelMask_);
    *start = first_;
    placer.Commit(length);
    return true;
  }

  bool writeThroughStack(int code, TGifRowPlacer& placer) {
    std::uint8_t* top = stack_.data() + kStackSize;
    std::uint8_t* sp = top;
    if (code >= nextFree_) {  // the string being defined: previous string + its first char
      *--sp = first_;
      code = prev_;
    }
    int links = 0;
    while (code >= clear_) {
      if (++links > kTableSize) return brokenChain();
      *--sp = suffix_[static_cast<std::size_t>(code)];
      code = prefix_[static_cast<std::size_t>(code)];
    }
    first_ = static_cast<std::uint8_t>(code & pixelMask_);
    *--sp = first_;
    placer.Put(sp, static_cast<int>(top - sp));
    return true;
  }

  void addEntry() {
    if (full_) return;
    const auto entry = static_cast<std::size_t>(nextFree_);
    prefix_[entry] = static_cast<std::uint16_t>(prev_);
    suffix_[entry] = first_;
    // Only a hint for the direct write; damaged data can make it anything, so keep it bounded.
    const int length = length_[static_cast<std::size_t>(prev_)] + 1;
    length_[entry] = static_cast<std::uint16_t>(length < kStackSize ? length : kStackSize);
    if (++nextFree_ >= limit_) {
      if (width_ == kMaxCodeWidth) {
        full_ = true;
      } else {
        ++width_;
        limit_ <<= 1;
      }
    }
  }

  // A chain longer than the table can only loop: the data is damaged. Decoding stops.
  bool brokenChain() {
    if (!tolerant_) throw EInvalidGraphic("GIF encoded data is corrupt");
    return false;
  }

  const int codeSize_;
  const int clear_;
  const int end_;
  const int firstFree_;
  const int pixelMask_;
  const bool tolerant_;
  int width_ = 0;
  int limit_ = 0;
  int nextFree_ = 0;
  bool full_ = false;
  int prev_ = -1;
  std::uint8_t first_ = 0;
  std::array<std::uint16_t, kTableSize> prefix_{};
  std::array<std::uint8_t, kTableSize> suffix_{};
  std::array<std::uint16_t, kTableSize> length_{};  // string lengths, for the direct write
  std::array<std::uint8_t, kStackSize> stack_{};
};

}  // namespace

bool DecodeGifImage(std::span<const std::uint8_t> imageData, int colorBits, bool interlaced,
                    bool tolerant, TGIFDib& dib, const TGifProgressFn& progress) {
  TGifRowPlacer placer(dib, interlaced);
  if (imageData.empty()) return !placer.Done();
  bool corrupted = false;
  int codeSize = imageData[0];
  if (codeSize < 2 || codeSize > 9) {
    if (!tolerant) throw EInvalidGraphic("GIF code size not in range 2 to 9");
    corrupted = true;
    codeSize = codeSize < 2 ? 2 : 9;
  }
  TGifCodeReader reader(imageData.subspan(1));
  TProgressTicker ticker(progress, reader);
  auto decoder = std::make_unique<TLzwDecoder>(codeSize, colorBits, tolerant);
  return decoder->Run(reader, placer, ticker) || corrupted;
}
