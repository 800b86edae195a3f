// Document model -> RTF in the dialect the Windows rich-edit control writes: ANSI code page
// 1251, font and colour tables, \pard paragraphs, \b \i \ul \cf \fs deltas, \'xx for characters
// of a run's code page and \uN? for the rest, rich-edit bullets.
#pragma once

#include <string>

#include "platform/rtf/RichDocument.h"

namespace rtf {

// Every paragraph is written with its \par. ReadRtf(WriteRtf(doc)) == Normalize(doc) for any
// document; the writer needs no normalised input.
std::string WriteRtf(const RichDocument& doc);

}  // namespace rtf
