// Fuzzes the RTF reader and, through its output, the writer: any input must read without a
// fault, and the document read must survive a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/rtf/DocumentDump.h"
#include "platform/rtf/LoadDocument.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  rtf::LoadInfo info;
  const rtf::RichDocument doc = rtf::LoadDocument(bytes, &info);
  if (doc.paragraphs.empty() || doc.fonts.empty()) std::abort();
  (void)rtf::DocumentToJson(doc);
  if (rtf::ReadRtf(rtf::WriteRtf(doc)) != doc) std::abort();
  return 0;
}
