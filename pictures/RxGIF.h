// The GIF picture class: reads both GIF versions with any number of frames, local and global
// colour tables, interlacing, transparency, comments and looping, tolerates damaged data, and
// draws the current frame. Registered with the picture system as "TGIFImage" for ".gif".
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "pictures/GifFrame.h"
#include "pictures/GifSettings.h"
#include "pictures/GifTypes.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Graphic.h"

class TGifByteReader;

class TGIFImage : public TGraphic {
 public:
  enum TProgressStage { psStarting, psRunning, psEnding };
  using TProgressEvent = std::function<void(TGIFImage& sender, TProgressStage stage, int percent,
                                            const std::string& message)>;

  // The largest repeat count a looping extension can set.
  static constexpr int kMaxRepeatCount = 30000;

  TGIFImage();
  ~TGIFImage() override;
  TGIFImage(const TGIFImage&) = delete;
  TGIFImage& operator=(const TGIFImage&) = delete;

  // Shares the source's header record and copies its frames.
  void Assign(const TGIFImage& source);
  void Clear();

  // TGraphic. Width and Height are the current frame's (0 when there is none).
  int Width() const override;
  int Height() const override;
  bool Empty() const override;
  void Draw(TCanvas& canvas, const TRect& rect) override;
  // Reads from the stream's position to its end.
  void LoadFromStream(TStream& stream) override;
  // Writes the GIF bytes the picture was read from.
  void SaveToStream(TStream& stream) const override;
  // True only when the property is on and some frame has a transparent colour.
  bool Transparent() const override;

  // The stored picture form's payload: a 32-bit little-endian byte count, then the GIF bytes.
  void ReadData(TStream& stream);
  void WriteData(TStream& stream) const;
  // Loads from bytes already in memory (the common path of both stream forms).
  void LoadFromBytes(std::span<const std::uint8_t> bytes);
  void LoadFromBytes(std::vector<std::uint8_t>&& bytes);

  int Version() const { return version_; }  // 0 none, 1 "87a", 2 "89a"
  int ScreenWidth() const { return screenWidth_; }
  int ScreenHeight() const { return screenHeight_; }
  int AspectRatio() const { return header_->AspectRatio; }
  int BitsPerPixel() const { return header_->BitsPerPixel; }
  int ColorResBits() const { return header_->ColorResBits; }
  const TGIFColorTable& ColorMap() const { return header_->ColorMap; }
  TColor BackgroundColor() const { return backgroundColor_; }
  int RepeatCount() const { return repeatCount_; }
  bool Looping() const { return looping_; }
  bool Corrupted() const { return corrupted_; }
  // The text of the comment extensions after the last frame, "\r\n\r\n" between two of them.
  const std::string& Comment() const { return header_->Comment; }

  int Count() const { return static_cast<int>(frames_.size()); }
  const TGIFFrame& Frames(int index) const { return *frames_.at(static_cast<std::size_t>(index)); }
  int FrameIndex() const { return frameIndex_; }
  void SetFrameIndex(int index);
  // The current frame's bitmap (frame 0 when the index is out of range); nullptr without frames.
  TBitmap* Bitmap() const;

  TProgressEvent OnProgress;

 private:
  friend class TGIFFrame;
  // What pictures assigned from one another share.
  struct THeader {
    THeader() : Source(std::make_shared<std::vector<std::uint8_t>>()) {}
    int AspectRatio = 0;
    int BitsPerPixel = 0;
    int ColorResBits = 0;
    TGIFColorTable ColorMap;
    std::string Comment;
    TGIFFrame::TSource Source;  // the bytes read, written back by SaveToStream; never null
  };

  void load(TGIFFrame::TSource source);
  void readHeader(TGifByteReader& reader);
  void readScreenDescriptor(TGifByteReader& reader);
  void readBlocks(TGifByteReader& reader);
  void readFrame(TGifByteReader& reader, std::vector<TExtension> extensions);
  void takeTrailingComments(const std::vector<TExtension>& extensions);
  void examineLooping(const TExtension& extension);
  void decodeFirstFrame();
  const TGIFFrame* currentFrame() const;

  // Called by frames while they decode.
  void progress(TProgressStage stage, int percent, const std::string& message);
  void markCorrupted() { corrupted_ = true; }

  std::shared_ptr<THeader> header_;
  int version_ = 0;
  int screenWidth_ = 0;
  int screenHeight_ = 0;
  TColor backgroundColor_ = clNone;
  int repeatCount_ = 1;
  bool looping_ = false;
  bool corrupted_ = false;
  int frameIndex_ = -1;
  std::vector<std::unique_ptr<TGIFFrame>> frames_;
  std::size_t decodedBytes_ = 0;  // what the frames read so far take decoded
};

// Registers the class with the picture system ("TGIFImage", "gif", "CompuServe GIF Image").
// Done once at start-up; linking this file also registers it.
void RegisterGIFImage();
