#!/usr/bin/env bash
# Interop with LibreOffice: a document written by our RTF writer is read by LibreOffice
# (headless) and exported as RTF again; reading that back must give the same text and the same
# per-character formatting (face, size, bold, italic, underline, colour) and paragraph layout
# (alignment, indents, bullets). Args: BUILD_DIR SAMPLES_DIR. Exit 77 when soffice is missing
# (a failure when TARVIK_REQUIRE_ALL=1).
set -euo pipefail
build=${1:?build dir}
if ! command -v soffice >/dev/null; then
  [ "${TARVIK_REQUIRE_ALL:-}" = 1 ] && { echo "soffice not installed (required here)"; exit 1; }
  echo "soffice not installed: skipped"
  exit 77
fi
rtfdump="$build/tools/rtfdump"
rtfconv="$build/tools/rtfconv"
[ -x "$rtfdump" ] && [ -x "$rtfconv" ] || { echo "rtfdump/rtfconv not built in $build"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Rich-edit style source: Windows-1251 text, the three styles, colours, every alignment,
# positive, negative and hanging indents, rich-edit bullets, Cyrillic in a Western font (written
# as \uN), a tab and a line break; then Western letters and punctuation in a Western font (the
# document's code page is Cyrillic, so their bytes must not be written as such), Greek, Chinese,
# and a run in the Symbol font.
cat > "$work/source.rtf" <<'EOF'
{\rtf1\ansi\ansicpg1251\deff0\deflang1049{\fonttbl{\f0\fswiss\fcharset204 Arial;}{\f1\froman\fcharset204 Times New Roman;}{\f2\fmodern\fcharset204 Courier New;}{\f3\fnil\fcharset2 Symbol;}{\f4\froman\fcharset0 Georgia;}{\f5\froman\fcharset161 Times New Roman;}{\f6\fnil\fcharset134 SimSun;}}
{\colortbl ;\red255\green0\blue0;\red0\green128\blue0;\red0\green0\blue255;\red128\green64\blue0;}
\viewkind4\uc1\pard\lang1049\f0\fs20 \'ce\'e1\'fb\'f7\'ed\'fb\'e9 \b \'e6\'e8\'f0\'ed\'fb\'e9\b0 , \i \'ea\'f3\'f0\'f1\'e8\'e2\i0 , \ul \'ef\'ee\'e4\'f7\'b8\'f0\'ea\'ed\'f3\'f2\'fb\'e9\ulnone , \cf1 \'ea\'f0\'e0\'f1\'ed\'fb\'e9\cf0 .\par
\pard\qc\f1\fs28\cf3 Centred Times 14 \'f1\'e8\'ed\'e8\'e9, \cf2\b\i \'e7\'e5\'eb\'b8\'ed\'fb\'e9\cf0\b0\i0  \'e8 \'ee\'e1\'fb\'f7\'ed\'fb\'e9.\par
\pard\qr\f2\fs24\cf4 Right aligned Courier 12 \'ea\'ee\'f0\'e8\'f7\'ed\'e5\'e2\'fb\'e9\cf0\par
\pard\li720\f0\fs20 Left indent 36 pt for every line of this paragraph.\par
\pard\fi720 First line indent 36 pt, \'ea\'f0\'e0\'f1\'ed\'e0\'ff \'f1\'f2\'f0\'ee\'ea\'e0.\par
\pard\fi-720\li1440 Hanging indent: left 72, first line -36.\par
\pard\qj\li360\fi360 Justified, left 18, first 18: \'f2\'e5\'ea\'f1\'f2 \'ef\'ee \'f8\'e8\'f0\'e8\'ed\'e5.\par
\pard{\pntext\f3\'B7\tab}{\*\pn\pnlvlblt\pnf3\pnindent0{\pntxtb\'B7}}\fi-360\li360 \'ef\'e5\'f0\'e2\'fb\'e9 \'ef\'f3\'ed\'ea\'f2\par
{\pntext\f3\'B7\tab}\'e2\'f2\'ee\'f0\'ee\'e9 \b \'ef\'f3\'ed\'ea\'f2\b0\par
\pard\b\i\ul\cf1 All three red\b0\i0\ulnone\cf0  and plain.\par
\pard\f4\fs22 Western font, \u1090?\u1077?\u1082?\u1089?\u1090? \u8212? \u8364?\tab tab\line line break\par
\pard\f4\fs22 caf\'e9 na\'efve Gr\'f6\'dfe \'c0\'c9\'d1\'fc\'ff\par
\pard\f4\fs22 \'80 \'96 \'97 \'93\'94 \'91\'92 \'85 \'99 \'a9\par
\pard\f5\fs22 \u945?\u946?\u947? \u937?\u931?\u916? \f0 \'e8 \f1 \u1046?\u1078? \'ba\par
\pard\f6\fs24 \u20013?\u25991?\u25991?\u26412?\par
\pard\f3\fs22 abg\f0  plain\par
}
EOF

"$rtfconv" "$work/source.rtf" "$work/ours.rtf"
"$rtfdump" "$work/ours.rtf" --chars > "$work/ours.txt"

# Our own reading of what we wrote must hold the formatting under test, or the comparison
# below would prove nothing.
expect() {
  grep -q -- "$1" "$work/ours.txt" || { echo "our document lacks: $1"; exit 1; }
}
expect '^P center li=0.0 fi=0.0 bullet=0'
expect '^P right '
expect '^P justify li=18.0 fi=18.0 bullet=0'
expect '^P left li=72.0 fi=-36.0 bullet=0'
expect '^P left li=18.0 fi=-18.0 bullet=1'
expect 'U+0436 10.0 b-- #000000 arial'     # bold Cyrillic
expect 'U+043A 10.0 -i- #000000 arial'     # italic
expect 'U+043F 10.0 --u #000000 arial'     # underlined
expect 'U+0437 14.0 bi- #008000 times new roman'
expect 'U+0041 10.0 biu #ff0000 arial'
expect 'U+0442 11.0 --- #000000 georgia'
expect 'U+0009 11.0 --- #000000 georgia'
expect 'U+000A 11.0 --- #000000 georgia'
expect 'U+00E9 11.0 --- #000000 georgia'   # é
expect 'U+00DF 11.0 --- #000000 georgia'   # ß
expect 'U+20AC 11.0 --- #000000 georgia'   # €
expect 'U+2013 11.0 --- #000000 georgia'   # –
expect 'U+201C 11.0 --- #000000 georgia'   # “
expect 'U+2026 11.0 --- #000000 georgia'   # …
expect 'U+2122 11.0 --- #000000 georgia'   # ™
expect 'U+03A9 11.0 --- #000000 times new roman'
expect 'U+0454 11.0 --- #000000 times new roman'  # є
expect 'U+6587 12.0 --- #000000 simsun'
expect 'U+03B1 11.0 --- #000000 symbol'

# LibreOffice reads our RTF and writes its own; a private profile keeps the user's alone.
mkdir -p "$work/lo"
timeout 300 soffice --headless --norestore "-env:UserInstallation=file://$work/profile" \
  --convert-to rtf --outdir "$work/lo" "$work/ours.rtf" > "$work/soffice.log" 2>&1 || {
  cat "$work/soffice.log"
  echo "soffice failed"
  exit 1
}
[ -s "$work/lo/ours.rtf" ] || { cat "$work/soffice.log"; echo "soffice wrote nothing"; exit 1; }
"$rtfdump" "$work/lo/ours.rtf" --chars > "$work/libreoffice.txt"

if ! diff -u "$work/ours.txt" "$work/libreoffice.txt" > "$work/diff.txt"; then
  head -60 "$work/diff.txt"
  echo "LibreOffice's reading of our RTF differs (above: ours -, LibreOffice's +)"
  exit 1
fi
echo "LibreOffice kept text and formatting of $(grep -c '^  U+' "$work/ours.txt") characters" \
  "in $(grep -c '^P' "$work/ours.txt") paragraphs"
