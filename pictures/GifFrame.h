// One image of a GIF picture: its descriptor, colour table, compressed data as read, the
// extensions that preceded it and, once asked for, its decoded bitmap.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "pictures/GifDib.h"
#include "pictures/GifTypes.h"
#include "platform/core/Types.h"
#include "platform/graphics/Color.h"

class TBitmap;
class TGIFImage;
class TGifByteReader;

class TGIFFrame {
 public:
  // The file's bytes, shared by the picture and its frames.
  using TSource = std::shared_ptr<const std::vector<std::uint8_t>>;

  explicit TGIFFrame(TGIFImage* owner) : owner_(owner) {}
  // A copy for another picture; the decoded frame is shared, as nothing changes it.
  TGIFFrame(const TGIFFrame& source, TGIFImage* owner);

  TPoint TopLeft() const { return topLeft_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Interlaced() const { return interlaced_; }
  std::uint8_t PackedFields() const { return packedFields_; }
  const TGIFColorTable& ColorMap() const { return colorMap_; }
  // 1 to 8; 0 when the picture has no colour table at all.
  int ColorBits() const { return colorBits_; }
  // The compressed data as read: a view into the file's bytes, which the frame keeps alive.
  std::span<const std::uint8_t> ImageData() const {
    return source_ ? std::span<const std::uint8_t>(*source_).subspan(dataOffset_, dataSize_)
                   : std::span<const std::uint8_t>();
  }
  const std::vector<TExtension>& Extensions() const { return extensions_; }
  TColor TransparentColor() const { return transparentColor_; }
  int AnimateInterval() const { return animateInterval_; }
  int DisposalMethod() const { return disposalMethod_; }
  bool Corrupted() const { return corrupted_; }

  // The decoded frame, made on first use and kept. Raises EInvalidGraphic when the frame
  // cannot be decoded (no colour table, a bitmap too large, damaged data with tolerance off).
  const TGIFDib& Dib() const;
  bool Decoded() const { return dib_ != nullptr; }
  // A fresh decoding that is not kept (for callers that visit many frames once).
  std::shared_ptr<const TGIFDib> Decode() const;
  // The decoded frame as the drawing layer's bitmap, made on first use and kept.
  TBitmap* Bitmap() const;

 private:
  friend class TGIFImage;
  // Reads the image descriptor, colour table and compressed data from reader, which reads
  // source. The frame's colour bits must be set first; zero sizes take the screen's.
  void Read(TGifByteReader& reader, const TSource& source, const TGIFColorTable& globalMap,
            int screenWidth, int screenHeight, std::vector<TExtension> extensions);
  void readColorTable(TGifByteReader& reader);
  void findImageData(TGifByteReader& reader);
  void applyGraphicControls();

  TGIFImage* owner_;
  TPoint topLeft_;
  int width_ = 0;
  int height_ = 0;
  bool interlaced_ = false;
  std::uint8_t packedFields_ = 0;
  TGIFColorTable colorMap_;
  int colorBits_ = 0;
  TSource source_;
  std::size_t dataOffset_ = 0;
  std::size_t dataSize_ = 0;
  std::vector<TExtension> extensions_;
  TColor transparentColor_ = clNone;
  int animateInterval_ = 0;
  int disposalMethod_ = 0;
  mutable bool corrupted_ = false;
  mutable std::shared_ptr<const TGIFDib> dib_;
  mutable std::shared_ptr<TBitmap> bitmap_;
};
