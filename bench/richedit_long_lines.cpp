// The rich-text control opening one paragraph without any break opportunity (one letter
// repeated, NUL bytes) against one of ordinary words, at growing sizes: file to control ready
// with the first screen painted. Qt's line breaking looks ahead for the next break opportunity
// on every line, which made such paragraphs take minutes.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/core/Stream.h"
#include "platform/framework/Application.h"
#include "platform/framework/Form.h"
#include "platform/graphics/Bitmap.h"
#include "platform/richedit/RichEdit.h"

namespace {

enum Kind { kLetter, kNul, kWords };

std::string Content(Kind kind, std::size_t bytes) {
  if (kind == kLetter) return std::string(bytes, 'a');
  if (kind == kNul) return std::string(bytes, '\0');
  std::string text;
  while (text.size() < bytes) text += "word another longer text ";
  text.resize(bytes);
  return text;
}

std::string FileFor(Kind kind, std::size_t bytes) {
  const std::string name =
      "/tmp/tarvik_bench_line_" + std::to_string(kind) + "_" + std::to_string(bytes) + ".txt";
  const std::string text = Content(kind, bytes);
  WriteWholeFile(name, text.data(), text.size());
  return name;
}

void BM_OpenOneLine(benchmark::State& state, Kind kind) {
  const std::string path = FileFor(kind, static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    std::unique_ptr<TForm> form(new TForm(nullptr));
    form->SetBounds(100, 100, 745, 350);
    auto* edit = new TRichEdit(form.get());
    edit->SetParent(form.get());
    edit->SetAlign(alClient);
    form->Show();
    TFileStream file(path, TFileStream::fmOpenRead);
    edit->LoadFromStream(file);
    TBitmap face;
    edit->PaintTo(face);
    Application->ProcessMessages();
    benchmark::DoNotOptimize(edit->GetTextLen());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
}

}  // namespace

BENCHMARK_CAPTURE(BM_OpenOneLine, letter, kLetter)
    ->Arg(50 << 10)
    ->Arg(200 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_OpenOneLine, nul, kNul)
    ->Arg(50 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_OpenOneLine, words, kWords)
    ->Arg(50 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

int main(int argc, char** argv) {
  Application->Initialize(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
