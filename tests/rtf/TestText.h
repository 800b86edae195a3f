// Small helpers the RTF tests share: documents as UTF-8 paragraph texts.
#pragma once

#include <string>
#include <vector>

#include "platform/rtf/RichDocument.h"
#include "platform/rtf/Utf.h"

namespace rtftest {

inline std::string ParagraphText(const rtf::Paragraph& para) {
  std::u16string text;
  for (const rtf::Run& run : para.runs) text += run.text;
  return rtf::Utf16ToUtf8(text);
}

inline std::vector<std::string> Texts(const rtf::RichDocument& doc) {
  std::vector<std::string> texts;
  for (const rtf::Paragraph& para : doc.paragraphs) texts.push_back(ParagraphText(para));
  return texts;
}

inline std::string AllText(const rtf::RichDocument& doc) {
  std::string all;
  for (const rtf::Paragraph& para : doc.paragraphs) all += ParagraphText(para) + "\n";
  return all;
}

}  // namespace rtftest
