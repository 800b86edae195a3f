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

}  // namespace rtf
