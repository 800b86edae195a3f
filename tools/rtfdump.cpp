// rtfdump FILE [--chars]: loads FILE as the editor does (RTF, else plain text) and prints the
// document model as JSON, or with --chars one line per paragraph and character (for diff).
// The output goes out a paragraph at a time, so a large document is never held twice.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/core/Stream.h"
#include "platform/rtf/DocumentDump.h"
#include "platform/rtf/LoadDocument.h"

namespace {

// Standard output that remembers its first failure (a full disk, a closed pipe).
class Output {
 public:
  void Write(std::string_view text) {
    if (error_ == 0 && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
      error_ = errno != 0 ? errno : EIO;
  }
  // 0, or the reason the output did not get through.
  int Finish() {
    if (std::fflush(stdout) != 0 && error_ == 0) error_ = errno != 0 ? errno : EIO;
    return error_;
  }

 private:
  int error_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const bool chars = argc == 3 && std::string(argv[2]) == "--chars";
  if (argc != 2 && !chars) {
    std::fprintf(stderr, "usage: rtfdump FILE [--chars]\n");
    return 2;
  }
  try {
    rtf::LoadInfo info;
    const rtf::RichDocument doc = rtf::LoadDocument(ReadWholeFile(argv[1]), &info);
    if (info.rtf && info.report.Damaged())
      std::fprintf(stderr, "rtfdump: warning: %s\n", rtf::DamageText(info.report).c_str());
    Output output;
    const auto sink = [&output](std::string_view piece) { output.Write(piece); };
    chars ? rtf::WriteDocumentCharacterLines(doc, sink) : rtf::WriteDocumentJson(doc, sink);
    if (const int error = output.Finish()) {
      std::fprintf(stderr, "rtfdump: Cannot write the output. %s\n", std::strerror(error));
      return 1;
    }
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "rtfdump: %s\n", e.what());
    return 1;
  }
}
