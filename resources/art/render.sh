#!/usr/bin/env bash
# Renders the program's pictures from the SVG files beside this script. The outputs are kept in
# the repository, so a build never needs these tools; run this only after changing a drawing.
# Needs rsvg-convert (librsvg2-bin), ImageMagick 6 and the DejaVu fonts (for the name picture).
#
#   ../bitmaps/*.bmp                          24-bit BMP files, no alpha, drawn at 1:1
#   ../icons/hicolor/NxN/apps/tarvik.png      the program icon at the sizes desktops ask for
#   ../icons/hicolor/scalable/apps/tarvik.svg the same icon as a vector
#   preview.png                               every picture 4x on its colours (not shipped)
set -euo pipefail
cd "$(dirname "$0")"
art=$PWD
res=$(cd .. && pwd)
im=/usr/bin/convert
[ -x "$im" ] || im=convert
montage=/usr/bin/montage
[ -x "$montage" ] || montage=montage
command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing: apt-get install librsvg2-bin" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

bitmaps=(emblem name glyph_min glyph_restore glyph_max glyph_close
  tb_new tb_open tb_save tb_copy tb_cut tb_paste tb_clear tb_selectall tb_undo
  tb_alignleft tb_center tb_alignright tb_font tb_color tb_indentleft tb_indentright)

# Each drawing states its own pixel size and paints its whole background, so the picture is
# rendered at 1:1 and the alpha channel only needs dropping.
for name in "${bitmaps[@]}"; do
  rsvg-convert "$art/$name.svg" -o "$tmp/$name.png"
  "$im" "$tmp/$name.png" -alpha off -type TrueColor "BMP3:$res/bitmaps/$name.bmp"
done

icons=$res/icons/hicolor
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$icons/${size}x${size}/apps"
  # The smallest sizes have drawings of their own on the pixel grid.
  source=icon.svg
  [ "$size" -le 16 ] && source=icon-16.svg
  [ "$size" -gt 16 ] && [ "$size" -le 24 ] && source=icon-24.svg
  rsvg-convert -w "$size" -h "$size" "$art/$source" -o "$icons/${size}x${size}/apps/tarvik.png"
done
mkdir -p "$icons/scalable/apps"
cp "$art/icon.svg" "$icons/scalable/apps/tarvik.svg"

# The contact sheet: bitmaps as they are (they carry their own background), icons on the title
# bar's colour and on white, everything enlarged 4x without smoothing.
big() { "$im" "$1" -filter point -resize 400% "$2"; }
sheet=()
for name in "${bitmaps[@]}"; do
  big "$res/bitmaps/$name.bmp" "$tmp/sheet_$name.png"
  sheet+=("$tmp/sheet_$name.png")
done
for size in 16 22 24 32 48 64; do
  for bg in '#FF9B37' white; do
    out="$tmp/icon_${size}_${bg#\#}.png"
    "$im" "$icons/${size}x${size}/apps/tarvik.png" -background "$bg" -alpha remove -alpha off \
      -filter point -resize 400% "$out"
    sheet+=("$out")
  done
done
"$montage" "${sheet[@]}" -tile 6x -geometry +8+8 -background '#C46200' "$tmp/sheet.png"

# The title bar and toolbar of the main window as laid out at the design size, shown 2x, to
# judge the pictures together where they will sit.
b=$res/bitmaps
mock=("$im" -size 723x110 xc:'#FFAE5E' -fill '#FF9B37' -draw 'rectangle 0,0 722,32'
  "$b/emblem.bmp" -geometry +8+3 -composite "$b/name.bmp" -geometry +40+5 -composite)
x=627
for glyph in glyph_min glyph_restore glyph_max glyph_close; do
  mock+=("$b/$glyph.bmp" -geometry "+$x+8" -composite)
  x=$((x + 22))
done
n=0
for name in "${bitmaps[@]}"; do
  [[ $name == tb_* ]] || continue
  mock+=("$b/$name.bmp" -geometry "+$((5 + 44 * n + 3))+$((33 + 29 + 3))" -composite)
  n=$((n + 1))
done
"${mock[@]}" -filter point -resize 200% "$tmp/mock.png"
"$im" "$tmp/mock.png" "$tmp/sheet.png" -background '#C46200' -gravity west -append "$art/preview.png"
echo "rendered ${#bitmaps[@]} bitmaps, 8 icon sizes and preview.png"
