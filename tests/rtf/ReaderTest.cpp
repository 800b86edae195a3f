// What the reader makes of the constructs real producers write.
#include <gtest/gtest.h>

#include "TestText.h"
#include "platform/rtf/RtfReader.h"

using rtftest::Texts;
using Strings = std::vector<std::string>;

namespace {

const char kHeader1251[] =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset204 Arial;}"
    "{\\f1\\froman\\fcharset0 Times New Roman;}{\\f2\\fnil\\fcharset2 Symbol;}"
    "{\\f3\\fnil\\fcharset161 Greek Face;}}"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue0;}";

rtf::RichDocument Read(const std::string& body) {
  return rtf::ReadRtf(kHeader1251 + body + "}");
}

}  // namespace

TEST(Reader, RefusesDataThatIsNotRtf) {
  EXPECT_THROW(rtf::ReadRtf("plain text"), rtf::RtfError);
  EXPECT_THROW(rtf::ReadRtf(""), rtf::RtfError);
  EXPECT_THROW(rtf::ReadRtf("{\\rt"), rtf::RtfError);
  EXPECT_FALSE(rtf::LooksLikeRtf("{rtf1}"));
  // A byte-order mark and leading white space are tolerated.
  EXPECT_EQ(Texts(rtf::ReadRtf("\xEF\xBB\xBF \r\n{\\rtf1 x}")), Strings{"x"});
}

TEST(Reader, EmptyDocumentIsOneEmptyParagraphWithAFont) {
  for (const char* source :
       {"{\\rtf1}", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}}", "{\\rtf1 \\par}"}) {
    const rtf::RichDocument doc = rtf::ReadRtf(source);
    ASSERT_EQ(doc.paragraphs.size(), 1u) << source;
    EXPECT_TRUE(doc.paragraphs[0].runs.empty());
    ASSERT_EQ(doc.fonts.size(), 1u);
  }
  EXPECT_EQ(rtf::ReadRtf("{\\rtf1}").fonts[0].face, rtf::kDefaultFace);
}

TEST(Reader, ParagraphsEndAtParAndTheLastNeedsNone) {
  EXPECT_EQ(Texts(Read("a\\par b\\par")), (Strings{"a", "b"}));
  EXPECT_EQ(Texts(Read("a\\par b")), (Strings{"a", "b"}));
  EXPECT_EQ(Texts(Read("a\\par\\par")), (Strings{"a", ""}));
  EXPECT_EQ(Texts(Read("{a\\par}{b\\par}")), (Strings{"a", "b"}));
  EXPECT_EQ(Texts(Read("a\\\nb")), (Strings{"a", "b"}));  // backslash + newline is \par
  EXPECT_EQ(Texts(Read("a\\line b\\tab c")), (Strings{"a\nb\tc"}));
  // \page and \sect break a paragraph with text but make no empty one.
  EXPECT_EQ(Texts(Read("a\\page b\\par\\sect c")), (Strings{"a", "b", "c"}));
  // Table cells become tab-separated text, one paragraph per row.
  EXPECT_EQ(Texts(Read("\\trowd\\cellx100\\cellx200 \\intbl x\\cell y\\cell\\row z")),
            (Strings{"x\ty", "z"}));
}

TEST(Reader, DecodesByTheFontCharsetBeforeTheDocumentCodePage) {
  // \'e0 is Cyrillic a in 1251 (f0, charset 204), a-grave in 1252 (f1, charset 0), alpha in
  // 1253 (f3); Symbol maps a to alpha and \'b7 to the bullet.
  const rtf::RichDocument doc = Read("\\f0\\'e0\\f1\\'e0\\f3\\'e1\\f2 a\\'b7");
  EXPECT_EQ(Texts(doc), Strings{"а"
                                "à"
                                "α"
                                "α•"});
  // Without font charsets the document's \ansicpg decides.
  EXPECT_EQ(Texts(rtf::ReadRtf("{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1}")), Strings{"Аб"});
  EXPECT_EQ(Texts(rtf::ReadRtf("{\\rtf1\\ansi \\'c0}")), Strings{"À"});
}

