// Fuzzes the GIF picture class: loading (which decodes frame 0) and the decoding of every other
// frame, once with damaged data tolerated and once without. Only the picture error may escape.
#include <cstddef>
#include <cstdint>
#include <span>

#include "pictures/RxGIF.h"
#include "platform/core/Exception.h"

namespace {

void LoadAndDecode(std::span<const std::uint8_t> bytes, bool tolerant) {
  SetGIFLoadCorrupted(tolerant);
  TGIFImage gif;
  try {
    gif.LoadFromBytes(bytes);
  } catch (const EInvalidGraphic&) {
    return;
  }
  for (int i = 1; i < gif.Count(); ++i) {
    try {
      (void)gif.Frames(i).Decode();
    } catch (const EInvalidGraphic&) {
    }
  }
  (void)gif.Empty();
  (void)gif.Transparent();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Frames of up to 256 KB keep each run fast; the bound itself is tested elsewhere.
  SetGIFMaxImageBytes(std::size_t{256} << 10);
  LoadAndDecode({data, size}, true);
  LoadAndDecode({data, size}, false);
  return 0;
}
