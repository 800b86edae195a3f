// The writing half of the GIF picture class: LZW encoding of pixel indices and the assembly of
// a GIF file from indexed frames. The editor itself never writes GIF files; tools, tests and
// benchmarks make their pictures with it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "pictures/GifTypes.h"

// A frame to write: indices row by row from the top, each below its table's count.
struct TGifWriteFrame {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Indices;
  TGIFColorTable LocalMap;  // Count 0: the frame uses the global table
  bool Interlaced = false;
  // A graphic control extension is written when any of these is set.
  int DelayCs = 0;                    // hundredths of a second
  int Disposal = 0;                   // 0..7
  int TransparentIndex = -1;          // -1: none
  std::vector<std::string> Comments;  // comment extensions written before the frame
};

struct TGifWritePicture {
  bool Version89a = true;
  int ScreenWidth = 0;
  int ScreenHeight = 0;
  TGIFColorTable GlobalMap;  // Count 0: no global table
  int BackgroundIndex = 0;
  int AspectRatio = 0;
  int LoopCount = -1;  // -1: no looping extension; 0: forever
  std::vector<TGifWriteFrame> Frames;
  std::vector<std::string> TrailingComments;  // comment extensions after the last frame
};

// The image data of a frame: the code-size byte, the data sub-blocks and the zero-length
// terminator. codeSize is 2..8 and every index must be below 2^codeSize.
std::vector<std::uint8_t> EncodeGifLzw(std::span<const std::uint8_t> indices, int codeSize);

// The code size for a table of count entries (at least 2, as the format requires).
int GifCodeSizeFor(std::uint32_t count);

// The whole file. Tables are written with the power-of-two count they hold.
std::vector<std::uint8_t> WriteGif(const TGifWritePicture& picture);
