// Reading a document file the way the editor does: as RTF, and when the data is not RTF, as
// plain text. rtfdump, rtfconv and the rich-text control all load through here.
#pragma once

#include <string>
#include <string_view>

#include "platform/rtf/RichDocument.h"
#include "platform/rtf/RtfReader.h"

namespace rtf {

struct LoadInfo {
  bool rtf = false;      // false: the data was read as plain text
  RtfReadReport report;  // what the RTF reader had to put up with
};

// What a damaged RTF lost, for a warning: "damaged RTF (truncated=1, ...); showing what could be
// read".
std::string DamageText(const RtfReadReport& report);

// Never fails: whatever is not RTF is text.
RichDocument LoadDocument(std::string_view bytes, LoadInfo* info = nullptr);

}  // namespace rtf
