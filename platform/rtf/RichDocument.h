// The document model shared by the RTF codec, the plain-text decoder and the rich-text
// control: paragraphs of formatted runs. No Qt here, so the codec is tested, fuzzed and
// benchmarked bare.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rtf {

// The face a document gets when its source names none (plain text, RTF without a font table).
inline constexpr std::string_view kDefaultFace = "Arial";

enum class Align : std::uint8_t { Left, Center, Right, Justify };

// A face as the document's font table knows it. Runs refer to faces by index so that a
// document with a format change every few words does not carry a face name per run.
struct FontEntry {
  std::string face;  // UTF-8
  int charset = 1;   // Windows character set: 0 ANSI, 1 default, 2 symbol, 204 Russian ...
  int pitch = 0;     // 0 default, 1 fixed, 2 variable
  bool operator==(const FontEntry&) const = default;
};

struct CharFormat {
  int font = 0;         // index into RichDocument::fonts
  int sizeHalfPt = 20;  // \fs: half points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  std::uint32_t color = 0;  // 0x00BBGGRR; 0 (black) also stands for the automatic colour
  bool operator==(const CharFormat&) const = default;
};

struct Run {
  std::u16string text;  // a line break inside the paragraph is u'\n', a tab u'\t'
  CharFormat format;
  bool operator==(const Run&) const = default;
};

struct ParaFormat {
  Align align = Align::Left;
  int leftTwips = 0;   // \li: left indent of every line
  int firstTwips = 0;  // \fi: first line, relative to leftTwips
  int rightTwips = 0;  // \ri
  bool bullet = false;
  bool operator==(const ParaFormat&) const = default;
};

struct Paragraph {
  ParaFormat format;
  std::vector<Run> runs;
  bool operator==(const Paragraph&) const = default;
};

// What the readers return is normalised (see Normalize.h): at least one paragraph (an empty
// source gives one empty paragraph, like a cleared editor), no empty runs, no two neighbouring
// runs with the same format, only fonts that some run uses (at least one), text free of
// U+0000 and of carriage returns. A paragraph has no formatting of its own for its mark, so
// an empty paragraph has no runs.
struct RichDocument {
  std::vector<FontEntry> fonts;  // never empty once a reader has filled it
  std::vector<Paragraph> paragraphs;
  bool operator==(const RichDocument&) const = default;
};

}  // namespace rtf
