// The writer speaks the rich-edit dialect: what other RTF readers (and the Windows control)
// expect to see, not only what our own reader accepts.
#include <gtest/gtest.h>

#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"

namespace {

rtf::RichDocument OneRun(std::u16string text, rtf::FontEntry font = {"Arial", 204, 0}) {
  rtf::RichDocument doc;
  doc.fonts.push_back(std::move(font));
  doc.paragraphs.push_back(rtf::Paragraph{{}, {rtf::Run{std::move(text), {}}}});
  return doc;
}

bool Contains(const std::string& text, const std::string& piece) {
  return text.find(piece) != std::string::npos;
}

}  // namespace

TEST(Writer, HeaderAndTablesAsTheRichEditControlWritesThem) {
  rtf::RichDocument doc = OneRun(u"x");
  doc.fonts.push_back({"Courier New", 0, 1});
  doc.paragraphs[0].runs.push_back(rtf::Run{u"y", {1, 28, true, false, false, 0x00FF00u}});
  const std::string out = rtf::WriteRtf(doc);
  EXPECT_TRUE(out.starts_with("{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl"));
  EXPECT_TRUE(
      Contains(out, "{\\f0\\fnil\\fcharset204 Arial;}{\\f1\\fnil\\fcharset0\\fprq1 Courier New;}"));
  EXPECT_TRUE(Contains(out, "{\\colortbl ;\\red0\\green255\\blue0;}"));
  EXPECT_TRUE(Contains(out, "\\viewkind4\\uc1"));
  EXPECT_TRUE(Contains(out, "\\f1\\fs28\\b\\cf1 y\\par"));
  EXPECT_TRUE(out.ends_with("}\r\n"));
  // No colour table when every run is automatic.
  EXPECT_FALSE(Contains(rtf::WriteRtf(OneRun(u"x")), "colortbl"));
}

TEST(Writer, TextInTheFontCodePageElseUnicodeEscapes) {
  // Cyrillic in a Russian font: cp1251 bytes; Greek there: \uN with '?' fallback; outside
  // the BMP: two negative \u; RTF's own characters escaped; tab and line break as words.
  const std::string out = rtf::WriteRtf(OneRun(u"Жж α\U0001F600{}\\\t\n"));
  EXPECT_TRUE(Contains(out, "\\'c6\\'e6 \\u945?\\u-10179?\\u-8704?\\{\\}\\\\\\tab \\line \\par"))
      << out;
}

// The document says \ansicpg1251; a byte escape is written only where that code page and the
// font's charset read the byte as the same character. Otherwise \uN, with the cp1251 byte as
// the fallback where cp1251 has the character, else '?'.
TEST(Writer, ByteEscapesOnlyWhereDocumentAndFontAgree) {
  const struct {
    std::u16string text;
    rtf::FontEntry font;
    std::string expected;
  } cases[] = {
      // Western letters under a Western font: cp1252 bytes would read as Cyrillic in cp1251.
      {u"café naïve Größe", {"Arial", 0, 0}, "caf\\u233? na\\u239?ve Gr\\u246?\\u223?e"},
      // Punctuation that both code pages have at the same byte stays a byte; the euro is 0x80
      // in cp1252 but 0x88 in cp1251.
      {u"€ – — “ ” …", {"Arial", 0, 0}, "\\u8364\\'88 \\'96 \\'97 \\'93 \\'94 \\'85"},
      // Cyrillic in a Western font: Unicode with the cp1251 byte as fallback.
      {u"Жж", {"Arial", 0, 0}, "\\u1046\\'c6\\u1078\\'e6"},
      // The default charset uses the document's code page: bytes.
      {u"Жé", {"Arial", 1, 0}, "\\'c6\\u233?"},
      {u"Жж", {"Arial", 204, 0}, "\\'c6\\'e6"},
      // Greek and Central European fonts: their letters are not cp1251's bytes.
      {u"αβ", {"Arial", 161, 0}, "\\u945?\\u946?"},
      {u"ąč", {"Arial", 238, 0}, "\\u261?\\u269?"},
      // Symbol: the glyphs are Unicode characters; "a" would read as α and back as "a".
      {u"αβ∑", {"Symbol", 2, 0}, "\\u945?\\u946?\\u8721?"},
      // Double-byte charsets get no \'xx of their own.
      {u"é明", {"MS Mincho", 128, 0}, "\\u233?\\u26126?"},
      {u"ж明", {"SimSun", 134, 0}, "\\u1078\\'e6\\u26126?"},
  };
  for (const auto& c : cases) {
    const std::string out = rtf::WriteRtf(OneRun(c.text, c.font));
    EXPECT_TRUE(Contains(out, "\\pard\\fs20 " + c.expected + "\\par\r\n}"))
        << c.font.face << " " << c.font.charset << ": " << out;
    // Our reader gives back every character.
    const rtf::RichDocument back = rtf::ReadRtf(out);
    ASSERT_EQ(back.paragraphs.at(0).runs.size(), 1u);
    EXPECT_EQ(back.paragraphs[0].runs[0].text, c.text) << c.font.face;
  }
}

TEST(Writer, ParagraphFormatsAndRichEditBullets) {
  rtf::RichDocument doc = OneRun(u"a");
  doc.paragraphs[0].format = {rtf::Align::Center, 360, -180, 90, true};
  doc.paragraphs.push_back(doc.paragraphs[0]);
  doc.paragraphs.push_back(rtf::Paragraph{{}, {rtf::Run{u"c", {}}}});
  const std::string out = rtf::WriteRtf(doc);
  EXPECT_TRUE(
      Contains(out,
               "\\pard{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}\\qc\\fi-180\\li360"
               "\\ri90{\\pntext\\f1\\'b7\\tab}"))
      << out;
  EXPECT_TRUE(Contains(out, "{\\f1\\fnil\\fcharset2 Symbol;}"));
  // The second paragraph repeats only the label; the third resets with \pard.
  EXPECT_TRUE(Contains(out, "a\\par\r\n{\\pntext\\f1\\'b7\\tab}a\\par\r\n\\pard c\\par")) << out;
}

TEST(Writer, FormatChangesAreDeltas) {
  rtf::RichDocument doc = OneRun(u"a");
  rtf::CharFormat bold;
  bold.bold = true;
  bold.underline = true;
  doc.paragraphs[0].runs.push_back(rtf::Run{u"b", bold});
  doc.paragraphs[0].runs.push_back(rtf::Run{u"c", {}});
  const std::string out = rtf::WriteRtf(doc);
  EXPECT_TRUE(Contains(out, "\\fs20 a\\b\\ul b\\b0\\ulnone c\\par")) << out;
}

TEST(Writer, FaceNamesWithRtfCharacters) {
  const rtf::RichDocument doc = OneRun(u"x", {"A;B{C}\\D Ё", 204, 0});
  const std::string out = rtf::WriteRtf(doc);
  EXPECT_TRUE(Contains(out, "A\\'3bB\\'7bC\\'7d\\'5cD \\'a8;}")) << out;
  EXPECT_EQ(rtf::ReadRtf(out).fonts[0].face, "A;B{C}\\D Ё");
}
