// Text forms of a document for tools and tests: the JSON that rtfdump prints, and one line per
// character for comparing two documents with diff regardless of how producers split runs.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/rtf/RichDocument.h"

namespace rtf {

// {"paragraphs":[{"text","align","li_pt","fi_pt","first_line_abs_pt","bullet","runs":[{"text",
// "face","size_pt","bold","italic","underline","color":"#rrggbb","charset"}]}]}; li_pt and fi_pt
// keep their RTF meaning (\li, \fi relative to \li).
// Receives the text in pieces of about a paragraph each.
using DumpSink = std::function<void(std::string_view)>;

std::string DocumentToJson(const RichDocument& doc);
void WriteDocumentJson(const RichDocument& doc, const DumpSink& sink);

// A line per paragraph ("P align li fi bullet") followed by a line per character ("U+XXXX face
// size biu #rrggbb", face in lower case). Trailing empty paragraphs are left out.
std::string DocumentToCharacterLines(const RichDocument& doc);
void WriteDocumentCharacterLines(const RichDocument& doc, const DumpSink& sink);

}  // namespace rtf
