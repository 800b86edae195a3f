// GIF decoding throughput of the picture class beside giflib, both decoding the same files to
// pixel indices in the same run: a large 256-colour picture and an animation. Throughput is in
// bytes of decoded pixels (one byte per pixel) per second; the last lines give the ratios.
#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "pictures/GifWriter.h"
#include "pictures/RxGIF.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct TInput {
  Bytes file;
  std::int64_t pixels = 0;
};

// A smooth, photo-like field of 256 colours with a little noise, so strings are of the
// lengths real pictures give rather than the extremes of flat colour or pure noise.
Bytes Picture(int width, int height, unsigned seed, int phase) {
  std::mt19937 random(seed);
  Bytes indices(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const double v = 64 * std::sin((x + phase) / 57.0) + 48 * std::cos(y / 31.0) +
                       40 * std::sin((x + y + 2 * phase) / 97.0) + 127;
      indices[static_cast<std::size_t>(y) * width + x] =
          static_cast<std::uint8_t>((static_cast<int>(v) + static_cast<int>(random() % 3)) & 0xFF);
    }
  return indices;
}

TGIFColorTable Palette(int shift) {
  TGIFColorTable table;
  table.Count = 256;
  for (std::size_t i = 0; i < 256; ++i)
    table.Colors[i] = {static_cast<std::uint8_t>(i),
                       static_cast<std::uint8_t>((i * 3 + shift) & 0xFF),
                       static_cast<std::uint8_t>(255 - i)};
  return table;
}

const TInput& Large() {
  static const TInput input = [] {
    TGifWritePicture p;
    p.ScreenWidth = p.ScreenHeight = 2000;
    p.GlobalMap = Palette(0);
    TGifWriteFrame f;
    f.Width = f.Height = 2000;
    f.Indices = Picture(2000, 2000, 1, 0);
    p.Frames.push_back(std::move(f));
    return TInput{WriteGif(p), 2000LL * 2000};
  }();
  return input;
}

// 60 frames of 480x360, each with its own table, every third interlaced.
const TInput& Animated() {
  static const TInput input = [] {
    TGifWritePicture p;
    p.ScreenWidth = 480;
    p.ScreenHeight = 360;
    p.GlobalMap = Palette(0);
    p.LoopCount = 0;
    std::int64_t pixels = 0;
    for (int i = 0; i < 60; ++i) {
      TGifWriteFrame f;
      f.Width = 480;
      f.Height = 360;
      f.Indices = Picture(480, 360, static_cast<unsigned>(i + 2), 9 * i);
      f.LocalMap = Palette(i);
      f.Interlaced = i % 3 == 0;
      f.DelayCs = 4;
      pixels += 480 * 360;
      p.Frames.push_back(std::move(f));
    }
    return TInput{WriteGif(p), pixels};
  }();
  return input;
}

// --- The picture class.

std::int64_t DecodeWithPictureClass(const Bytes& file) {
  TGIFImage gif;
  gif.LoadFromBytes(file);
  std::int64_t checksum = 0;
  for (int i = 0; i < gif.Count(); ++i) checksum += gif.Frames(i).Dib().ScanLine(0)[0];
  return checksum;
}

// --- giflib, decoding each frame's lines into an index buffer.

struct TMemoryReader {
  const Bytes* file;
  std::size_t at = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int count) {
  auto* reader = static_cast<TMemoryReader*>(gif->UserData);
  const std::size_t n =
      std::min<std::size_t>(static_cast<std::size_t>(count), reader->file->size() - reader->at);
  std::memcpy(buffer, reader->file->data() + reader->at, n);
  reader->at += n;
  return static_cast<int>(n);
}

