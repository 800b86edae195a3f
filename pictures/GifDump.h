// Text and picture forms of a decoded GIF for tools and tests: what was read as one JSON object,
// and a frame as a binary PPM file.
#pragma once

#include <string>

#include "pictures/RxGIF.h"

// {"version":"87a"|"89a"|null,"screen":[W,H],"background":"#rrggbb"|null,"loop":B,
//  "comment":S,"frames":[{"left","top","width","height","interlaced","transparent",
//  "interval_ms","disposal","corrupted"}...], "repeat_count":N (only when looping)}.
// Frames report Corrupted as it stands, so decode them first.
std::string GifPictureJson(const TGIFImage& gif);

// P6 with the frame's own size; each pixel is the colour of its palette entry.
std::string GifFramePpm(const TGIFDib& dib);
