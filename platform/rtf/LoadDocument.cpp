#include "platform/rtf/LoadDocument.h"

#include "platform/rtf/PlainText.h"

namespace rtf {

RichDocument LoadDocument(std::string_view bytes, LoadInfo* info) {
  LoadInfo local;
  LoadInfo& out = info ? *info : local;
  out = LoadInfo{};
  if (LooksLikeRtf(bytes)) {
    out.rtf = true;
    return ReadRtf(bytes, &out.report);
  }
  return ReadPlainText(bytes);
}

std::string DamageText(const RtfReadReport& r) {
  return "damaged RTF (truncated=" + std::to_string(r.truncated ? 1 : 0) +
         ", stray closing braces=" + std::to_string(r.strayClosingBraces) +
         ", groups beyond depth cap=" + std::to_string(r.groupsBeyondDepthCap) +
         ", bad \\' escapes=" + std::to_string(r.badHexEscapes) + "); showing what could be read";
}

}  // namespace rtf
