#include "platform/rtf/Normalize.h"

#include <algorithm>

namespace rtf {

namespace {

bool SameFaceIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// U+0000 never reaches the control; a CR inside a paragraph can only mean a line break.
void CleanText(std::u16string& text) {
  if (text.find_first_of(u"\r\0", 0, 2) == std::u16string::npos) return;
  std::u16string clean;
  clean.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t ch = text[i];
    if (ch == 0) continue;
    if (ch == u'\r') {
      clean.push_back(u'\n');
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      continue;
    }
    clean.push_back(ch);
  }
  text = std::move(clean);
}

void MergeRuns(std::vector<Run>& runs) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    CleanText(runs[i].text);
    if (runs[i].text.empty()) continue;
    if (kept > 0 && runs[kept - 1].format == runs[i].format) {
      runs[kept - 1].text += runs[i].text;
      continue;
    }
    if (kept != i) runs[kept] = std::move(runs[i]);
    ++kept;
  }
  runs.resize(kept);
}

// Face names as the RTF reader gives them back: no control characters, no surrounding blanks.
void CleanFaceName(std::string& face) {
  std::erase_if(face, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!face.empty() && blank(face.back())) face.pop_back();
  std::size_t start = 0;
  while (start < face.size() && blank(face[start])) ++start;
  face.erase(0, start);
}

// Out-of-range values first, so that runs they made equal are merged afterwards.
void ClampFormats(RichDocument& doc) {
  if (doc.fonts.empty()) doc.fonts.push_back(FontEntry{std::string(kDefaultFace), 1, 0});
  for (FontEntry& font : doc.fonts) CleanFaceName(font.face);
  const int count = static_cast<int>(doc.fonts.size());
  for (Paragraph& para : doc.paragraphs) {
    for (Run& run : para.runs) {
      if (run.format.font < 0 || run.format.font >= count) run.format.font = 0;
      run.format.color &= 0xFFFFFFu;
      run.format.sizeHalfPt = ClampSizeHalfPt(run.format.sizeHalfPt);
    }
  }
}

// Removing unused fonts maps used indices one-to-one, so it never makes two runs equal.
void KeepUsedFonts(RichDocument& doc) {
  const int count = static_cast<int>(doc.fonts.size());
  std::vector<int> newIndex(doc.fonts.size(), -1);
  bool any = false;
  for (Paragraph& para : doc.paragraphs) {
    for (Run& run : para.runs) {
      newIndex[run.format.font] = 0;
      any = true;
    }
  }
  if (!any) newIndex[0] = 0;  // a document without text keeps its first font
  std::vector<FontEntry> fonts;
  for (int i = 0; i < count; ++i) {
    if (newIndex[i] < 0) continue;
    newIndex[i] = static_cast<int>(fonts.size());
    fonts.push_back(std::move(doc.fonts[i]));
  }
  doc.fonts = std::move(fonts);
  for (Paragraph& para : doc.paragraphs) {
    for (Run& run : para.runs) run.format.font = newIndex[run.format.font];
  }
}

}  // namespace

void Normalize(RichDocument& doc) {
  ClampFormats(doc);
  for (Paragraph& para : doc.paragraphs) MergeRuns(para.runs);
  if (doc.paragraphs.empty()) doc.paragraphs.emplace_back();
  KeepUsedFonts(doc);
}

int FontIndex(RichDocument& doc, const FontEntry& font) {
  for (std::size_t i = 0; i < doc.fonts.size(); ++i) {
    const FontEntry& known = doc.fonts[i];
    if (known.charset == font.charset && known.pitch == font.pitch &&
        SameFaceIgnoringCase(known.face, font.face)) {
      return static_cast<int>(i);
    }
  }
  doc.fonts.push_back(font);
  return static_cast<int>(doc.fonts.size()) - 1;
}

}  // namespace rtf
