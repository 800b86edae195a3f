// How long single user actions keep the main window busy in a 10 MB document: each measured
// step is the whole action as the window runs it (the handler, the control's work, the repaint
// that shows the result), so any step over 100 ms is a window that does not repaint for that
// long. The document is ~10 MB of RTF with a format change every ~50 characters; the window is
// the real main window from its layout, with the scripted environment (no real dialogs or
// sounds).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

#include "BigDocument.h"
#include "app/AppLayoutClasses.h"
#include "app/Unit1.h"
#include "controls/WordRuler.h"
#include "platform/core/Stream.h"
#include "platform/framework/Application.h"
#include "platform/layout/LayoutReader.h"
#include "platform/richedit/RichEdit.h"
#include "platform/rtf/RtfWriter.h"
#include "platform/testing/TestInput.h"
#include "tests/common/FakeEnvironment.h"

namespace {

constexpr std::size_t kTargetBytes = 10u << 20;
const char kLastWord[] = "конецдокумента";

const std::string& BigFile() {
  static const std::string path =
      bench::WriteBigRtfFile("/tmp/tarvik_bench_responsiveness_10mb.rtf", kTargetBytes);
  return path;
}

// The main window from its layout, shown, with the big document loaded as the open command
// loads it.
struct MainWindow {
  MainWindow() {
    form = std::make_unique<TForm1>();
    ReadOwnLayout(*form);
    form->AfterConstruction();
    form->Show();
    TestInput::ProcessEvents();
    form->LoadDocumentFile(BigFile());
    form->DocModified = 0;
    Editor().SetFocus();
    Editor().Repaint();
  }
  ~MainWindow() { form->Hide(); }
  TRichEdit& Editor() { return *form->RichEdit1; }
  void Key(TKey key, TShiftState shift = 0, const std::string& text = "") {
    TestInput::Key(form.get(), key, text, shift);
    Editor().Repaint();
  }

  FakeEnvironment env;
  std::unique_ptr<TForm1> form;
};

// Ctrl+End in a freshly opened document: the caret goes to the end and the window shows it.
void BM_FirstJumpToEnd(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    MainWindow window;
    state.ResumeTiming();
    window.Key(VK_END, ssCtrl);
  }
}
BENCHMARK(BM_FirstJumpToEnd)->Iterations(2)->Unit(benchmark::kMillisecond);

