// Speed of the drawing layer on the work every control does on every paint: filling a
// screen-sized bitmap, copying a finished face to the screen, and drawing a caption.
#include <benchmark/benchmark.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/framework/Surface.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void BM_FillRect1920x1080(benchmark::State& state) {
  TBitmap bitmap(kWidth, kHeight);
  TCanvas& canvas = bitmap.Canvas();
  TColor colors[2] = {clBtnFace, RGB(10, 36, 106)};
  int i = 0;
  for (auto _ : state) {
    canvas.Brush().SetColor(colors[i++ & 1]);
    canvas.FillRect(Rect(0, 0, kWidth, kHeight));
    benchmark::DoNotOptimize(bitmap.ScanLine(kHeight - 1));
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_FillRect1920x1080)->Unit(benchmark::kMicrosecond);

void BM_CopyBitmapToWidgetSurface1920x1080(benchmark::State& state) {
  TBitmap bitmap(kWidth, kHeight);
  bitmap.Canvas().Brush().SetColor(clBtnFace);
  bitmap.Canvas().FillRect(Rect(0, 0, kWidth, kHeight));
  bitmap.Canvas().Ellipse(100, 100, 900, 700);
  TSurface surface(kWidth, kHeight);
  surface.Show();
  if (!surface.Present(bitmap)) {
    state.SkipWithError("the surface is not exposed, nothing is painted");
    return;
  }
  for (auto _ : state) surface.Present(bitmap);
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(BM_CopyBitmapToWidgetSurface1920x1080)->Unit(benchmark::kMicrosecond);

void BM_DrawTextCaption30Chars(benchmark::State& state) {
  TBitmap bitmap(240, 25);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetCharset(RUSSIAN_CHARSET);
  const std::string caption = "Сохранить документ как файл...";  // 30 characters
  for (auto _ : state) {
    TRect r = Rect(0, 0, 240, 25);
    benchmark::DoNotOptimize(
        canvas.DrawText(caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS));
  }
}
BENCHMARK(BM_DrawTextCaption30Chars)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  EnsureGuiApplication(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
