// The bridge between the document model and Qt's text document: what goes in comes out, per
// character and per paragraph, for generated documents and for the awkward characters.
#include <gtest/gtest.h>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextList>
#include <random>

#include "platform/richedit/DocumentBridge.h"
#include "platform/rtf/Normalize.h"

namespace {

using richedit::ResolvedCharFormat;

ResolvedCharFormat Base() {
  ResolvedCharFormat base;
  base.font = rtf::FontEntry{"MS Sans Serif", 204, 0};
  base.format.sizeHalfPt = 16;
  base.format.color = 0xCE0000;
  return base;
}

// A document with a format change every few words, the shapes real files have: Cyrillic
// text, several faces, line breaks and tabs, indents either way, bullets in runs.
rtf::RichDocument GeneratedDocument(unsigned seed, int paragraphs) {
  std::mt19937 random(seed);
  auto pick = [&](int n) { return static_cast<int>(random() % unsigned(n)); };
  const std::u16string words[] = {
      u"Привет", u"мир", u"text", u"ёлка", u"Щука", u"a\tb", u"строка\nвторая", u"«кавычки»", u"x"};
  rtf::RichDocument doc;
  doc.fonts = {{"Arial", 204, 2}, {"Times New Roman", 0, 2}, {"Courier New", 204, 1}};
  for (int p = 0; p < paragraphs; ++p) {
    rtf::Paragraph para;
    para.format.align = static_cast<rtf::Align>(pick(4));
    para.format.leftTwips = (pick(7) - 3) * 60;
    para.format.firstTwips = (pick(7) - 3) * 100;
    para.format.rightTwips = pick(3) * 20;
    para.format.bullet = pick(4) == 0;
    const int runs = pick(5);
    for (int r = 0; r < runs; ++r) {
      rtf::Run run;
      run.format.font = pick(3);
      run.format.sizeHalfPt = 16 + 2 * pick(10);
      run.format.bold = pick(2) == 1;
      run.format.italic = pick(3) == 1;
      run.format.underline = pick(4) == 1;
      run.format.color = static_cast<std::uint32_t>(random() & 0xFFFFFF);
      for (int w = 0, n = 1 + pick(4); w < n; ++w) run.text += words[pick(9)] + u" ";
      para.runs.push_back(run);
    }
    doc.paragraphs.push_back(para);
  }
  rtf::Normalize(doc);
  return doc;
}

// The document per character: font table order and run boundaries do not matter.
struct FlatParagraph {
  rtf::ParaFormat format;
  std::u16string text;
  std::vector<ResolvedCharFormat> formats;
  bool operator==(const FlatParagraph&) const = default;
};

std::vector<FlatParagraph> Flatten(const rtf::RichDocument& doc) {
  std::vector<FlatParagraph> result;
  for (const rtf::Paragraph& para : doc.paragraphs) {
    FlatParagraph flat{para.format, {}, {}};
    for (const rtf::Run& run : para.runs) {
      ResolvedCharFormat format{doc.fonts.at(std::size_t(run.format.font)), run.format};
      format.format.font = 0;
      flat.text += run.text;
      flat.formats.insert(flat.formats.end(), run.text.size(), format);
    }
    result.push_back(flat);
  }
  return result;
}

rtf::RichDocument RoundTrip(const rtf::RichDocument& model) {
  QTextDocument document;
  richedit::BuildTextDocument(model, document);
  return richedit::ReadTextDocument(document, Base());
}

TEST(DocumentBridge, GeneratedDocumentsComeBackUnchanged) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    const rtf::RichDocument model = GeneratedDocument(seed, 1 + int(seed % 13));
    EXPECT_TRUE(Flatten(RoundTrip(model)) == Flatten(model)) << "seed " << seed;
  }
}

TEST(DocumentBridge, NegativeIndentsAreKeptExactly) {
  rtf::RichDocument model = GeneratedDocument(7, 1);
  model.paragraphs[0].format.leftTwips = -60;
  model.paragraphs[0].format.firstTwips = -1234;
  const rtf::RichDocument back = RoundTrip(model);
  EXPECT_EQ(back.paragraphs[0].format.leftTwips, -60);
  EXPECT_EQ(back.paragraphs[0].format.firstTwips, -1234);
}

TEST(DocumentBridge, NeighbouringBulletParagraphsShareOneList) {
  rtf::RichDocument model;
  model.fonts = {{"Arial", 204, 0}};
  for (bool bullet : {true, true, false, true}) {
    rtf::Paragraph para;
    para.format.bullet = bullet;
    para.runs.push_back({u"пункт", {}});
    model.paragraphs.push_back(para);
  }
  QTextDocument document;
  richedit::BuildTextDocument(model, document);
  const QTextBlock first = document.begin();
  ASSERT_NE(first.textList(), nullptr);
  EXPECT_EQ(first.next().textList(), first.textList());
  EXPECT_EQ(first.next().next().textList(), nullptr);
  EXPECT_NE(document.lastBlock().textList(), nullptr);
  EXPECT_NE(document.lastBlock().textList(), first.textList());
}

TEST(DocumentBridge, CharactersThatWouldSplitBlocksStayInTheirParagraph) {
  const std::u16string text = u"a\nb\rc\u2029d\uFDD0e\uFFFCf";
  EXPECT_EQ(richedit::ToQtText(text), QString::fromUtf16(u"a\u2028b\u2028c\u2028d\uFFFDe\uFFFDf"));
  rtf::RichDocument model;
  model.fonts = {{"Arial", 0, 0}};
  model.paragraphs.resize(1);
  model.paragraphs[0].runs.push_back({text, {}});
  QTextDocument document;
  richedit::BuildTextDocument(model, document);
  EXPECT_EQ(document.blockCount(), 1);
  const rtf::RichDocument back = richedit::ReadTextDocument(document, Base());
  ASSERT_EQ(back.paragraphs.size(), 1u);
  EXPECT_EQ(back.paragraphs[0].runs[0].text, u"a\nb\nc\nd\uFFFDe\uFFFDf");
}

