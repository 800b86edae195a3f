#include "pictures/RxGIF.h"

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

namespace {

struct TRegistrar {
  TRegistrar() { RegisterGIFImage(); }
};
const TRegistrar registrar;

}  // namespace

void RegisterGIFImage() {
  RegisterGraphicClass(
      {"TGIFImage", "gif", "CompuServe GIF Image", [] { return std::make_unique<TGIFImage>(); }});
}

TGIFImage::TGIFImage() : header_(std::make_shared<THeader>()) {
  SetTransparent(true);
}

TGIFImage::~TGIFImage() = default;

void TGIFImage::Clear() {
  header_ = std::make_shared<THeader>();
  version_ = 0;
  screenWidth_ = screenHeight_ = 0;
  backgroundColor_ = clNone;
  repeatCount_ = 1;
  looping_ = false;
  corrupted_ = false;
  frameIndex_ = -1;
  decodedBytes_ = 0;
  frames_.clear();
}

void TGIFImage::Assign(const TGIFImage& source) {
  if (&source == this) return;
  header_ = source.header_;
  version_ = source.version_;
  screenWidth_ = source.screenWidth_;
  screenHeight_ = source.screenHeight_;
  backgroundColor_ = source.backgroundColor_;
  repeatCount_ = source.repeatCount_;
  looping_ = source.looping_;
  corrupted_ = source.corrupted_;
  frameIndex_ = source.frameIndex_;
  frames_.clear();
  for (const auto& f : source.frames_) frames_.push_back(std::make_unique<TGIFFrame>(*f, this));
  SetTransparent(source.TGraphic::Transparent());
  Changed();
}

void TGIFImage::LoadFromStream(TStream& stream) {
  LoadFromBytes(stream.ReadAll());
}

void TGIFImage::ReadData(TStream& stream) {
  std::uint8_t count[4];
  if (stream.Read(count, 4) != 4) throw EInvalidGraphic("Stream read error");
  const std::uint32_t size = std::uint32_t(count[0]) | std::uint32_t(count[1]) << 8 |
                             std::uint32_t(count[2]) << 16 | std::uint32_t(count[3]) << 24;
  if (static_cast<std::int64_t>(size) > stream.Remaining())
    throw EInvalidGraphic("Stream read error");
  std::vector<std::uint8_t> bytes(size);
  if (stream.Read(bytes.data(), size) != size) throw EInvalidGraphic("Stream read error");
  LoadFromBytes(std::move(bytes));
}

void TGIFImage::SaveToStream(TStream& stream) const {
  stream.WriteBuffer(header_->Source->data(), header_->Source->size());
}

void TGIFImage::WriteData(TStream& stream) const {
  const auto size = static_cast<std::uint32_t>(header_->Source->size());
  const std::uint8_t count[4] = {
      static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
      static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
  stream.WriteBuffer(count, 4);
  SaveToStream(stream);
}

const TGIFFrame* TGIFImage::currentFrame() const {
  if (frames_.empty()) return nullptr;
  if (frameIndex_ < 0 || frameIndex_ >= Count()) return frames_.front().get();
  return frames_[static_cast<std::size_t>(frameIndex_)].get();
}

int TGIFImage::Width() const {
  if (frames_.empty() || frameIndex_ < 0 || frameIndex_ >= Count()) return 0;
  return currentFrame()->Dib().Width();
}

int TGIFImage::Height() const {
  if (frames_.empty() || frameIndex_ < 0 || frameIndex_ >= Count()) return 0;
  return currentFrame()->Dib().Height();
}

bool TGIFImage::Empty() const {
  const TGIFFrame* frame = currentFrame();
  return !frame || (!frame->Decoded() && frame->ImageData().empty());
}

bool TGIFImage::Transparent() const {
  if (!TGraphic::Transparent()) return false;
  for (const auto& f : frames_)
    if (f->TransparentColor() != clNone) return true;
  return false;
}

void TGIFImage::SetFrameIndex(int index) {
  if (index == frameIndex_) return;
  frameIndex_ = index;
  Changed();
}

TBitmap* TGIFImage::Bitmap() const {
  const TGIFFrame* frame = currentFrame();
  return frame ? frame->Bitmap() : nullptr;
}

void TGIFImage::progress(TProgressStage stage, int percent, const std::string& message) {
  if (OnProgress) OnProgress(*this, stage, percent, message);
}
