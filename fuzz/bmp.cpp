// Bitmap files from layouts and disk: any bytes must either load or raise EInvalidGraphic.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BmpCodec.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const TDecodedBmp decoded = DecodeBmp(data, size);
    if (decoded.pixels.size() != std::size_t(decoded.width) * std::size_t(decoded.height))
      __builtin_trap();
  } catch (const EInvalidGraphic&) {
  }
  try {
    TBitmap bitmap;
    TMemoryStream stream(std::vector<std::uint8_t>(data, data + size));
    bitmap.LoadFromStream(stream);
    // What was read must survive being written and read again (small pictures only: the
    // round trip of a huge one tells nothing new and only slows the search down).
    if (!bitmap.Empty() && bitmap.Width() * bitmap.Height() <= (1 << 20)) {
      TMemoryStream out;
      bitmap.SaveToStream(out);
      out.SetPosition(0);
      TBitmap copy;
      copy.LoadFromStream(out);
      if (copy.Width() != bitmap.Width() || copy.Height() != bitmap.Height()) __builtin_trap();
    }
  } catch (const EInvalidGraphic&) {
  }
  return 0;
}
