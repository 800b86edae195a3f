// Helpers for the GIF tests: a byte-level GIF builder for files no encoder would write, code
// packing for hand-made LZW streams, PPM reading and a small JSON reader.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/JsonValue.h"
#include "common/TempFiles.h"
#include "pictures/GifWriter.h"
#include "pictures/RxGIF.h"

namespace giftest {

using Bytes = std::vector<std::uint8_t>;

// Builds a GIF file block by block.
class GifBytes {
 public:
  GifBytes& Header(const char* signature = "GIF89a");
  // packed: the screen descriptor's packed byte (0x80 | bits-1 for a global table).
  GifBytes& Screen(int width, int height, int packed, int background = 0, int aspect = 0);
  // count entries; entry i is (i, 255 - i, i * 3 mod 256) unless colours are given.
  GifBytes& Table(int count);
  GifBytes& Ext(int label, const Bytes& fixed, const std::vector<std::string>& blocks,
                bool terminate = true);
  GifBytes& GraphicControl(int flags, int delay, int transparentIndex);
  GifBytes& Comment(const std::string& text);
  GifBytes& Looping(const char* id, int count);
  GifBytes& Descriptor(int left, int top, int width, int height, int packed);
  // The image data of indices with the given code size (as the writer encodes them).
  GifBytes& Data(const Bytes& indices, int codeSize);
  GifBytes& Raw(const Bytes& bytes);
  GifBytes& Trailer() { return Raw({0x3B}); }
  const Bytes& Get() const { return bytes_; }

 private:
  Bytes bytes_;
};

// The colour of entry i of the builder's tables.
TColor TableColor(int i);

// Packs (code, width) pairs least significant bit first into sub-blocks, with the code-size
// byte in front and the terminator after.
Bytes PackCodes(int codeSize, const std::vector<std::pair<int, int>>& codes);

std::unique_ptr<TGIFImage> Load(const Bytes& bytes);
// The message of the EInvalidGraphic that loading raises, or "" when it loads.
std::string LoadError(const Bytes& bytes);
// All pixel indices of the frame's bitmap, rows from the top.
Bytes Indices(const TGIFDib& dib);

struct Ppm {
  int Width = 0;
  int Height = 0;
  std::string Pixels;  // RGB triples
};
bool ReadPpm(const std::string& fileName, Ppm& ppm);
bool ParsePpm(const std::string& data, Ppm& ppm);
using testfiles::ReadFile;

using Json = testjson::JsonValue;
using testjson::ParseJson;
using testjson::ToText;

}  // namespace giftest
