// The benchmarks' big document: paragraphs of ~8 runs of ~50 characters, each run in its own
// format, as a document typed and formatted in the editor would be; the last word,
// "конецдокумента", appears only at the very end.
#pragma once

#include <cstdio>
#include <random>
#include <string>

#include "platform/core/Stream.h"
#include "platform/rtf/RichDocument.h"
#include "platform/rtf/RtfWriter.h"

namespace bench {

inline rtf::RichDocument BigDocument(std::size_t paragraphs) {
  const std::u16string words[] = {u"документ", u"редактор", u"строка", u"абзац",  u"шрифт",
                                  u"и",        u"на",       u"Привет", u"текста", u"формат",
                                  u"жёлтый",   u"text",     u"съёмка", u"щука"};
  std::mt19937 random(12345);
  rtf::RichDocument doc;
  doc.fonts = {{"Arial", 204, 2}, {"Times New Roman", 204, 2}, {"Courier New", 204, 1}};
  for (std::size_t p = 0; p < paragraphs; ++p) {
    rtf::Paragraph para;
    para.format.align = p % 7 == 0 ? rtf::Align::Center : rtf::Align::Left;
    para.format.firstTwips = p % 3 == 0 ? 360 : 0;
    for (int r = 0; r < 8; ++r) {
      rtf::Run run;
      run.format.font = int(random() % 3);
      run.format.sizeHalfPt = 20 + 4 * int(random() % 4);
      run.format.bold = random() % 3 == 0;
      run.format.italic = random() % 4 == 0;
      run.format.color = random() % 2 ? 0x000000 : 0xCE0000;
      while (run.text.size() < 50) run.text += words[random() % 14] + u" ";
      para.runs.push_back(std::move(run));
    }
    doc.paragraphs.push_back(std::move(para));
  }
  rtf::Run last;
  last.text = u"конецдокумента";
  doc.paragraphs.back().runs.push_back(last);
  return doc;
}

// Writes a document of about targetBytes of RTF to path; returns path.
inline std::string WriteBigRtfFile(const std::string& path, std::size_t targetBytes) {
  std::string rtfText = rtf::WriteRtf(BigDocument(1000));
  const std::size_t paragraphs = 1000 * targetBytes / rtfText.size();
  rtfText = rtf::WriteRtf(BigDocument(paragraphs));
  TFileStream file(path, TFileStream::fmCreate);
  file.WriteBuffer(rtfText.data(), rtfText.size());
  file.Close();
  std::printf("document: %zu bytes of RTF, %zu paragraphs\n", rtfText.size(), paragraphs);
  return path;
}

}  // namespace bench
