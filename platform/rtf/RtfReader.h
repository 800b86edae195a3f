// RTF -> document model. Tolerant of what real producers write and of damaged files: whatever
// could be read is kept, and only data that is not RTF at all is refused.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/core/Exception.h"
#include "platform/rtf/RichDocument.h"

namespace rtf {

// The data does not start with "{\rtf" (after an optional UTF-8 byte-order mark and white
// space): the caller should read it as plain text instead.
class RtfError : public Exception {
 public:
  using Exception::Exception;
};

// What the reader had to put up with; all zero/false for a well-formed file.
struct RtfReadReport {
  bool truncated = false;        // the data ended inside open groups
  int strayClosingBraces = 0;    // '}' that would have ended the document early, ignored
  int groupsBeyondDepthCap = 0;  // groups nested deeper than kMaxGroupDepth (text kept)
  int badHexEscapes = 0;         // \' not followed by two hex digits
  bool Damaged() const {
    return truncated || strayClosingBraces > 0 || groupsBeyondDepthCap > 0 || badHexEscapes > 0;
  }
};

// Groups deeper than this share the state of the deepest one instead of getting their own, so
// hostile nesting costs neither stack nor memory.
inline constexpr int kMaxGroupDepth = 1000;

bool LooksLikeRtf(std::string_view bytes);

// The result is normalised (Normalize.h). Styles (\s) apply nothing: producers write the
// formatting of every run and paragraph explicitly as well, which is what the reader takes.
// Lists: a paragraph with a list label (\pntext, \listtext), a \pn of a bulleted or numbered
// level, or an \ls whose level shows a label becomes a bullet paragraph (the model has no
// numbering); label text never becomes paragraph text.
RichDocument ReadRtf(std::string_view bytes, RtfReadReport* report = nullptr);

}  // namespace rtf
