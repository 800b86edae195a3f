// rtfconv IN OUT: loads IN as the editor does (RTF, else plain text) and writes OUT as RTF
// through the document writer, as the editor saves. OUT is replaced only once it is complete.
// A damaged RTF is converted as far as it could be read, with a warning on stderr.
#include <cstdio>
#include <string>

#include "platform/core/Stream.h"
#include "platform/rtf/LoadDocument.h"
#include "platform/rtf/RtfWriter.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: rtfconv IN OUT\n");
    return 2;
  }
  try {
    rtf::LoadInfo info;
    const rtf::RichDocument doc = rtf::LoadDocument(ReadWholeFile(argv[1]), &info);
    if (info.rtf && info.report.Damaged())
      std::fprintf(stderr, "rtfconv: warning: %s\n", rtf::DamageText(info.report).c_str());
    const std::string rtfText = rtf::WriteRtf(doc);
    WriteWholeFile(argv[2], rtfText.data(), rtfText.size());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "rtfconv: %s\n", e.what());
    return 1;
  }
}