TEST(Reader, UnicodeEscapesSkipTheirFallback) {
  EXPECT_EQ(Texts(Read("\\u1078?\\u-3913?x")), Strings{"ж\xEF\x82\xB7x"});
  EXPECT_EQ(Texts(Read("\\uc2\\u1078\\'3f\\'3fy\\uc0\\u1079 z")), Strings{"жyзz"});
  // The fallback ends at a group boundary; \uc is scoped to its group.
  EXPECT_EQ(Texts(Read("{\\uc3\\u1078}ab\\u1079?c")), Strings{"жabзc"});
  // A surrogate pair stays a pair.
  EXPECT_EQ(Texts(Read("\\u-10179?\\u-8704?")), Strings{"\xF0\x9F\x98\x80"});
  // \upr: the Unicode branch, not the ANSI one.
  EXPECT_EQ(Texts(Read("{\\upr{ansi}{\\*\\ud{\\u1078?}}}")), Strings{"ж"});
  const rtf::RichDocument doc = rtf::ReadRtf(
      "{\\rtf1{\\upr{\\fonttbl{\\f9 Wrong;}}{\\*\\ud{\\fonttbl{\\f9 Right;}}}}\\f9 x}");
  EXPECT_EQ(doc.fonts.at(doc.paragraphs.at(0).runs.at(0).format.font).face, "Right");
}

TEST(Reader, CharacterFormattingFollowsGroupsAndResets) {
  const rtf::RichDocument doc =
      Read("\\f1\\fs28 a{\\b\\i\\ul\\cf1 b}c\\ulw d\\ulnone\\uld e\\ul0 f\\ulc1 g\\plain h");
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  const auto& runs = doc.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 6u);
  EXPECT_EQ(runs[0].text, u"a");
  EXPECT_EQ(runs[0].format.sizeHalfPt, 28);
  EXPECT_EQ(doc.fonts[runs[0].format.font].face, "Times New Roman");
  EXPECT_EQ(runs[1].text, u"b");
  EXPECT_TRUE(runs[1].format.bold && runs[1].format.italic && runs[1].format.underline);
  EXPECT_EQ(runs[1].format.color, 0x0000FFu);
  EXPECT_EQ(runs[2].text, u"c");
  EXPECT_EQ(runs[3].text, u"de");  // \ulw and \uld both underline
  EXPECT_TRUE(runs[3].format.underline);
  EXPECT_EQ(runs[4].text, u"fg");  // \ulc is a colour, not an underline
  EXPECT_FALSE(runs[4].format.underline);
  // \plain returns to the default font (\deff) and RTF's default 12 pt.
  EXPECT_EQ(runs[5].text, u"h");
  EXPECT_EQ(doc.fonts[runs[5].format.font].face, "Arial");
  EXPECT_EQ(runs[5].format.sizeHalfPt, 24);
}

TEST(Reader, ParagraphFormattingAndPard) {
  const rtf::RichDocument doc =
      Read("\\qc\\li720\\fi-360\\ri100 a\\par b\\par\\pard\\qj c\\par\\qr d\\par\\qd e");
  ASSERT_EQ(doc.paragraphs.size(), 5u);
  EXPECT_EQ(doc.paragraphs[0].format.align, rtf::Align::Center);
  EXPECT_EQ(doc.paragraphs[0].format.leftTwips, 720);
  EXPECT_EQ(doc.paragraphs[0].format.firstTwips, -360);
  EXPECT_EQ(doc.paragraphs[0].format.rightTwips, 100);
  EXPECT_EQ(doc.paragraphs[1].format, doc.paragraphs[0].format);  // kept without \pard
  EXPECT_EQ(doc.paragraphs[2].format.align, rtf::Align::Justify);
  EXPECT_EQ(doc.paragraphs[2].format.leftTwips, 0);
  EXPECT_EQ(doc.paragraphs[3].format.align, rtf::Align::Right);
  EXPECT_EQ(doc.paragraphs[4].format.align, rtf::Align::Justify);
}

TEST(Reader, SkipsDestinationsButKeepsFieldResults) {
  const rtf::RichDocument doc = Read(
      "{\\stylesheet{\\s1 Heading;}}{\\info{\\title T}}{\\header H}{\\footnote F}"
      "a{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}b{\\field{\\fldinst PAGE}"
      "{\\fldrslt 1}}{\\pict\\pngblip 89504e47{}}{\\object{\\objdata 01}{\\result R}}"
      "{\\*\\unknowndest hidden}{\\*\\bkmkstart m}c{\\nonshppict{\\pict x}}d");
  EXPECT_EQ(Texts(doc), Strings{"alinkb1cd"});
}

TEST(Reader, BinaryDataIsSkippedByCountEvenWithBraces) {
  std::string body = "a{\\pict\\bin6 }}{{\\ }b";
  EXPECT_EQ(Texts(Read(body)), Strings{"ab"});
  EXPECT_EQ(Texts(Read("a\\bin3 {}xb")), Strings{"ab"});
}