// The same after the user has looked at the first screen for two seconds: whatever the text
// control lays out while the window is idle is done by then.
void BM_JumpToEndAfterIdle(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    MainWindow window;
    TestInput::ProcessEvents(2000);
    state.ResumeTiming();
    window.Key(VK_END, ssCtrl);
  }
}
BENCHMARK(BM_JumpToEndAfterIdle)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_PageDown(benchmark::State& state) {
  MainWindow window;
  int pages = 0;
  for (auto _ : state) {
    window.Key(VK_NEXT);
    if (++pages % 200 == 0) {
      state.PauseTiming();
      window.Key(VK_HOME, ssCtrl);
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_PageDown)->Unit(benchmark::kMillisecond);

// "Выделить" and then a format for all of it: the toolbar's centre and the bold of the
// selection, each a separate action.
void BM_FirstSelectAll(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    MainWindow window;
    state.ResumeTiming();
    window.form->FlatButton8Click(nullptr);
    window.Editor().Repaint();
  }
}
BENCHMARK(BM_FirstSelectAll)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_SelectAllAgain(benchmark::State& state) {
  MainWindow window;
  window.form->FlatButton8Click(nullptr);
  for (auto _ : state) {
    window.Editor().SetSelStart(0);
    window.form->FlatButton8Click(nullptr);
    window.Editor().Repaint();
  }
}
BENCHMARK(BM_SelectAllAgain)->Unit(benchmark::kMillisecond);

void BM_CentreAll(benchmark::State& state) {
  MainWindow window;
  window.form->FlatButton8Click(nullptr);
  int turn = 0;
  for (auto _ : state) {
    if (++turn % 2)
      window.form->FlatButton11Click(nullptr);
    else
      window.form->FlatButton10Click(nullptr);
    window.Editor().Repaint();
  }
}
BENCHMARK(BM_CentreAll)->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_BoldAll(benchmark::State& state) {
  MainWindow window;
  window.form->FlatButton8Click(nullptr);
  int turn = 0;
  for (auto _ : state) {
    window.Editor().SelAttributes().SetStyle(++turn % 2 ? TFontStyles{fsBold} : TFontStyles{0});
    window.Editor().Repaint();
  }
}
BENCHMARK(BM_BoldAll)->Iterations(3)->Unit(benchmark::kMillisecond);

// "Найти далее" for a word that is only at the very end; the match is selected and shown.
// The first search of a fresh document also lays it out to show the match.
void FindAtEnd(benchmark::State& state, MainWindow& window) {
  window.form->FlatButton22Click(nullptr);
  FakeFindWindow& find = *window.env.findWindows.back();
  window.Editor().SetSelStart(0);
  find.PressFindNext(kLastWord, frDown);
  window.Editor().Repaint();
  if (window.Editor().SelText() != kLastWord) state.SkipWithError("the last word was not found");
}

void BM_FirstFindAtEnd(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    MainWindow window;
    state.ResumeTiming();
    FindAtEnd(state, window);
  }
}
BENCHMARK(BM_FirstFindAtEnd)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_FindAtEndAgain(benchmark::State& state) {
  MainWindow window;
  window.Key(VK_END, ssCtrl);
  for (auto _ : state) FindAtEnd(state, window);
}
BENCHMARK(BM_FindAtEndAgain)->Unit(benchmark::kMillisecond);

// A key typed as the window sees it: the key-press handler (caret line and column, the status
// bar, the key sound), the insertion, the change handler (base style), the repaint.
void TypeKeys(benchmark::State& state, MainWindow& window) {
  for (auto _ : state) {
    TestInput::Type(window.form.get(), "ж");
    window.Editor().Repaint();
  }
}

void BM_KeyAtStart(benchmark::State& state) {
  MainWindow window;
  window.form->TextStyleIndex = 2;
  TypeKeys(state, window);
}
BENCHMARK(BM_KeyAtStart)->Unit(benchmark::kMillisecond);

void BM_KeyAtEnd(benchmark::State& state) {
  MainWindow window;
  window.form->TextStyleIndex = 2;
  window.Key(VK_END, ssCtrl);
  TypeKeys(state, window);
}
BENCHMARK(BM_KeyAtEnd)->Unit(benchmark::kMillisecond);

// One step of a ruler drag: the ruler's change reaches the window, which sets both indents of
// the caret's paragraph (at the start and at the end of the document).
void RulerSteps(benchmark::State& state, MainWindow& window) {
  TWordRuler& ruler = *window.form->WordRuler1;
  ruler.SetVisible(true);
  TestInput::ProcessEvents();
  TestInput::MouseDown(&ruler, mbLeft, Point(4, 16));
  int x = 4;
  for (auto _ : state) {
    x = x >= 300 ? 4 : x + 8;
    TestInput::MouseMove(&ruler, Point(x, 16), ssLeft);
    window.Editor().Repaint();
  }
  TestInput::MouseUp(&ruler, mbLeft, Point(x, 16));
}

void BM_RulerDragAtStart(benchmark::State& state) {
  MainWindow window;
  RulerSteps(state, window);
}
BENCHMARK(BM_RulerDragAtStart)->Unit(benchmark::kMillisecond);

void BM_RulerDragAtEnd(benchmark::State& state) {
  MainWindow window;
  window.Key(VK_END, ssCtrl);
  RulerSteps(state, window);
}
BENCHMARK(BM_RulerDragAtEnd)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 0);
  setenv("QT_FONT_DPI", "96", 0);
  Application->Initialize(argc, argv);
  SetAnimationsEnabled(false);
  RegisterAppLayoutClasses();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Application->Finalize();
  return 0;
}
