#!/usr/bin/env python3
"""Writes the program's pictures into the window layouts as picture data.

A picture property in a layout is preceded by a marker comment naming its file, relative to
resources/:

    // picture: bitmaps/emblem.bmp
    Picture.Data = {
      07544269746D6170...
    }

The data is the stored picture form: the picture class name as a length-prefixed string, a
32-bit little-endian byte count and the file's bytes. Run this after a picture changes; with
--check it only reports layouts whose data no longer matches their files (exit status 1).
"""

import re
import struct
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
RESOURCES = HERE.parent
CLASS_BY_SUFFIX = {".bmp": "TBitmap", ".gif": "TGIFImage"}
BYTES_PER_LINE = 32
MARKER = re.compile(r"^(\s*)// picture: (\S+)\s*$")
DATA_START = re.compile(r"^\s*[A-Za-z.]+\.Data = \{\s*$")


def stored_picture(path: Path) -> bytes:
    class_name = CLASS_BY_SUFFIX.get(path.suffix.lower())
    if class_name is None:
        raise SystemExit(f"{path}: no picture class for files ending in {path.suffix}")
    data = path.read_bytes()
    return bytes([len(class_name)]) + class_name.encode("ascii") + struct.pack("<I", len(data)) + data


def hex_lines(data: bytes, indent: str) -> list[str]:
    return [indent + data[i:i + BYTES_PER_LINE].hex().upper() + "\n"
            for i in range(0, len(data), BYTES_PER_LINE)]


def embed(layout: Path) -> str:
    lines = layout.read_text(encoding="utf-8").splitlines(keepends=True)
    out: list[str] = []
    i = 0
    while i < len(lines):
        line = lines[i]
        out.append(line)
        marker = MARKER.match(line)
        i += 1
        if not marker:
            continue
        if i >= len(lines) or not DATA_START.match(lines[i]):
            raise SystemExit(f"{layout}:{i + 1}: a picture marker must be followed by 'X.Data = {{'")
        out.append(lines[i])
        i += 1
        while i < len(lines) and lines[i].strip() != "}":
            i += 1
        if i >= len(lines):
            raise SystemExit(f"{layout}: picture data after line {i} is not closed")
        out.extend(hex_lines(stored_picture(RESOURCES / marker.group(2)), marker.group(1) + "  "))
        out.append(lines[i])
        i += 1
    return "".join(out)


def main(argv: list[str]) -> int:
    check = "--check" in argv
    stale = []
    for layout in sorted(HERE.glob("*.layout")):
        text = embed(layout)
        if text == layout.read_text(encoding="utf-8"):
            continue
        if check:
            stale.append(layout.name)
        else:
            layout.write_text(text, encoding="utf-8")
            print(f"updated {layout.name}")
    for name in stale:
        print(f"{name}: picture data differs from the picture files; run embed-pictures.py")
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
