// The dump tools' output: valid JSON whatever the text holds, and the per-character lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "common/JsonValue.h"
#include "platform/rtf/DocumentDump.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/Utf.h"

TEST(Dump, JsonIsValidAndCarriesTheModel) {
  rtf::RichDocument doc;
  doc.fonts.push_back({"Fa\"ce\\", 204, 0});
  rtf::CharFormat format;
  format.sizeHalfPt = 21;
  format.bold = true;
  format.color = 0x123456;
  std::u16string text = u"q\"\\\n\t\x01\x7f ж";
  text.push_back(0xD800);  // unpaired surrogate: shown as U+FFFD
  doc.paragraphs.push_back(
      rtf::Paragraph{{rtf::Align::Justify, 710, -361, 0, true}, {rtf::Run{text, format}}});
  const testjson::JsonValue json = testjson::ParseJson(rtf::DocumentToJson(doc));
  const auto& para = json["paragraphs"].array.at(0);
  EXPECT_EQ(para["align"].string, "justify");
  EXPECT_DOUBLE_EQ(para["li_pt"].number, 35.5);
  EXPECT_DOUBLE_EQ(para["fi_pt"].number, -18.05);
  EXPECT_DOUBLE_EQ(para["first_line_abs_pt"].number, 17.45);
  EXPECT_TRUE(para["bullet"].boolean);
  const auto& run = para["runs"].array.at(0);
  EXPECT_EQ(run["text"].string, "q\"\\\n\t\x01\x7f ж\xEF\xBF\xBD");
  EXPECT_EQ(para["text"].string, run["text"].string);
  EXPECT_EQ(run["face"].string, "Fa\"ce\\");
  EXPECT_DOUBLE_EQ(run["size_pt"].number, 10.5);
  EXPECT_TRUE(run["bold"].boolean);
  EXPECT_FALSE(run["italic"].boolean);
  EXPECT_EQ(run["color"].string, "#563412");
  EXPECT_EQ(run["charset"].number, 204);
}

TEST(Dump, FirstLinePositionHoldsForIndentsAtTheEndsOfTheRange) {
  constexpr int kMin = std::numeric_limits<int>::min();
  constexpr int kMax = std::numeric_limits<int>::max();
  const struct {
    int left, first;
    double absolute;
  } cases[] = {
      {kMin, kMin, -214748364.8},  // their sum does not fit in 32 bits
      {kMax, kMax, 214748364.7},
      {kMax, kMin, -0.05},
      {-40, 20, -1.0},
  };
  for (const auto& c : cases) {
    rtf::RichDocument doc;
    doc.paragraphs.push_back(rtf::Paragraph{{rtf::Align::Left, c.left, c.first, 0, false}, {}});
    const testjson::JsonValue json = testjson::ParseJson(rtf::DocumentToJson(doc));
    EXPECT_DOUBLE_EQ(json["paragraphs"].array.at(0)["first_line_abs_pt"].number, c.absolute)
        << c.left << " + " << c.first;
  }
}

TEST(Dump, PiecesMakeUpTheWholeText) {
  rtf::RichDocument doc;
  for (int i = 0; i < 3; ++i)
    doc.paragraphs.push_back(
        rtf::Paragraph{{}, {rtf::Run{std::u16string(i == 1 ? 700000 : 5, u'x'), {}}}});
  for (const bool chars : {false, true}) {
    std::vector<std::string> pieces;
    const auto sink = [&pieces](std::string_view piece) { pieces.emplace_back(piece); };
    chars ? rtf::WriteDocumentCharacterLines(doc, sink) : rtf::WriteDocumentJson(doc, sink);
    std::string joined;
    std::size_t largest = 0;
    for (const std::string& piece : pieces) {
      joined += piece;
      largest = std::max(largest, piece.size());
    }
    EXPECT_EQ(joined, chars ? rtf::DocumentToCharacterLines(doc) : rtf::DocumentToJson(doc));
    EXPECT_GE(pieces.size(), 4u) << chars;
    // The 700,000 character lines (some 20 MB) never stand in memory at once.
    if (chars) {
      EXPECT_LE(largest, (1u << 20) + 200);
    }
  }
}

TEST(Dump, CharacterLinesLeaveOutTrailingEmptyParagraphs) {
  const rtf::RichDocument doc =
      rtf::ReadRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\qc\\li20 \\b a\\i b\\par\\par\\par}");
  EXPECT_EQ(rtf::DocumentToCharacterLines(doc),
            "P center li=1.0 fi=0.0 bullet=0\n"
            "  U+0061 12.0 b-- #000000 arial\n"
            "  U+0062 12.0 bi- #000000 arial\n");
}
