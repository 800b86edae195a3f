// A cursor over the bytes of a GIF file. Every read is checked against the end: a fixed-size
// record that does not fit raises "Stream read error", and nothing is ever read past the data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "platform/core/Exception.h"

class TGifByteReader {
 public:
  explicit TGifByteReader(std::span<const std::uint8_t> data) : data_(data) {}

  bool AtEnd() const { return pos_ >= data_.size(); }
  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return data_.size() - pos_; }
  void SkipToEnd() { pos_ = data_.size(); }
  // Gives back the last count bytes taken.
  void Rewind(std::size_t count) { pos_ -= count < pos_ ? count : pos_; }

  // Exactly count bytes, or the read error.
  std::span<const std::uint8_t> Take(std::size_t count) {
    if (count > Remaining()) throw EInvalidGraphic("Stream read error");
    auto part = data_.subspan(pos_, count);
    pos_ += count;
    return part;
  }
  std::uint8_t Byte() { return Take(1)[0]; }
  std::uint16_t Word() {
    auto b = Take(2);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
  }
  // Up to count bytes: fewer only at the end of the data.
  std::span<const std::uint8_t> TakeAtMost(std::size_t count) {
    return Take(count < Remaining() ? count : Remaining());
  }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};
