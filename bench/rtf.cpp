// RTF codec speed on a 10 MB document in the rich-edit style: Russian text in cp1251 \'xx
// escapes, a format change about every 50 characters, paragraphs of a few hundred characters.
// Throughput is per CPU second: the build machines are shared, so wall time says little.
#include <benchmark/benchmark.h>

#include <random>

#include "platform/rtf/PlainText.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"

namespace {

constexpr std::size_t kTargetBytes = 10u << 20;

const char16_t* const kWords[] = {u"съешь",       u"же",    u"ещё",       u"этих",      u"мягких",
                                  u"французских", u"булок", u"да",        u"выпей",     u"чаю",
                                  u"в",           u"чащах", u"юга",       u"жил",       u"бы",
                                  u"цитрус",      u"но",    u"фальшивый", u"экземпляр", u"Москва",
                                  u"редактор",    u"текст", u"абзац",     u"строка",    u"шрифт"};

rtf::RichDocument MakeRichEditStyleDocument() {
  std::mt19937 rng(42);
  auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  rtf::RichDocument doc;
  doc.fonts = {{"Arial", 204, 2}, {"Times New Roman", 204, 2}, {"Courier New", 204, 1}};
  const std::uint32_t colors[] = {0, 0x0000FF, 0x008000, 0xFF0000, 0x808080};
  std::size_t approxBytes = 0;
  while (approxBytes < kTargetBytes) {
    rtf::Paragraph& para = doc.paragraphs.emplace_back();
    para.format.align = static_cast<rtf::Align>(pick(3));
    para.format.firstTwips = pick(2) ? 0 : 360;
    const int runs = 4 + pick(8);
    for (int r = 0; r < runs; ++r) {
      rtf::Run run;
      run.format.font = pick(3);
      run.format.sizeHalfPt = 20 + 2 * pick(6);
      run.format.bold = pick(4) == 0;
      run.format.italic = pick(5) == 0;
      run.format.underline = pick(9) == 0;
      run.format.color = colors[pick(5)];
      while (run.text.size() < 45) {
        run.text += kWords[pick(static_cast<int>(std::size(kWords)))];
        run.text += pick(12) == 0 ? u", " : u" ";
      }
      approxBytes += run.text.size() * 4;
      para.runs.push_back(std::move(run));
    }
  }
  return doc;
}

const rtf::RichDocument& Document() {
  static const rtf::RichDocument doc = MakeRichEditStyleDocument();
  return doc;
}

const std::string& RtfFile() {
  static const std::string text = rtf::WriteRtf(Document());
  return text;
}

void BM_ParseRtf10MB(benchmark::State& state) {
  const std::string& file = RtfFile();
  for (auto _ : state) {
    rtf::RichDocument doc = rtf::ReadRtf(file);
    benchmark::DoNotOptimize(doc.paragraphs.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
  state.counters["file_MB"] = static_cast<double>(file.size()) / (1 << 20);
}
BENCHMARK(BM_ParseRtf10MB)->Unit(benchmark::kMillisecond);

void BM_WriteRtf10MB(benchmark::State& state) {
  const rtf::RichDocument& doc = Document();
  std::size_t bytes = 0;
  for (auto _ : state) {
    std::string text = rtf::WriteRtf(doc);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_WriteRtf10MB)->Unit(benchmark::kMillisecond);

void BM_ReadPlainTextCp1251(benchmark::State& state) {
  const std::string text = rtf::WritePlainText(Document(), {rtf::TextEncoding::Cp1251, "\r\n"});
  for (auto _ : state) {
    rtf::RichDocument doc = rtf::ReadPlainText(text);
    benchmark::DoNotOptimize(doc.paragraphs.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadPlainTextCp1251)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
