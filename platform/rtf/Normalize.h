// The one canonical form of a document: what the readers return and what a round trip through
// the writer and the reader gives back.
#pragma once

#include "platform/rtf/RichDocument.h"

namespace rtf {

inline constexpr int kMinSizeHalfPt = 1;
inline constexpr int kMaxSizeHalfPt = 3276;  // 1638 pt, the largest size Windows edit controls take
inline int ClampSizeHalfPt(int halfPoints) {
  return halfPoints < kMinSizeHalfPt ? kMinSizeHalfPt
                                     : (halfPoints > kMaxSizeHalfPt ? kMaxSizeHalfPt : halfPoints);
}

// Brings `doc` into the canonical form described at RichDocument: drops empty runs and U+0000,
// turns a carriage return (CR LF counts once) inside a run into a line break, merges neighbouring
// runs of equal format, cleans face names (no control characters, no surrounding blanks),
// keeps only the fonts runs use (in their order, out-of-range indices go
// to the first font), masks colours to 24 bits, clamps sizes to 1..3276 half points and makes
// sure there is a font and a paragraph.
void Normalize(RichDocument& doc);

// The index of `font` in `doc.fonts`, appended when absent (face compared without regard to
// ASCII case, charset and pitch exactly).
int FontIndex(RichDocument& doc, const FontEntry& font);

}  // namespace rtf