TEST(Reader, BulletsTheRichEditWay) {
  const rtf::RichDocument doc = Read(
      "\\pard{\\pntext\\f2\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf2\\pnindent0{\\pntxtb\\'B7}}"
      "\\fi-360\\li360 one\\par{\\pntext\\f2\\'B7\\tab}two\\par\\pard three\\par"
      "{\\pntext 1.\\tab}four\\par"
      "\\pard{\\*\\pn\\pnlvlbody\\pndec}five\\par\\pard{\\*\\pn\\pnlvlcont}six");
  ASSERT_EQ(Texts(doc), (Strings{"one", "two", "three", "four", "five", "six"}));
  EXPECT_TRUE(doc.paragraphs[0].format.bullet);
  EXPECT_TRUE(doc.paragraphs[1].format.bullet);
  EXPECT_FALSE(doc.paragraphs[2].format.bullet);
  EXPECT_TRUE(doc.paragraphs[3].format.bullet);   // a label alone makes a list item
  EXPECT_TRUE(doc.paragraphs[4].format.bullet);   // numbered lists become bullets
  EXPECT_FALSE(doc.paragraphs[5].format.bullet);  // a continuation paragraph has no label
}

TEST(Reader, BulletsTheWordProcessorWay) {
  const std::string tables =
      "{\\*\\listtable{\\list\\listtemplateid5{\\listlevel\\levelnfc23\\levelnfcn23"
      "{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}\\fi-360\\li720}{\\listname ;}\\listid7}"
      "{\\list{\\listlevel\\levelnfc255{\\leveltext\\'00;}}\\listid8}}"
      "{\\*\\listoverridetable{\\listoverride\\listid7\\listoverridecount0\\ls1}"
      "{\\listoverride\\listid8\\ls2}}";
  const rtf::RichDocument doc = Read(tables +
                                     "\\pard\\ls1\\ilvl0\\li720\\fi-360 a\\par"
                                     "\\pard\\ls2 b\\par\\pard\\ls9 c\\par"
                                     "\\pard{\\listtext\\pard\\plain \\'95\\tab}\\ls1 d\\par");
  ASSERT_EQ(Texts(doc), (Strings{"a", "b", "c", "d"}));
  EXPECT_TRUE(doc.paragraphs[0].format.bullet);
  EXPECT_EQ(doc.paragraphs[0].format.leftTwips, 720);
  EXPECT_FALSE(doc.paragraphs[1].format.bullet);  // level without a label
  EXPECT_FALSE(doc.paragraphs[2].format.bullet);  // unknown list
  EXPECT_TRUE(doc.paragraphs[3].format.bullet);
}

TEST(Reader, FontTableForms) {
  const rtf::RichDocument doc = rtf::ReadRtf(
      "{\\rtf1\\ansi\\ansicpg1252\\deff5{\\fonttbl"
      "{\\f5\\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman"
      "{\\*\\falt Tms};}"
      "{\\f7\\fcharset204 \\'d2\\'e5\\'f1\\'f2;}\\f9\\fnil Courier New;}"
      "a\\f7 b\\f9 c\\f42 d}");
  ASSERT_EQ(Texts(doc), Strings{"abcd"});
  const auto& runs = doc.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(doc.fonts[runs[0].format.font].face, "Times New Roman");
  EXPECT_EQ(doc.fonts[runs[0].format.font].pitch, 2);
  EXPECT_EQ(doc.fonts[runs[1].format.font].face, "Тест");
  EXPECT_EQ(doc.fonts[runs[1].format.font].charset, 204);
  EXPECT_EQ(doc.fonts[runs[2].format.font].face, "Courier New");
  // An undefined font falls back to \deff; merged with "a" it would be the same run, so it
  // is its own run only because the format differs from "c".
  EXPECT_EQ(runs[3].format.font, runs[0].format.font);
}

TEST(Reader, ColourTableEntriesAndAutomaticColour) {
  const rtf::RichDocument doc = Read("\\cf1 r\\cf2 k\\cf0 a\\cf77 x");
  const auto& runs = doc.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].text, u"r");
  EXPECT_EQ(runs[0].format.color, 0x0000FFu);
  EXPECT_EQ(runs[1].text, u"kax");  // explicit black, automatic and unknown are all black
  EXPECT_EQ(runs[1].format.color, 0u);
}

TEST(Reader, HiddenTextIsDropped) {
  EXPECT_EQ(Texts(Read("a{\\v hidden\\'e0\\u1078?}b\\v c\\v0 d\\v e\\plain f")), Strings{"abdf"});
}

TEST(Reader, SpecialCharacters) {
  EXPECT_EQ(Texts(Read("\\{\\}\\\\\\~\\-\\_\\emdash\\endash\\bullet\\lquote\\rquote"
                       "\\ldblquote\\rdblquote\\ltrmark")),
            Strings{"{}\\\xC2\xA0\xC2\xAD\xE2\x80\x91—–•‘’“”"});
}
