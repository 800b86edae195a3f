// Program-wide switches of the GIF picture class.
#pragma once

#include <cstddef>

// Tolerance for damaged data (on by default): truncated blocks, an out-of-range code size and
// over-long code chains mark the frame Corrupted instead of failing.
bool GIFLoadCorrupted();
void SetGIFLoadCorrupted(bool value);

// The largest decoded frame bitmap accepted, in bytes. A 40-byte file can claim a 65535 x 65535
// frame; without a bound such a file would ask for gigabytes before a single code is read.
std::size_t GIFMaxImageBytes();
void SetGIFMaxImageBytes(std::size_t value);

// The most all frames of one picture may take decoded, in bytes (512 MB by default). Frames are
// kept once decoded, so a few kilobytes of highly compressed frames, each within the frame
// bound, could otherwise grow past any memory; such a picture is refused when it is read.
std::size_t GIFMaxPictureBytes();
void SetGIFMaxPictureBytes(std::size_t value);
