#!/usr/bin/env bash
# Draws the two logo pictures with ImageMagick. The GIF files are kept in the repository; run
# this only to change them.
#   prompt-logo.gif  90 x 20, 16 colours: the title strip of the save prompts
#   about-logo.gif   200 x 30, 256 colours: the top of the about window
set -euo pipefail
cd "$(dirname "$0")"
im=/usr/bin/convert
[ -x "$im" ] || im=convert
bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
book=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

$im -size 90x20 gradient:'#2f64a8'-'#132e5c' \
  -font "$bold" -pointsize 14 -gravity center \
  -fill '#0b1a36' -annotate +1+1 'Tarvik' \
  -fill '#f3f6fb' -annotate +0+0 'Tarvik' \
  -fill '#f2b134' -draw 'rectangle 4,9 9,10' -draw 'rectangle 80,9 85,10' \
  -colors 16 +dither prompt-logo.gif

$im -size 200x30 -define gradient:direction=east gradient:'#132e5c'-'#3f86c8' \
  \( -size 200x30 gradient:'#ffffff30'-'#00000030' \) -compose overlay -composite \
  -font "$bold" -pointsize 20 -gravity west \
  -fill '#08142b' -annotate +9+1 'Tarvik' \
  -fill '#ffffff' -annotate +8+0 'Tarvik' \
  -font "$book" -pointsize 10 -gravity east \
  -fill '#dbe7f5' -annotate +8+1 'текстовый редактор' \
  -fill '#f2b134' -draw 'rectangle 8,25 80,26' \
  -colors 256 -dither FloydSteinberg about-logo.gif
