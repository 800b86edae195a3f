// Every document in the samples folder, read as the editor reads it, must give the text and
// the per-character formatting its NAME.json lists. Producers split runs differently, so the
// comparison is per character; trailing empty paragraphs do not count.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "common/JsonValue.h"
#include "common/Requirements.h"
#include "platform/rtf/LoadDocument.h"
#include "platform/rtf/Utf.h"

namespace fs = std::filesystem;
using testjson::JsonValue;

namespace {

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string LowerAscii(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return s;
}

const char* AlignName(rtf::Align align) {
  switch (align) {
    case rtf::Align::Center:
      return "center";
    case rtf::Align::Right:
      return "right";
    case rtf::Align::Justify:
      return "justify";
    default:
      return "left";
  }
}

std::string ColorName(std::uint32_t color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF,
                (color >> 16) & 0xFF);
  return text;
}

// One character with everything the samples state about it.
struct CharFacts {
  std::u16string ch;  // one code point
  std::string face;
  double sizePt = 0;
  bool bold = false, italic = false, underline = false;
  std::string color;
  int charset = -1;  // -1: not stated
  bool operator==(const CharFacts&) const = default;
};

std::ostream& operator<<(std::ostream& os, const CharFacts& c) {
  return os << "'" << rtf::Utf16ToUtf8(c.ch) << "' " << c.face << " " << c.sizePt << "pt "
            << (c.bold ? "b" : "-") << (c.italic ? "i" : "-") << (c.underline ? "u" : "-") << " "
            << c.color << " charset " << c.charset;
}

std::vector<std::u16string> CodePoints(const std::u16string& text) {
  std::vector<std::u16string> points;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size();
    points.push_back(text.substr(i, pair ? 2 : 1));
    if (pair) ++i;
  }
  return points;
}

std::vector<CharFacts> ExpectedChars(const JsonValue& para) {
  std::vector<CharFacts> chars;
  for (const JsonValue& run : para["runs"].array) {
    for (const std::u16string& ch : CodePoints(rtf::Utf8ToUtf16(run["text"].string))) {
      CharFacts facts{ch,
                      LowerAscii(run["face"].string),
                      run["size_pt"].number,
                      run["bold"].boolean,
                      run["italic"].boolean,
                      run["underline"].boolean,
                      LowerAscii(run["color"].string),
                      run.Has("charset") ? static_cast<int>(run["charset"].number) : -1};
      chars.push_back(facts);
    }
  }
  return chars;
}

std::vector<CharFacts> ActualChars(const rtf::RichDocument& doc, const rtf::Paragraph& para,
                                   const std::vector<CharFacts>& expected) {
  std::vector<CharFacts> chars;
  for (const rtf::Run& run : para.runs) {
    const rtf::FontEntry& font = doc.fonts.at(run.format.font);
    for (const std::u16string& ch : CodePoints(run.text)) {
      const std::size_t i = chars.size();
      chars.push_back(
          CharFacts{ch, LowerAscii(font.face), run.format.sizeHalfPt / 2.0, run.format.bold,
                    run.format.italic, run.format.underline, ColorName(run.format.color),
                    (i < expected.size() && expected[i].charset < 0) ? -1 : font.charset});
    }
  }
  return chars;
}

std::u16string ParagraphText(const rtf::Paragraph& para) {
  std::u16string text;
  for (const rtf::Run& run : para.runs) text += run.text;
  return text;
}

std::vector<const rtf::Paragraph*> SignificantParagraphs(const rtf::RichDocument& doc) {
  std::vector<const rtf::Paragraph*> paras;
  for (const rtf::Paragraph& para : doc.paragraphs) paras.push_back(&para);
  while (!paras.empty() && paras.back()->runs.empty()) paras.pop_back();
  return paras;
}

std::vector<const JsonValue*> SignificantParagraphs(const JsonValue& expected) {
  std::vector<const JsonValue*> paras;
  for (const JsonValue& para : expected["paragraphs"].array) paras.push_back(&para);
  while (!paras.empty() && (*paras.back())["text"].string.empty()) paras.pop_back();
  return paras;
}

void CheckParagraph(const rtf::RichDocument& doc, const rtf::Paragraph& actual,
                    const JsonValue& expected, bool formatted) {
  EXPECT_EQ(rtf::Utf16ToUtf8(ParagraphText(actual)), expected["text"].string);
  if (!formatted) return;
  EXPECT_EQ(AlignName(actual.format.align), expected["align"].string);
  EXPECT_NEAR(actual.format.leftTwips / 20.0, expected["li_pt"].number, 1.0);
  EXPECT_NEAR(actual.format.firstTwips / 20.0, expected["fi_pt"].number, 1.0);
  EXPECT_EQ(actual.format.bullet, expected["bullet"].boolean);
  const std::vector<CharFacts> want = ExpectedChars(expected);
  const std::vector<CharFacts> got = ActualChars(doc, actual, want);
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    ASSERT_EQ(got[i], want[i]) << "character " << i;
  }
}

void CheckMalformed(const fs::path& source, const JsonValue& expected) {
  rtf::RichDocument doc;
  ASSERT_NO_THROW(doc = rtf::LoadDocument(ReadBytes(source)));
  std::string all;
  for (const rtf::Paragraph& para : doc.paragraphs)
    all += rtf::Utf16ToUtf8(ParagraphText(para)) + "\n";
  for (const JsonValue& piece : expected["recover_text"].array) {
    EXPECT_NE(all.find(piece.string), std::string::npos) << "lost: " << piece.string;
  }
}

void CheckSample(const fs::path& source, const JsonValue& expected) {
  const std::string kind = expected["kind"].string;
  if (kind == "malformed") {
    CheckMalformed(source, expected);
    return;
  }
  const rtf::RichDocument doc = rtf::LoadDocument(ReadBytes(source));
  const auto actual = SignificantParagraphs(doc);
  const auto want = SignificantParagraphs(expected);
  ASSERT_EQ(actual.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE("paragraph " + std::to_string(i));
    CheckParagraph(doc, *actual[i], *want[i], kind == "rtf");
  }
}

}  // namespace

TEST(Samples, EveryDocumentReadsAsItsExpectationSays) {
  const fs::path folder = fs::path(TARVIK_SAMPLES_DIR) / "rtf";
  if (!fs::is_directory(folder)) TARVIK_SKIP_UNLESS_REQUIRED("no samples at " + folder.string());
  int checked = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".json") continue;
    fs::path source = entry.path();
    source.replace_extension(".rtf");
    if (!fs::exists(source)) source.replace_extension(".txt");
    if (!fs::exists(source)) continue;
    SCOPED_TRACE(source.filename().string());
    CheckSample(source, testjson::ParseJson(ReadBytes(entry.path())));
    ++checked;
  }
  EXPECT_GT(checked, 0);
}
