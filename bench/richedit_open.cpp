// The rich-text control on a 10 MB RTF document in the rich-edit style (Cyrillic text, a
// format change every ~50 characters): the whole open (file -> control ready, first screen
// painted), find of a word at the very end, and typing a character in the big document.
// Peak memory (VmHWM) is reported as a counter after the first open.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "BigDocument.h"
#include "platform/core/Stream.h"
#include "platform/framework/Application.h"
#include "platform/framework/Form.h"
#include "platform/graphics/Bitmap.h"
#include "platform/richedit/RichEdit.h"
#include "platform/rtf/RtfWriter.h"
#include "platform/testing/TestInput.h"

namespace {

constexpr std::size_t kTargetBytes = 10u << 20;
const char kLastWord[] = "конецдокумента";

long PeakRssKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return 0;
}

// The benchmark file, written once: about 10 MB of RTF.
const std::string& BigFile() {
  static const std::string path =
      bench::WriteBigRtfFile("/tmp/tarvik_bench_10mb.rtf", kTargetBytes);
  return path;
}

// About 200 MB of RTF: the 10 MB document's paragraphs twenty times over.
const std::string& LargeFile() {
  static const std::string path = [] {
    const std::string name = "/tmp/tarvik_bench_200mb.rtf";
    if (std::filesystem::exists(name)) return name;  // made by an earlier run
    const std::string small = ReadWholeFile(BigFile());
    const std::size_t bodyStart = small.find("\\viewkind4");
    const std::size_t bodyEnd = small.rfind('}');
    std::string large = small.substr(0, bodyStart);
    for (int i = 0; i < 20; ++i) large.append(small, bodyStart, bodyEnd - bodyStart);
    large += "}\r\n";
    WriteWholeFile(name, large.data(), large.size());
    std::printf("large document: %zu bytes of RTF\n", large.size());
    return name;
  }();
  return path;
}

// A window holding the control at the main window's editing-area size.
struct Editor {
  Editor() : form(new TForm(nullptr)) {
    form->SetBounds(100, 100, 745, 350);
    edit = new TRichEdit(form.get());
    edit->SetParent(form.get());
    edit->SetAlign(alClient);
    form->Show();
    Application->ProcessMessages();
  }
  // Ready to edit and the first screen painted (what the window shows, composed off-screen).
  void Open(const std::string& path) {
    TFileStream file(path, TFileStream::fmOpenRead);
    edit->LoadFromStream(file);
    edit->PaintTo(face);
  }
  TBitmap face;
  std::unique_ptr<TForm> form;
  TRichEdit* edit = nullptr;
};

void BM_OpenFirst(benchmark::State& state) {
  const std::string& path = BigFile();
  for (auto _ : state) {
    Editor editor;
    editor.Open(path);
    benchmark::DoNotOptimize(editor.edit->GetTextLen());
  }
  state.counters["VmHWM_MB"] = double(PeakRssKb()) / 1024.0;
}
BENCHMARK(BM_OpenFirst)->Iterations(1)->Unit(benchmark::kMillisecond);

// The large file in a fresh process (run it alone: --benchmark_filter=BM_OpenLarge), so that
// the peak memory is this document's.
void BM_OpenLarge(benchmark::State& state) {
  const std::string& path = LargeFile();
  const long before = PeakRssKb();
  for (auto _ : state) {
    Editor editor;
    editor.Open(path);
    benchmark::DoNotOptimize(editor.edit->GetTextLen());
  }
  state.counters["file_MB"] = double(std::filesystem::file_size(path)) / (1 << 20);
  state.counters["VmHWM_MB"] = double(PeakRssKb()) / 1024.0;
  state.counters["VmHWM_before_MB"] = double(before) / 1024.0;
}
BENCHMARK(BM_OpenLarge)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Open(benchmark::State& state) {
  const std::string& path = BigFile();
  Editor editor;
  for (auto _ : state) {
    editor.Open(path);
    benchmark::DoNotOptimize(editor.edit->GetTextLen());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kTargetBytes));
  state.counters["characters"] = editor.edit->GetTextLen();
  state.counters["VmHWM_MB"] = double(PeakRssKb()) / 1024.0;
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond)->MinTime(3.0);

void BM_FindAtEnd(benchmark::State& state) {
  Editor editor;
  editor.Open(BigFile());
  int found = -1;
  for (auto _ : state) {
    found = editor.edit->FindText(kLastWord, 0, editor.edit->GetTextLen(), stMatchCase);
    benchmark::DoNotOptimize(found);
  }
  if (found < 0) state.SkipWithError("the last word was not found");
}
BENCHMARK(BM_FindAtEnd)->Unit(benchmark::kMillisecond);

// Typing as the editor's window does it: the key-press handler reads the caret position, the
// control inserts the character, the change handler sets the default style, the window
// repaints. Every few characters a new paragraph starts, as in real typing.
void TypeInto(benchmark::State& state, Editor& editor) {
  TRichEdit& edit = *editor.edit;
  TPoint caret;
  edit.OnKeyPress = [&](TComponent*, char32_t&) { caret = edit.CaretPos(); };
  edit.OnChange = [&](TComponent*) { edit.DefAttributes().SetStyle(fsBold); };
  edit.SetFocus();
  int typed = 0;
  for (auto _ : state) {
    if (++typed % 60 == 0) {
      TestInput::Key(editor.form.get(), VK_RETURN, "\r");
    } else {
      TestInput::Type(editor.form.get(), "ж");
    }
    editor.edit->Repaint();
  }
  benchmark::DoNotOptimize(caret);
}

void BM_TypeAtEnd(benchmark::State& state) {
  Editor editor;
  editor.Open(BigFile());
  editor.edit->SetSelStart(editor.edit->GetTextLen());  // lays the document out once
  TypeInto(state, editor);
}
BENCHMARK(BM_TypeAtEnd)->Unit(benchmark::kMicrosecond);

void BM_TypeAtStart(benchmark::State& state) {
  Editor editor;
  editor.Open(BigFile());
  TypeInto(state, editor);
}
BENCHMARK(BM_TypeAtStart)->Unit(benchmark::kMicrosecond);

// The first move to the end of a freshly opened document (Ctrl+End, then a key): showing the
// caret and counting its line lay out everything before it, once.
void BM_FirstMoveToEnd(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Editor editor;
    editor.Open(BigFile());
    state.ResumeTiming();
    editor.edit->SetSelStart(editor.edit->GetTextLen());
    benchmark::DoNotOptimize(editor.edit->CaretPos());
    editor.edit->Repaint();
  }
}
BENCHMARK(BM_FirstMoveToEnd)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 0);
  setenv("QT_FONT_DPI", "96", 0);
  Application->Initialize(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Application->Finalize();
  return 0;
}
