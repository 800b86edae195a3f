// rtfconv IN OUT: loads IN as the editor does (RTF, else plain text) and writes OUT as RTF
// through the document writer, as the editor saves.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/rtf/LoadDocument.h"
#include "platform/rtf/RtfWriter.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: rtfconv IN OUT\n");
    return 2;
  }
  try {
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "rtfconv: Cannot open file \"%s\"\n", argv[1]);
      return 1;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
      std::fprintf(stderr, "rtfconv: Cannot read file \"%s\"\n", argv[1]);
      return 1;
    }
    const std::string rtfText = rtf::WriteRtf(rtf::LoadDocument(bytes));
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    if (!out) {
      std::fprintf(stderr, "rtfconv: Cannot create file \"%s\"\n", argv[2]);
      return 1;
    }
    out.write(rtfText.data(), static_cast<std::streamsize>(rtfText.size()));
    out.close();
    if (!out) {
      std::fprintf(stderr, "rtfconv: Failed to Save Stream to \"%s\"\n", argv[2]);
      return 1;
    }
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "rtfconv: %s\n", e.what());
    return 1;
  }
}
