// Fuzzes plain-text decoding and encoding: any bytes decode, and text that came from UTF-8 or
// Windows-1251 survives being written as UTF-8 and read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/rtf/PlainText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const rtf::RichDocument doc = rtf::ReadPlainText(bytes);
  if (doc.paragraphs.empty()) std::abort();
  for (auto encoding :
       {rtf::TextEncoding::Utf16Le, rtf::TextEncoding::Utf16Be, rtf::TextEncoding::Cp1251}) {
    (void)rtf::WritePlainText(doc, {encoding, "\n"});
  }
  const rtf::TextEncoding source = rtf::DetectTextEncoding(bytes);
  if (source == rtf::TextEncoding::Utf16Le || source == rtf::TextEncoding::Utf16Be) return 0;
  const std::string utf8 = rtf::WritePlainText(doc, {rtf::TextEncoding::Utf8Bom, "\r\n"});
  if (rtf::ReadPlainText(utf8) != doc) std::abort();
  return 0;
}
