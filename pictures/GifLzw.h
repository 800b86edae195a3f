// LZW decoding of one frame's image data into its bitmap.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "pictures/GifDib.h"

// Called with the percentage of the compressed data consumed, each time it changes.
using TGifProgressFn = std::function<void(int percent)>;

// Decodes imageData (the code-size byte followed by the data sub-blocks) into dib, first
// decoded row at the top of the picture; interlaced frames fill their rows by the four passes.
// Returns true when damaged data was met: an out-of-range code size (clamped to 2..9), an
// over-long code chain (decoding stops there) or the data running out before the picture is
// full. With tolerant off the first two raise instead. Pixels never reached stay index 0.
bool DecodeGifImage(std::span<const std::uint8_t> imageData, int colorBits, bool interlaced,
                    bool tolerant, TGIFDib& dib, const TGifProgressFn& progress = {});
