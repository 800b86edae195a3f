// Plain-text files: encodings, line ends, damage, and the text the control streams out.
#include <gtest/gtest.h>

#include "TestText.h"
#include "platform/rtf/LoadDocument.h"
#include "platform/rtf/PlainText.h"

using rtftest::Texts;
using Strings = std::vector<std::string>;
using namespace std::string_literals;

TEST(PlainText, DetectsTheEncoding) {
  EXPECT_EQ(rtf::DetectTextEncoding("\xEF\xBB\xBFx"), rtf::TextEncoding::Utf8Bom);
  EXPECT_EQ(rtf::DetectTextEncoding("\xFF\xFEx\0"s), rtf::TextEncoding::Utf16Le);
  EXPECT_EQ(rtf::DetectTextEncoding("\xFE\xFF\0x"s), rtf::TextEncoding::Utf16Be);
  EXPECT_EQ(rtf::DetectTextEncoding("Привет"), rtf::TextEncoding::Utf8);
  EXPECT_EQ(rtf::DetectTextEncoding("\xcf\xf0\xe8\xe2\xe5\xf2"), rtf::TextEncoding::Cp1251);
  EXPECT_EQ(rtf::DetectTextEncoding("h\0i\0!\0"s), rtf::TextEncoding::Utf16Le);
  EXPECT_EQ(rtf::DetectTextEncoding("\0h\0i\0!"s), rtf::TextEncoding::Utf16Be);
  EXPECT_EQ(rtf::DetectTextEncoding(""), rtf::TextEncoding::Utf8);
  // Overlong forms and surrogates are not UTF-8.
  EXPECT_EQ(rtf::DetectTextEncoding("\xC0\xAF"), rtf::TextEncoding::Cp1251);
  EXPECT_EQ(rtf::DetectTextEncoding("\xED\xA0\x80"), rtf::TextEncoding::Cp1251);
}

TEST(PlainText, ReadsEveryEncodingAndLineEnd) {
  EXPECT_EQ(Texts(rtf::ReadPlainText("\xcf\xf0\xe8\r\n\xb8\xa8\r\xb9\n")),
            (Strings{"При", "ёЁ", "№", ""}));
  EXPECT_EQ(Texts(rtf::ReadPlainText("\xEF\xBB\xBFЁж\nx")), (Strings{"Ёж", "x"}));
  EXPECT_EQ(Texts(rtf::ReadPlainText("\xFF\xFE\x16\x04\r\0\n\0=\xD8\0\xDE"s)),
            (Strings{"Ж", "\xF0\x9F\x98\x80"}));
  EXPECT_EQ(Texts(rtf::ReadPlainText("\xFE\xFF\x04\x16\0a\x04"s)),
            (Strings{"Жa\xEF\xBF\xBD"}));  // a cut-off last unit is shown, not dropped
  EXPECT_EQ(Texts(rtf::ReadPlainText("a\tb")), Strings{"a\tb"});
}

TEST(PlainText, EmptyInputIsOneEmptyParagraph) {
  const rtf::RichDocument doc = rtf::ReadPlainText("");
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  EXPECT_TRUE(doc.paragraphs[0].runs.empty());
  ASSERT_EQ(doc.fonts.size(), 1u);
  EXPECT_EQ(doc.fonts[0].face, rtf::kDefaultFace);
}

TEST(PlainText, NulAndBadBytesNeverCutTheText) {
  EXPECT_EQ(Texts(rtf::ReadPlainText("a\0b\0\0c"s)), Strings{"a\xEF\xBF\xBD"
                                                             "b\xEF\xBF\xBD\xEF\xBF\xBD"
                                                             "c"});
  // With a UTF-8 mark, a bad byte is one replacement character and the rest is kept.
  EXPECT_EQ(Texts(rtf::ReadPlainText("\xEF\xBB\xBFok\xFFok")), Strings{"ok\xEF\xBF\xBDok"});
}

TEST(PlainText, UsesTheGivenFontAndFormat) {
  rtf::CharFormat format;
  format.sizeHalfPt = 28;
  format.font = 3;  // ignored: the document has only the given font
  const rtf::RichDocument doc = rtf::ReadPlainText("x", {"Courier New", 204, 1}, format);
  ASSERT_EQ(doc.fonts.size(), 1u);
  EXPECT_EQ(doc.fonts[0].face, "Courier New");
  EXPECT_EQ(doc.paragraphs[0].runs[0].format.font, 0);
  EXPECT_EQ(doc.paragraphs[0].runs[0].format.sizeHalfPt, 28);
}

TEST(PlainText, WritesEachEncoding) {
  rtf::RichDocument doc = rtf::ReadPlainText("Ёж\nα\U0001F600");
  doc.paragraphs[0].runs[0].text += u"\nz";  // a line break inside the paragraph
  EXPECT_EQ(rtf::WritePlainText(doc), "Ёж\r\nz\r\nα\U0001F600");
  EXPECT_EQ(rtf::WritePlainText(doc, {rtf::TextEncoding::Cp1251, "\n"}), "\xa8\xe6\nz\n??");
  EXPECT_EQ(rtf::WritePlainText(doc, {rtf::TextEncoding::Utf16Le, "\n"}).substr(0, 6),
            "\xFF\xFE\x01\x04\x36\x04"s);
  // What was written reads back as the same paragraphs.
  for (auto encoding : {rtf::TextEncoding::Utf8, rtf::TextEncoding::Utf8Bom,
                        rtf::TextEncoding::Utf16Le, rtf::TextEncoding::Utf16Be}) {
    EXPECT_EQ(Texts(rtf::ReadPlainText(rtf::WritePlainText(doc, {encoding, "\r\n"}))),
              (Strings{"Ёж", "z", "α\U0001F600"}));
  }
}

TEST(PlainText, LoadDocumentFallsBackToTextOnlyWithoutTheRtfHeader) {
  rtf::LoadInfo info;
  EXPECT_EQ(Texts(rtf::LoadDocument("{\\rtf1 a\\par b}", &info)), (Strings{"a", "b"}));
  EXPECT_TRUE(info.rtf);
  EXPECT_EQ(Texts(rtf::LoadDocument("{\\rt a}", &info)), Strings{"{\\rt a}"});
  EXPECT_FALSE(info.rtf);
  EXPECT_EQ(Texts(rtf::LoadDocument("\xEF\xBB\xBF{\\rtf1 x}", &info)), Strings{"x"});
  EXPECT_TRUE(info.rtf);
}