TEST(DocumentBridge, TextWithoutOwnFormatTakesTheBaseFormat) {
  QTextDocument document;
  QTextCursor(&document).insertText(QStringLiteral("обычный"));
  const rtf::RichDocument back = richedit::ReadTextDocument(document, Base());
  ASSERT_EQ(back.fonts.size(), 1u);
  EXPECT_EQ(back.fonts[0], Base().font);
  EXPECT_EQ(back.paragraphs[0].runs[0].format.sizeHalfPt, 16);
  EXPECT_EQ(back.paragraphs[0].runs[0].format.color, 0xCE0000u);
}

TEST(DocumentBridge, PlainTextTakesOneFormatAndPlainParagraphs) {
  rtf::RichDocument model = GeneratedDocument(3, 4);
  QTextCharFormat textFormat;
  textFormat.setFontPointSize(17);
  textFormat.setProperty(richedit::kDefaultTextProperty, true);
  QTextDocument document;
  richedit::BuildPlainTextDocument(model, document, textFormat);
  EXPECT_EQ(document.blockCount(), 4);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    EXPECT_EQ(block.textList(), nullptr);
    EXPECT_EQ(block.blockFormat().intProperty(richedit::kFirstTwipsProperty), 0);
    EXPECT_EQ(block.charFormat(), textFormat);
    for (auto it = block.begin(); !it.atEnd(); ++it)
      EXPECT_EQ(it.fragment().charFormat(), textFormat);
  }
}

TEST(DocumentBridge, RangeTakesPartsOfParagraphsWithTheirFormats) {
  rtf::RichDocument model;
  model.fonts = {{"Arial", 204, 0}};
  rtf::Paragraph first;
  first.format.align = rtf::Align::Center;
  first.runs = {{u"абв", {}}, {u"где", {0, 24, true}}};
  rtf::Paragraph second;
  second.format.leftTwips = 200;
  second.runs = {{u"жзи", {}}};
  model.paragraphs = {first, second};
  QTextDocument document;
  richedit::BuildTextDocument(model, document);
  // "в" + "где" + break + "ж": from 2 to 8.
  const rtf::RichDocument part = richedit::ReadTextRange(document, 2, 8, Base());
  ASSERT_EQ(part.paragraphs.size(), 2u);
  EXPECT_EQ(part.paragraphs[0].format.align, rtf::Align::Center);
  ASSERT_EQ(part.paragraphs[0].runs.size(), 2u);
  EXPECT_EQ(part.paragraphs[0].runs[0].text, u"в");
  EXPECT_EQ(part.paragraphs[0].runs[1].text, u"где");
  EXPECT_TRUE(part.paragraphs[0].runs[1].format.bold);
  EXPECT_EQ(part.paragraphs[1].format.leftTwips, 200);
  EXPECT_EQ(part.paragraphs[1].runs[0].text, u"ж");
}

TEST(DocumentBridge, InsertingAtACursorSplitsAndJoinsParagraphs) {
  QTextDocument document;
  QTextCursor cursor(&document);
  cursor.insertText(QStringLiteral("ABCD"));
  cursor.setPosition(2);
  rtf::RichDocument model;
  model.fonts = {{"Arial", 204, 0}};
  rtf::Paragraph one;
  one.runs = {{u"1", {}}};
  rtf::Paragraph two;
  two.format.bullet = true;
  two.format.leftTwips = 400;
  two.runs = {{u"2", {0, 20, false, true}}};
  model.paragraphs = {one, two};
  richedit::InsertDocument(model, cursor);
  EXPECT_EQ(document.toPlainText(), QStringLiteral("AB1\n2CD"));
  const rtf::RichDocument back = richedit::ReadTextDocument(document, Base());
  ASSERT_EQ(back.paragraphs.size(), 2u);
  EXPECT_FALSE(back.paragraphs[0].format.bullet);
  EXPECT_TRUE(back.paragraphs[1].format.bullet);
  EXPECT_EQ(back.paragraphs[1].format.leftTwips, 400);
  EXPECT_TRUE(back.paragraphs[1].runs[0].format.italic);
}

// Qt lays a negative margin out as 0; the pixel margins keep the lines where the twips say
// as far as the left offset allows.
TEST(DocumentBridge, LinesStartWhereTheIndentsSay) {
  rtf::RichDocument model;
  model.fonts = {{"DejaVu Sans", 0, 0}};
  rtf::Paragraph para;
  para.format.leftTwips = 600;    // following lines: 30 pt = 40 px
  para.format.firstTwips = -300;  // first line: 15 pt = 20 px
  para.runs = {{std::u16string(60, u'ш') + u" " + std::u16string(60, u'щ'), {}}};
  model.paragraphs = {para};
  QTextDocument document;
  document.setTextWidth(300);
  QTextFrameFormat frame = document.rootFrame()->frameFormat();
  frame.setMargin(0);
  document.rootFrame()->setFrameFormat(frame);
  richedit::BuildTextDocument(model, document);
  const QTextBlock block = document.begin();
  document.documentLayout()->blockBoundingRect(block);
  ASSERT_GE(block.layout()->lineCount(), 2);
  EXPECT_EQ(block.layout()->lineAt(0).x(), richedit::kLeftOffsetPixels + 20);
  EXPECT_EQ(block.layout()->lineAt(1).x(), richedit::kLeftOffsetPixels + 40);
}

}  // namespace
