// gifdump FILE OUTPREFIX: reads a GIF picture with the picture class (damaged data tolerated),
// decodes every frame, prints what was read as one JSON object and writes frame i as the binary
// PPM file OUTPREFIX.i.ppm, each pixel the colour of its palette entry. On an error it prints
// the picture class's message and exits with 1.
#include <cstdio>
#include <string>

#include "pictures/GifDump.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

namespace {

void WriteFile(const std::string& fileName, const std::string& data) {
  WriteWholeFile(fileName, data.data(), data.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: gifdump FILE OUTPREFIX\n");
    return 2;
  }
  try {
    SetGIFLoadCorrupted(true);
    TGIFImage gif;
    TFileStream in(argv[1], TFileStream::fmOpenRead);
    gif.LoadFromStream(in);
    for (int i = 0; i < gif.Count(); ++i)
      WriteFile(std::string(argv[2]) + "." + std::to_string(i) + ".ppm",
                GifFramePpm(gif.Frames(i).Dib()));
    std::printf("%s\n", GifPictureJson(gif).c_str());
    return 0;
  } catch (const Exception& e) {
    // Scripts capture one stream or the other; the message goes to both.
    std::printf("%s\n", e.what());
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}
