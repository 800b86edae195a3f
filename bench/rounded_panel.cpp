// Redrawing the rounded panel's cached face, which the main window does on every resize: the
// design size and a maximised full-HD window, with the main window's corner and border.
#include <benchmark/benchmark.h>

#include "controls/RbPanel.h"
#include "platform/framework/Surface.h"
#include "platform/graphics/Canvas.h"

namespace {

void BM_RbPanelUpdateBuffer(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  TRbPanel panel(nullptr);
  panel.SetColor(25284);
  panel.SetCornerWidth(10);
  panel.SetBorderWidth(10);
  panel.SetBorderColor(1871359);
  panel.SetOuterColor(clBtnFace);
  panel.SetBounds(0, 0, width, height);
  for (auto _ : state) {
    panel.UpdateBuffer();
    benchmark::DoNotOptimize(panel.Buffer().ScanLine(height / 2));
  }
  state.SetItemsProcessed(state.iterations() * width * height);
}
BENCHMARK(BM_RbPanelUpdateBuffer)
    ->Args({745, 498})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond);

// The floor: one plain fill of the same size, which the flat inside of the panel costs anyway.
void BM_PlainFill(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  TBitmap bitmap(width, height);
  for (auto _ : state) {
    bitmap.Canvas().Brush().SetColor(25284);
    bitmap.Canvas().FillRect(Rect(0, 0, width, height));
    benchmark::DoNotOptimize(bitmap.ScanLine(height / 2));
  }
  state.SetItemsProcessed(state.iterations() * width * height);
}
BENCHMARK(BM_PlainFill)->Args({745, 498})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  EnsureGuiApplication(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
