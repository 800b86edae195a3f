// Damaged and hostile RTF: the reader neither crashes nor hangs, keeps the text that is there
// and says what it had to put up with.
#include <gtest/gtest.h>

#include <climits>

#include "TestText.h"
#include "platform/rtf/LoadDocument.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"

using rtftest::AllText;
using namespace std::string_literals;

namespace {

const std::string kStart =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0\\fs20 ";

}  // namespace

TEST(Damaged, TruncatedAnywhereKeepsWhatCameBefore) {
  const std::string full = kStart + "\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2 {\\b bold}\\par second\\par}";
  for (std::size_t cut = 0; cut <= full.size(); ++cut) {
    const std::string part = full.substr(0, cut);
    if (!rtf::LooksLikeRtf(part)) continue;
    rtf::RtfReadReport report;
    const rtf::RichDocument doc = rtf::ReadRtf(part, &report);
    ASSERT_FALSE(doc.paragraphs.empty());
    if (cut >= kStart.size() + 24) {
      EXPECT_NE(AllText(doc).find("Привет"), std::string::npos) << cut;
    }
    EXPECT_EQ(report.truncated, cut < full.size()) << cut;
  }
}

TEST(Damaged, UnbalancedBracesLoseNothing) {
  rtf::RtfReadReport report;
  // An early '}' would end the document: the text after it is kept.
  rtf::RichDocument doc = rtf::ReadRtf(kStart + "one}} two\\par three}", &report);
  EXPECT_EQ(AllText(doc), "one two\nthree\n");
  EXPECT_EQ(report.strayClosingBraces, 2);
  // Missing closing braces.
  doc = rtf::ReadRtf(kStart + "{{{\\b four {\\i five", &report);
  EXPECT_EQ(AllText(doc), "four five\n");
  EXPECT_TRUE(report.truncated);
  // Trailing white space, NULs and a DOS end-of-file mark after the end are fine.
  doc = rtf::ReadRtf(kStart + "six}\r\n\0\x1a"s, &report);
  EXPECT_EQ(AllText(doc), "six\n");
  EXPECT_FALSE(report.Damaged());
}

TEST(Damaged, VeryDeepNestingKeepsTextWithoutRecursion) {
  for (int depth : {999, 1000, 1001, 5000, 200000}) {
    std::string source = kStart;
    for (int i = 0; i < depth; ++i) source += i % 7 == 0 ? "{\\b " : "{";
    source += "deep";
    for (int i = 0; i < depth; ++i) source += "}";
    source += " after}";
    rtf::RtfReadReport report;
    const rtf::RichDocument doc = rtf::ReadRtf(source, &report);
    EXPECT_EQ(AllText(doc), "deep after\n") << depth;
    EXPECT_EQ(report.groupsBeyondDepthCap > 0, depth + 1 > rtf::kMaxGroupDepth) << depth;
  }
  // Deep groups inside a skipped destination cost nothing either.
  std::string source =
      kStart + "a{\\*\\x" + std::string(100000, '{') + std::string(100000, '}') + "}b}";
  EXPECT_EQ(AllText(rtf::ReadRtf(source)), "ab\n");
  // A destination opened beyond the cap is skipped, its braces still counted.
  source = kStart + std::string(1500, '{') + "{\\fonttbl x}{\\*\\pn\\pnlvlblt}y" +
           std::string(1500, '}') + "}";
  EXPECT_EQ(AllText(rtf::ReadRtf(source)), "y\n");
}

TEST(Damaged, HugeBinaryCountsStopAtTheEndOfTheData) {
  rtf::RtfReadReport report;
  rtf::RichDocument doc = rtf::ReadRtf(kStart + "text{\\pict\\bin2147483647 abc}", &report);
  EXPECT_EQ(AllText(doc), "text\n");
  EXPECT_TRUE(report.truncated);
  doc = rtf::ReadRtf(kStart + "a\\bin99999999999999999999 xyz");
  EXPECT_EQ(AllText(doc), "a\n");
  doc = rtf::ReadRtf(kStart + "a\\bin-5 b}");
  EXPECT_EQ(AllText(doc), "ab\n");
}

TEST(Damaged, JunkAfterTheHeaderIsText) {
  const rtf::RichDocument doc =
      rtf::LoadDocument("{\\rtf1 \x01\x02 junk \xff\xfe ;;; \\zzzunknown \\ 123 }");
  EXPECT_NE(AllText(doc).find("junk"), std::string::npos);
  EXPECT_NE(AllText(doc).find("123"), std::string::npos);
}

TEST(Damaged, BadHexEscapesAreDroppedAndCounted) {
  rtf::RtfReadReport report;
  const rtf::RichDocument doc = rtf::ReadRtf(kStart + "a\\'zzb\\'4\\'e0c\\'", &report);
  EXPECT_EQ(AllText(doc), "azzbаc\n");
  EXPECT_EQ(report.badHexEscapes, 3);
}

TEST(Damaged, ParametersOutOfRangeAreClamped) {
  const rtf::RichDocument doc =
      rtf::ReadRtf(kStart +
                   "\\fs99999999999\\li-99999999999\\cf-4\\f-7\\u99999999 a\\par "
                   "\\fs-3 b\\u-99999999 c{\\uc999999\\u1078 abcdefghijklmnopqrstuvwxyz}}");
  ASSERT_EQ(doc.paragraphs.size(), 2u);
  EXPECT_EQ(doc.paragraphs[0].format.leftTwips, INT_MIN);
  EXPECT_EQ(doc.paragraphs[0].runs.back().format.sizeHalfPt, 3276);
  EXPECT_EQ(doc.paragraphs[1].runs[0].format.sizeHalfPt, 24);
  // \uc is capped at 16 fallback units.
  EXPECT_NE(AllText(doc).find("жqrstuvwxyz"), std::string::npos);
  // The whole document still writes and reads back.
  EXPECT_EQ(rtf::ReadRtf(rtf::WriteRtf(doc)), doc);
}
