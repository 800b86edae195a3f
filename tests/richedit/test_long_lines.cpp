// Paragraphs with a long stretch that offers no line break: the view wraps them anywhere (Qt's
// word wrapping would take minutes on them), and the document's text stays exactly as it was.
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include "platform/richedit/LongLines.h"
#include "rich_edit_fixture.h"

namespace {

using richedit::kLongestStretchWrappedAtWords;

TEST(LongLines, LongestStretchCountsCharactersBetweenBreakOpportunities) {
  const struct {
    QString text;
    int longest;
  } cases[] = {
      {"", 0},
      {"abc de", 3},
      {"one\ttwo three", 5},
      {"well-known", 5},
      {QString(7, QChar(0)), 7},                                 // NUL bytes offer no break
      {QString("ab") + QChar(0x00A0) + "cd", 5},                 // nor does a no-break space
      {QString("ab") + QChar(0x4E2D) + QChar(0x6587) + "c", 2},  // ideographs do
      {QString(30000, 'a') + " b", 30000},
  };
  for (const auto& c : cases)
    EXPECT_EQ(richedit::LongestUnbreakableStretch(c.text), c.longest)
        << c.text.left(20).toStdString();
}

class LongLinesTest : public RichEditTest {
 protected:
  QTextOption::WrapMode Mode() { return View().wordWrapMode(); }
  int LinesOfBlock(int block) {
    View().document()->documentLayout();  // laid out on demand
    return View().document()->findBlockByNumber(block).layout()->lineCount();
  }
  std::u16string SavedText() {
    std::u16string text;
    for (const rtf::Paragraph& para : Saved().paragraphs) {
      for (const rtf::Run& run : para.runs) text += run.text;
      text += u'\n';
    }
    return text;
  }
};

TEST_F(LongLinesTest, ADocumentWithALongStretchWrapsAnywhereAndKeepsItsText) {
  const struct {
    std::string body;
    QTextOption::WrapMode mode;
  } cases[] = {
      {std::string(kLongestStretchWrappedAtWords, 'a'), QTextOption::WrapAtWordBoundaryOrAnywhere},
      {std::string(kLongestStretchWrappedAtWords + 1, 'a'), QTextOption::WrapAnywhere},
      {"short words\\par " + std::string(50000, 'x') + " tail", QTextOption::WrapAnywhere},
      {"only words here", QTextOption::WrapAtWordBoundaryOrAnywhere},  // and back again
  };
  for (const auto& c : cases) {
    LoadRtf("{\\rtf1 " + c.body + "\\par}");
    EXPECT_EQ(Mode(), c.mode) << c.body.size();
    std::string expected = c.body;
    for (std::size_t at; (at = expected.find("\\par ")) != std::string::npos;)
      expected.replace(at, 5, "\n");
    EXPECT_EQ(SavedText(), std::u16string(expected.begin(), expected.end()) + u"\n")
        << c.body.size();
  }
}

TEST_F(LongLinesTest, TheLongParagraphIsShownOverManyLines) {
  LoadRtf("{\\rtf1 " + std::string(200000, 'a') + "\\par}");
  ASSERT_EQ(Mode(), QTextOption::WrapAnywhere);
  QApplication::processEvents();
  // 200,000 letters of some 7 pixels in a 400-pixel view: thousands of lines, none wider.
  EXPECT_GT(LinesOfBlock(0), 2000);
  EXPECT_EQ(edit->GetTextLen(), 200000);
}

TEST_F(LongLinesTest, PastingALongStretchSwitchesTheWrapping) {
  edit->SetText("first words");
  ASSERT_EQ(Mode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
  Type("ab");  // typing never switches
  EXPECT_EQ(Mode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
  edit->SetSelText(std::string(kLongestStretchWrappedAtWords + 5, 'z'));
  EXPECT_EQ(Mode(), QTextOption::WrapAnywhere);
  EXPECT_EQ(edit->GetTextLen(), 11 + 2 + kLongestStretchWrappedAtWords + 5);
}

}  // namespace
