#!/usr/bin/env bash
# Regenerates the reference pictures in this folder with ImageMagick, an encoder independent of
# the program: each NAME.gif, and the pixels ImageMagick itself decodes for frame i as
# NAME.i.ppm. The test compares the picture class's decoding of NAME.gif to those files.
set -euo pipefail
cd "$(dirname "$0")"
im=/usr/bin/convert
[ -x "$im" ] || im=convert

# Palettes of 2, 4, 8, 16, 32 and 256 entries: 1- to 8-bit colour tables. Odd widths exercise
# the packing of rows at 1 and 4 bits per pixel.
$im -size 37x23 gradient:red-navy -colors 2 bits1.gif
$im -size 33x21 gradient:yellow-teal -colors 4 bits2.gif
$im -size 29x19 -seed 7 plasma: -colors 8 bits3.gif
$im -size 45x17 -seed 11 plasma: -colors 16 bits4.gif
$im -size 31x27 -seed 5 plasma: -colors 32 bits5.gif
$im -size 64x48 -seed 3 plasma: -colors 256 bits8.gif
# Interlaced, at heights that end the four passes in different places.
$im -size 50x37 -seed 9 plasma: -colors 256 -interlace GIF interlaced37.gif
$im -size 23x3 -seed 13 plasma: -colors 16 -interlace GIF interlaced3.gif
# A transparent colour (the GIF keeps its palette colour; ImageMagick's PPM shows that colour).
$im -size 24x18 -seed 17 plasma: -colors 6 -fill white -draw "rectangle 4,4 15,11" \
  -transparent white transparent.gif
# An animation: frames of their own sizes and offsets with their own (local) tables, delays,
# disposals and a loop count.
$im -loop 3 \
  -delay 10 -dispose none -size 30x20 gradient:red-blue -colors 4 \
  -delay 25 -dispose background \( -size 14x9 -seed 19 plasma: -colors 16 -repage +5+4 \) \
  -delay 7 -dispose previous \( -size 9x11 gradient:lime-black -colors 8 -repage +20+6 \) \
  animated.gif
# Version 87a (no extensions at all) and a picture with a comment before its frame.
$im -size 26x14 -seed 23 plasma: -colors 64 GIF87:v87a.gif
$im -size 16x10 gradient:white-maroon -colors 12 -set comment "made for the tests" commented.gif

rm -f ./*.ppm
for gif in *.gif; do
  name=${gif%.gif}
  frames=$(identify "$gif" | wc -l)
  for ((i = 0; i < frames; i++)); do
    $im "$gif[$i]" +repage -alpha off -strip "$name.$i.ppm"
  done
done
