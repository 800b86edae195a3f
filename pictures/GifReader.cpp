// Reading a GIF file into the picture: header, screen descriptor, global colour table, then
// the run of extensions and frames up to the trailer.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "pictures/GifByteReader.h"
#include "pictures/GifDib.h"
#include "pictures/GifSettings.h"
#include "pictures/RxGIF.h"
#include "platform/core/Exception.h"

namespace {

constexpr std::uint8_t kExtensionIntroducer = 0x21;  // '!'
constexpr std::uint8_t kImageSeparator = 0x2C;       // ','
constexpr std::uint8_t kTrailer = 0x3B;              // ';'

bool SameIgnoringCase(std::span<const std::uint8_t> bytes, const char* text) {
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (std::tolower(bytes[i]) != std::tolower(static_cast<unsigned char>(text[i]))) return false;
  return true;
}

// Zero bytes between blocks are padding some writers leave; 0 means the data has ended.
std::uint8_t ScanSeparator(TGifByteReader& reader) {
  while (!reader.AtEnd()) {
    const std::uint8_t b = reader.Byte();
    if (b != 0) return b;
  }
  return 0;
}

void ReadSubBlocks(TGifByteReader& reader, TExtension& extension) {
  while (!reader.AtEnd()) {
    const std::uint8_t length = reader.Byte();
    if (length == 0) break;
    auto block = reader.TakeAtMost(length);
    extension.Blocks.emplace_back(block.begin(), block.end());
  }
}

TExtension ReadExtension(TGifByteReader& reader) {
  TExtension e;
  const std::uint8_t label = reader.Byte();
  auto fixed = [&](std::size_t n) {
    auto bytes = reader.Take(n);
    e.Fixed.assign(bytes.begin(), bytes.end());
  };
  switch (label) {
    case 0xF9:
      e.Kind = etGraphic;
      fixed(6);
      break;
    case 0xFE:
      e.Kind = etComment;
      ReadSubBlocks(reader, e);
      break;
    case 0x01:
      e.Kind = etPlainText;
      fixed(13);
      ReadSubBlocks(reader, e);
      break;
    case 0xFF:
      e.Kind = etApplication;
      fixed(12);
      ReadSubBlocks(reader, e);
      break;
    default: {
      char message[64];
      std::snprintf(message, sizeof message, "Unrecognized extension block: %.2x", label);
      throw EInvalidGraphic(message);
    }
  }
  return e;
}

// The frame's colour bits for a global table of count entries.
int ColorBitsForCount(std::uint32_t count) {
  for (int bits = 1; bits <= 8; ++bits)
    if (count == 1u << bits) return bits;
  throw EInvalidGraphic("Wrong number of colors; must be a power of 2");
}

}  // namespace

void TGIFImage::LoadFromBytes(std::span<const std::uint8_t> bytes) {
  load(std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end()));
}

void TGIFImage::LoadFromBytes(std::vector<std::uint8_t>&& bytes) {
  load(std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes)));
}

void TGIFImage::load(TGIFFrame::TSource source) {
  Clear();
  header_->Source = std::move(source);
  if (!header_->Source->empty()) {
    TGifByteReader reader(*header_->Source);
    readHeader(reader);
    readScreenDescriptor(reader);
    readBlocks(reader);
    if (!frames_.empty()) {
      frameIndex_ = 0;
      decodeFirstFrame();
    }
  }
  Changed();
}

void TGIFImage::readHeader(TGifByteReader& reader) {
  if (!SameIgnoringCase(reader.Take(3), "GIF")) throw EInvalidGraphic("Unknown GIF version");
  auto version = reader.Take(3);
  if (SameIgnoringCase(version, "87a"))
    version_ = 1;
  else if (SameIgnoringCase(version, "89a"))
    version_ = 2;
  else
    throw EInvalidGraphic("Unknown GIF version");
}