// Decodes every frame; returns the frames' indices (kept only when asked, for the check).
std::int64_t DecodeWithGiflib(const Bytes& file, std::vector<Bytes>* frames = nullptr) {
  TMemoryReader reader{&file};
  int error = 0;
  GifFileType* gif = DGifOpen(&reader, ReadFromMemory, &error);
  if (!gif) throw std::runtime_error("giflib cannot open the file");
  std::int64_t checksum = 0;
  Bytes pixels;
  GifRecordType type;
  do {
    if (DGifGetRecordType(gif, &type) == GIF_ERROR) break;
    if (type == IMAGE_DESC_RECORD_TYPE) {
      if (DGifGetImageDesc(gif) == GIF_ERROR) break;
      const int w = gif->Image.Width, h = gif->Image.Height;
      pixels.resize(static_cast<std::size_t>(w) * h);
      for (int y = 0; y < h; ++y)
        if (DGifGetLine(gif, pixels.data() + static_cast<std::size_t>(y) * w, w) == GIF_ERROR)
          break;
      checksum += pixels[0];
      if (frames) frames->push_back(pixels);
    } else if (type == EXTENSION_RECORD_TYPE) {
      int code;
      GifByteType* block;
      if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) break;
      while (block && DGifGetExtensionNext(gif, &block) != GIF_ERROR) {
      }
    }
  } while (type != TERMINATE_RECORD_TYPE);
  DGifCloseFile(gif, &error);
  return checksum;
}

// Both decoders must agree before their speeds mean anything. Interlaced frames come out of
// giflib in file row order, so rows are compared through the pass order.
void CheckSameIndices(const TInput& input) {
  std::vector<Bytes> reference;
  DecodeWithGiflib(input.file, &reference);
  TGIFImage gif;
  gif.LoadFromBytes(input.file);
  if (static_cast<std::size_t>(gif.Count()) != reference.size())
    throw std::runtime_error("frame counts differ");
  for (int i = 0; i < gif.Count(); ++i) {
    const TGIFFrame& f = gif.Frames(i);
    const TGIFDib& dib = f.Dib();
    std::vector<int> order;
    const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < (f.Interlaced() ? 4 : 1); ++pass)
      for (int y = f.Interlaced() ? start[pass] : 0; y < f.Height();
           y += f.Interlaced() ? step[pass] : 1)
        order.push_back(y);
    for (int k = 0; k < f.Height(); ++k)
      if (std::memcmp(dib.ScanLine(order[static_cast<std::size_t>(k)]),
                      reference[static_cast<std::size_t>(i)].data() +
                          static_cast<std::size_t>(k) * f.Width(),
                      static_cast<std::size_t>(f.Width())) != 0)
        throw std::runtime_error("decoders disagree on frame " + std::to_string(i));
  }
}

template <const TInput& (*Input)()>
void BM_PictureClass(benchmark::State& state) {
  const TInput& input = Input();
  for (auto _ : state) benchmark::DoNotOptimize(DecodeWithPictureClass(input.file));
  state.SetBytesProcessed(state.iterations() * input.pixels);
}

template <const TInput& (*Input)()>
void BM_Giflib(benchmark::State& state) {
  const TInput& input = Input();
  for (auto _ : state) benchmark::DoNotOptimize(DecodeWithGiflib(input.file));
  state.SetBytesProcessed(state.iterations() * input.pixels);
}

BENCHMARK(BM_PictureClass<Large>)
    ->Name("Large2000x2000/PictureClass")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Giflib<Large>)->Name("Large2000x2000/giflib")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PictureClass<Animated>)
    ->Name("Animated60x480x360/PictureClass")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Giflib<Animated>)->Name("Animated60x480x360/giflib")->Unit(benchmark::kMillisecond);

// Prints the usual table, then each picture's throughput ratio (picture class / giflib).
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& run : runs) {
      // With repetitions, the mean stands for the benchmark.
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "mean") continue;
      const auto it = run.counters.find("bytes_per_second");
      if (it != run.counters.end()) speeds_[run.run_name.str()] = it->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (const char* picture : {"Large2000x2000", "Animated60x480x360"}) {
      const double ours = speeds_[std::string(picture) + "/PictureClass"];
      const double theirs = speeds_[std::string(picture) + "/giflib"];
      if (ours > 0 && theirs > 0)
        std::printf("%s: picture class %.1f MB/s, giflib %.1f MB/s, ratio %.2f\n", picture,
                    ours / 1e6, theirs / 1e6, ours / theirs);
    }
  }

 private:
  std::map<std::string, double> speeds_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  CheckSameIndices(Large());
  CheckSameIndices(Animated());
  std::printf("inputs: %zu bytes (2000x2000), %zu bytes (60 frames of 480x360)\n",
              Large().file.size(), Animated().file.size());
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
