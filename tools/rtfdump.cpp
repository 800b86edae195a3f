// rtfdump FILE [--chars]: loads FILE as the editor does (RTF, else plain text) and prints the
// document model as JSON, or with --chars one line per paragraph and character (for diff).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "platform/rtf/DocumentDump.h"
#include "platform/rtf/LoadDocument.h"

namespace {

bool ReadFile(const char* path, std::string& bytes, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = std::string("Cannot open file \"") + path + "\"";
    return false;
  }
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = std::string("Cannot read file \"") + path + "\"";
    return false;
  }
  return true;
}

void ReportDamage(const rtf::LoadInfo& info) {
  if (!info.rtf || !info.report.Damaged()) return;
  const rtf::RtfReadReport& r = info.report;
  std::fprintf(stderr,
               "rtfdump: warning: damaged RTF (truncated=%d, stray closing braces=%d, groups "
               "beyond depth cap=%d, bad \\' escapes=%d); showing what could be read\n",
               r.truncated ? 1 : 0, r.strayClosingBraces, r.groupsBeyondDepthCap, r.badHexEscapes);
}

}  // namespace

int main(int argc, char** argv) {
  const bool chars = argc == 3 && std::string(argv[2]) == "--chars";
  if (argc != 2 && !chars) {
    std::fprintf(stderr, "usage: rtfdump FILE [--chars]\n");
    return 2;
  }
  try {
    std::string bytes, error;
    if (!ReadFile(argv[1], bytes, error)) {
      std::fprintf(stderr, "rtfdump: %s\n", error.c_str());
      return 1;
    }
    rtf::LoadInfo info;
    const rtf::RichDocument doc = rtf::LoadDocument(bytes, &info);
    ReportDamage(info);
    const std::string text = chars ? rtf::DocumentToCharacterLines(doc) : rtf::DocumentToJson(doc);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "rtfdump: %s\n", e.what());
    return 1;
  }
}
