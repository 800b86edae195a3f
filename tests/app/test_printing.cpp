// Printing: the print command with its job title, the extra first-line indent that every
// paragraph gets only while it prints, the selection it leaves; the printer set-up command.
// Jobs go to a PDF file, so no printer is needed.
#include "AppFixture.h"
#include "app/Printing.h"
#include "platform/environment/Printer.h"

namespace {

class PrintingTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    pdf = Path("job.pdf");
    Printer().SetOutputFileName(pdf);
    SetDocument("first\r\nsecond\r\nthird");
    SetIndent(0, 0);
    SetIndent(7, 12);
    SetIndent(14, -6);
  }
  void TearDown() override {
    Printer().SetOutputFileName("");
    Printer().SetTitle("");
    AppTest::TearDown();
  }
  void SetIndent(int position, int points) {
    Editor().SetSelStart(position);
    Editor().Paragraph().SetFirstIndent(points);
  }
  int IndentAt(int position) {
    Editor().SetSelStart(position);
    return Editor().Paragraph().FirstIndent();
  }
  std::vector<int> Indents() { return {IndentAt(0), IndentAt(7), IndentAt(14)}; }
  bool Printed() const {
    return std::filesystem::exists(pdf) && std::filesystem::file_size(pdf) > 0;
  }

  std::string pdf;
};

TEST(ParagraphStartsTest, CountUtf16UnitsAndOneForEachBreak) {
  TRichEdit editor;
  editor.SetText("a\r\nбв\r\n\xF0\x9F\x98\x80x\r\nend");
  EXPECT_EQ(ParagraphStarts(editor), (std::vector<int>{0, 2, 5, 9}));
  editor.SetText("");
  EXPECT_EQ(ParagraphStarts(editor), std::vector<int>{0});
}

TEST_F(PrintingTest, PrintKeepsEveryParagraphsOwnIndentAndSelectsTheWholeText) {
  form1->PrintCommand();
  EXPECT_TRUE(Printed());
  EXPECT_EQ(Printer().Title(), "Print of our RichEdit1");
  EXPECT_EQ(Editor().SelStart(), 0);
  EXPECT_EQ(Editor().SelLength(), Editor().GetTextLen());
  EXPECT_EQ(Indents(), (std::vector<int>{0, 12, -6}));
  EXPECT_TRUE(env.sounds.empty());
  EXPECT_EQ(form1->DocModified, 0);
}

TEST_F(PrintingTest, NeighbouringParagraphsWithTheSameIndentKeepItToo) {
  SetDocument("a\r\nb\r\nc\r\nd\r\ne");
  for (const auto& [position, points] : {std::pair{0, 5}, {2, 5}, {4, 9}, {6, 9}, {8, 5}})
    SetIndent(position, points);
  form1->PrintCommand();
  std::vector<int> after;
  for (const int position : {0, 2, 4, 6, 8}) after.push_back(IndentAt(position));
  EXPECT_EQ(after, (std::vector<int>{5, 5, 9, 9, 5}));
}

// Printing a long document changes the formats run by run, not paragraph by paragraph, so it
// takes seconds at most, not minutes (each change costs as much as one over the whole text).
TEST_F(PrintingTest, ALongUniformDocumentPrintsWithItsIndentsKept) {
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "paragraph " + std::to_string(i) + "\r\n";
  SetDocument(text);
  form1->PrintCommand();
  EXPECT_TRUE(Printed());
  EXPECT_EQ(IndentAt(0), 0);
  EXPECT_EQ(IndentAt(Editor().GetTextLen() - 1), 0);
}

TEST_F(PrintingTest, AFailedPrintStillGivesTheIndentsBack) {
  Printer().SetOutputFileName(Path("no-such-folder") + "/job.pdf");
  EXPECT_THROW(form1->PrintCommand(), std::exception);
  EXPECT_EQ(Indents(), (std::vector<int>{0, 12, -6}));
}

TEST_F(PrintingTest, ConfirmedPrinterSetUpPrintsWithTheWindowCaption) {
  Editor().SetSelStart(3);
  env.printerSetupAnswers.push_back(true);
  form1->PrinterSetupCommand();
  EXPECT_EQ(env.printerSetupDialogs, 1);
  EXPECT_TRUE(Printed());
  EXPECT_EQ(Printer().Title(), "Печать Form1");
  EXPECT_EQ(Editor().SelStart(), 3);
  EXPECT_EQ(Editor().SelLength(), 0);
  EXPECT_EQ(env.sounds, std::vector<std::string>{Sound(sounds::kClick)});
}

TEST_F(PrintingTest, CancelledPrinterSetUpPrintsNothing) {
  env.printerSetupAnswers.push_back(false);
  form1->PrinterSetupCommand();
  EXPECT_EQ(env.printerSetupDialogs, 1);
  EXPECT_FALSE(Printed());
  EXPECT_EQ(env.sounds, std::vector<std::string>{Sound(sounds::kClick)});
}

}  // namespace