void TGIFImage::readScreenDescriptor(TGifByteReader& reader) {
  auto d = reader.Take(7);
  screenWidth_ = d[0] | d[1] << 8;
  screenHeight_ = d[2] | d[3] << 8;
  const std::uint8_t packed = d[4];
  const std::uint8_t backgroundIndex = d[5];
  header_->AspectRatio = d[6];
  header_->BitsPerPixel = (packed & 7) + 1;
  header_->ColorResBits = ((packed >> 4) & 7) + 1;
  if (!(packed & 0x80)) return;
  TGIFColorTable& map = header_->ColorMap;
  map.Count = 1u << header_->BitsPerPixel;
  auto bytes = reader.Take(map.Count * 3);
  for (std::size_t i = 0; i < map.Count; ++i)
    std::copy_n(bytes.begin() + static_cast<long>(3 * i), 3, map.Colors[i].begin());
  if (backgroundIndex < map.Count) backgroundColor_ = map.ColorOf(backgroundIndex);
}

void TGIFImage::readBlocks(TGifByteReader& reader) {
  std::uint8_t separator = ScanSeparator(reader);
  while (separator != 0 && separator != kTrailer && !reader.AtEnd()) {
    std::vector<TExtension> run;
    while (separator == kExtensionIntroducer) {
      // A file cut just after an introducer has lost nothing yet; end the picture there.
      if (reader.AtEnd()) {
        separator = kTrailer;
        break;
      }
      TExtension e = ReadExtension(reader);
      // Plain text is drawn over the frames by the format's rules; this reader does not
      // draw it, and what was collected for it no longer belongs to the next frame.
      if (e.Kind == etPlainText) run.clear();
      if (e.Kind == etApplication) examineLooping(e);
      if (e.Kind == etGraphic || e.Kind == etComment) run.push_back(std::move(e));
      separator = reader.AtEnd() ? kTrailer : ScanSeparator(reader);
    }
    if (separator == kImageSeparator) {
      readFrame(reader, std::move(run));
      if (reader.AtEnd()) {
        separator = kTrailer;
      } else {
        separator = ScanSeparator(reader);
        if (separator != kExtensionIntroducer && separator != kImageSeparator &&
            separator != kTrailer)
          separator = 0;
      }
    } else if (header_->Comment.empty() && !run.empty()) {
      takeTrailingComments(run);
    } else if (separator != 0 && separator != kTrailer) {
      throw EInvalidGraphic("Stream read error");
    }
  }
}

void TGIFImage::readFrame(TGifByteReader& reader, std::vector<TExtension> extensions) {
  auto frame = std::make_unique<TGIFFrame>(this);
  if (header_->ColorMap.Count > 0) frame->colorBits_ = ColorBitsForCount(header_->ColorMap.Count);
  frame->Read(reader, header_->Source, header_->ColorMap, screenWidth_, screenHeight_,
              std::move(extensions));
  if (frame->Corrupted()) corrupted_ = true;
  // A frame beyond the frame bound is refused when decoded and so never takes memory.
  const std::size_t bytes = TGIFDib::ImageBytes(frame->Width(), frame->Height(), frame->colorBits_);
  if (bytes <= GIFMaxImageBytes()) decodedBytes_ += bytes;
  if (decodedBytes_ > GIFMaxPictureBytes()) throw EInvalidGraphic("GIF picture is too large");
  frames_.push_back(std::move(frame));
}

void TGIFImage::takeTrailingComments(const std::vector<TExtension>& extensions) {
  std::string& comment = header_->Comment;
  bool first = true;
  for (const auto& e : extensions) {
    if (e.Kind != etComment) continue;
    if (!first) comment += "\r\n\r\n";
    comment += e.Text();
    first = false;
  }
}

void TGIFImage::examineLooping(const TExtension& e) {
  if (e.Fixed.size() < 12 || e.Blocks.empty()) return;
  const auto* id = reinterpret_cast<const char*>(e.Fixed.data() + 1);
  if (std::memcmp(id, "NETSCAPE2.0", 11) != 0 && std::memcmp(id, "ANIMEXTS1.0", 11) != 0) return;
  const std::string& block = e.Blocks.front();
  if (block.size() < 3 || block[0] != 1) return;
  looping_ = true;
  const int count = static_cast<std::uint8_t>(block[1]) | static_cast<std::uint8_t>(block[2]) << 8;
  repeatCount_ = std::min(count, kMaxRepeatCount);
}

void TGIFImage::decodeFirstFrame() {
  try {
    frames_.front()->Dib();
  } catch (...) {
    frames_.erase(frames_.begin());
    if (frames_.empty()) frameIndex_ = -1;
    throw;
  }
}
