#include "pictures/GifFrame.h"

#include <algorithm>

#include "pictures/GifByteReader.h"
#include "pictures/GifLzw.h"
#include "pictures/RxGIF.h"
#include "platform/core/Exception.h"

TGIFFrame::TGIFFrame(const TGIFFrame& source, TGIFImage* owner) : TGIFFrame(source) {
  owner_ = owner;
  bitmap_.reset();  // callers may draw on a bitmap, so each picture makes its own
}

void TGIFFrame::Read(TGifByteReader& reader, const TSource& source, const TGIFColorTable& globalMap,
                     int screenWidth, int screenHeight, std::vector<TExtension> extensions) {
  extensions_ = std::move(extensions);
  auto descriptor = reader.Take(9);
  topLeft_ = {descriptor[0] | descriptor[1] << 8, descriptor[2] | descriptor[3] << 8};
  width_ = descriptor[4] | descriptor[5] << 8;
  height_ = descriptor[6] | descriptor[7] << 8;
  packedFields_ = descriptor[8];
  interlaced_ = (packedFields_ & 0x40) != 0;
  // Transparency below needs the frame's own table, so a frame without a local table
  // takes its copy of the global one now.
  if (packedFields_ & 0x80)
    readColorTable(reader);
  else
    colorMap_ = globalMap;
  source_ = source;
  findImageData(reader);
  if (corrupted_ && !GIFLoadCorrupted()) throw EInvalidGraphic("Stream read error");
  if (width_ == 0) width_ = screenWidth;
  if (height_ == 0) height_ = screenHeight;
  applyGraphicControls();
}

void TGIFFrame::readColorTable(TGifByteReader& reader) {
  colorBits_ = (packedFields_ & 7) + 1;
  colorMap_ = {};
  colorMap_.Count = 1u << colorBits_;
  auto bytes = reader.Take(colorMap_.Count * 3);
  for (std::size_t i = 0; i < colorMap_.Count; ++i)
    std::copy_n(bytes.begin() + static_cast<long>(3 * i), 3, colorMap_.Colors[i].begin());
}

// The compressed data stays where it is in the file's bytes. A sub-block cut short by the end
// of the data is left out whole and marks the frame damaged: its few bytes could only add noise.
void TGIFFrame::findImageData(TGifByteReader& reader) {
  dataOffset_ = reader.Position();
  dataSize_ = 0;
  if (reader.AtEnd()) return;
  const auto rest = reader.TakeAtMost(reader.Remaining());
  std::size_t end = 1;  // past the LZW minimum code size
  while (end < rest.size()) {
    const std::size_t length = rest[end];
    if (length == 0) {
      ++end;
      break;
    }
    if (length >= rest.size() - end) {
      corrupted_ = true;
      break;
    }
    end += 1 + length;
  }
  dataSize_ = end;
  if (!corrupted_) reader.Rewind(rest.size() - end);
}

void TGIFFrame::applyGraphicControls() {
  for (const auto& e : extensions_) {
    if (e.Kind != etGraphic) continue;
    const auto gc = TGraphicControlBlock::From(e);
    if (!gc.HasTransparency())
      transparentColor_ = clNone;
    else if (gc.TransparentIndex < colorMap_.Count)
      transparentColor_ = colorMap_.ColorOf(gc.TransparentIndex);
    animateInterval_ = std::max(animateInterval_, gc.Delay * 10);
    disposalMethod_ = gc.Disposal();
  }
}

std::shared_ptr<const TGIFDib> TGIFFrame::Decode() const {
  if (owner_) owner_->progress(TGIFImage::psStarting, 0, "");
  try {
    auto dib = std::make_shared<TGIFDib>(width_, height_, colorBits_, colorMap_);
    TGifProgressFn tick;
    if (owner_ && owner_->OnProgress)
      tick = [this](int percent) { owner_->progress(TGIFImage::psRunning, percent, ""); };
    if (DecodeGifImage(ImageData(), colorBits_, interlaced_, GIFLoadCorrupted(), *dib, tick)) {
      corrupted_ = true;
      if (owner_) owner_->markCorrupted();
    }
    if (owner_) owner_->progress(TGIFImage::psEnding, 100, "");
    return dib;
  } catch (const Exception& e) {
    if (owner_) owner_->progress(TGIFImage::psEnding, 100, e.what());
    throw;
  }
}

const TGIFDib& TGIFFrame::Dib() const {
  if (!dib_) dib_ = Decode();
  return *dib_;
}
