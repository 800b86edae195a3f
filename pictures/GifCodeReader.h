// Reads LZW codes, least significant bit first, from the data sub-blocks of a frame, in place.
// A code is only returned when all its bits are there, and no byte past the data or past a
// sub-block's stated length (when the data ends first) is ever read.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

class TGifCodeReader {
 public:
  // blocks: length-prefixed sub-blocks, ended by a zero length or the end of the span.
  explicit TGifCodeReader(std::span<const std::uint8_t> blocks)
      : start_(blocks.data()), p_(start_), blockEnd_(start_), end_(start_ + blocks.size()) {}

  // The next code of the given width; false when the data ends first.
  bool Read(int width, int& code) {
    if (bits_ < width) {
      refill();
      if (bits_ < width) return false;
    }
    code = static_cast<int>(acc_ & ((1u << width) - 1));
    acc_ >>= width;
    bits_ -= width;
    return true;
  }

  std::size_t Consumed() const { return static_cast<std::size_t>(p_ - start_); }
  std::size_t Total() const { return static_cast<std::size_t>(end_ - start_); }

 private:
  void refill() {
    while (bits_ < 56) {
      if (p_ == blockEnd_ && !nextBlock()) return;
      if constexpr (std::endian::native == std::endian::little) {
        if (blockEnd_ - p_ >= 8) {
          // Eight bytes of the block at once; those that do not fit wholly are loaded again
          // next time at the same place, so the partial bits above are the right ones.
          std::uint64_t word;
          std::memcpy(&word, p_, 8);
          acc_ |= word << bits_;
          const int take = (63 - bits_) >> 3;
          p_ += take;
          bits_ += take * 8;
          continue;
        }
      }
      acc_ |= std::uint64_t{*p_++} << bits_;
      bits_ += 8;
    }
  }

  // Steps over the next length byte; false at the terminator or the end of the data.
  bool nextBlock() {
    if (p_ >= end_) return false;
    const std::size_t length = *p_++;
    if (length == 0) {
      end_ = blockEnd_ = p_;
      return false;
    }
    const auto left = static_cast<std::size_t>(end_ - p_);
    blockEnd_ = p_ + (length < left ? length : left);
    return p_ < blockEnd_;
  }

  const std::uint8_t* start_;
  const std::uint8_t* p_;
  const std::uint8_t* blockEnd_;
  const std::uint8_t* end_;
  std::uint64_t acc_ = 0;
  int bits_ = 0;
};
