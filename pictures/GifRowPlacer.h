// Puts decoded pixel values into a frame's bitmap row by row, in the file's row order: one row
// after another, or for an interlaced frame by the four passes (every 8th row from 0, every 8th
// from 4, every 4th from 2, every 2nd from 1). Values past the last row are dropped.
#pragma once

#include <cstdint>
#include <cstring>

#include "pictures/GifDib.h"

class TGifRowPlacer {
 public:
  TGifRowPlacer(TGIFDib& dib, bool interlaced)
      : dib_(dib),
        width_(dib.Width()),
        height_(dib.Height()),
        interlaced_(interlaced),
        bytePixels_(dib.BitsPerPixel() == 8) {
    if (width_ <= 0) row_ = height_;  // nothing to fill
    if (!Done()) line_ = dib_.ScanLine(row_);
  }

  bool Done() const { return row_ >= height_; }

  // Where count values can be written straight into the current row (8 bits per pixel, the
  // row has room), or nullptr. Commit then moves past what was written.
  std::uint8_t* Reserve(int count) {
    return bytePixels_ && count <= width_ - x_ ? line_ + x_ : nullptr;
  }
  void Commit(int count) {
    x_ += count;
    if (x_ == width_) nextRow();
  }

  // Places count values (each already within the bitmap's depth).
  void Put(const std::uint8_t* values, int count) {
    while (count > 0 && !Done()) {
      const int n = count < width_ - x_ ? count : width_ - x_;
      place(values, n);
      values += n;
      count -= n;
      x_ += n;
      if (x_ == width_) nextRow();
    }
  }

 private:
  void place(const std::uint8_t* values, int n) {
    switch (dib_.BitsPerPixel()) {
      case 8:
        std::memcpy(line_ + x_, values, static_cast<std::size_t>(n));
        break;
      case 4:
        for (int i = 0, x = x_; i < n; ++i, ++x) {
          std::uint8_t& b = line_[x >> 1];
          b = (x & 1) ? static_cast<std::uint8_t>(b | values[i])
                      : static_cast<std::uint8_t>(values[i] << 4);
        }
        break;
      default:
        for (int i = 0, x = x_; i < n; ++i, ++x) {
          std::uint8_t& b = line_[x >> 3];
          const auto bit = static_cast<std::uint8_t>(values[i] << (7 - (x & 7)));
          b = (x & 7) ? static_cast<std::uint8_t>(b | bit) : bit;
        }
        break;
    }
  }

  void nextRow() {
    static constexpr int kPassStart[4] = {0, 4, 2, 1};
    static constexpr int kPassStep[4] = {8, 8, 4, 2};
    x_ = 0;
    if (!interlaced_) {
      ++row_;
    } else {
      row_ += kPassStep[pass_];
      while (row_ >= height_ && pass_ < 3) row_ = kPassStart[++pass_];
    }
    if (!Done()) line_ = dib_.ScanLine(row_);
  }

  TGIFDib& dib_;
  int width_;
  int height_;
  bool interlaced_;
  bool bytePixels_;
  int row_ = 0;
  int x_ = 0;
  int pass_ = 0;
  std::uint8_t* line_ = nullptr;
};
