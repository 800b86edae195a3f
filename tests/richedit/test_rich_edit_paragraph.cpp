// Paragraph attributes in points: the first-line indent from the left edge, the following
// lines relative to the first line, negative values kept exactly, all paragraphs of the
// selection changed and the first one read.
#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextBlock>
#include <QTextLayout>

#include "rich_edit_fixture.h"

namespace {

// Screen x of a block's lines, as laid out.
std::vector<qreal> LineStarts(QTextEdit& view, int blockNumber) {
  QTextDocument& document = *view.document();
  const QTextBlock block = document.findBlockByNumber(blockNumber);
  const QRectF box = document.documentLayout()->blockBoundingRect(block);
  std::vector<qreal> starts;
  for (int i = 0; i < block.layout()->lineCount(); ++i) {
    starts.push_back(box.left() + block.layout()->lineAt(i).x());
  }
  return starts;
}

const char* const kWrapping =
    "Съешь же ещё этих мягких французских булок да выпей чаю, съешь же ещё этих мягких "
    "французских булок да выпей чаю.";

TEST_F(RichEditTest, FirstIndentMinusThreeReadsBackMinusThree) {
  edit->SetText("абзац");
  EXPECT_EQ(edit->Paragraph().FirstIndent(), 0);
  edit->Paragraph().SetFirstIndent(edit->Paragraph().FirstIndent() - 3);
  EXPECT_EQ(edit->Paragraph().FirstIndent(), -3);
  EXPECT_EQ(edit->Paragraph().LeftIndent(), 0);
  // Twice more: no limit is applied by the control at these values.
  edit->Paragraph().SetFirstIndent(edit->Paragraph().FirstIndent() - 3);
  edit->Paragraph().SetFirstIndent(edit->Paragraph().FirstIndent() - 3);
  EXPECT_EQ(edit->Paragraph().FirstIndent(), -9);
  // Stored in the document as \li-180 \fi0 and read back from it.
  const rtf::RichDocument saved = Saved();
  EXPECT_EQ(saved.paragraphs[0].format.leftTwips, -180);
  EXPECT_EQ(saved.paragraphs[0].format.firstTwips, 0);
  edit->SetSelStart(0);
  edit->Paragraph().SetFirstIndent(edit->Paragraph().FirstIndent() + 3);
  EXPECT_EQ(edit->Paragraph().FirstIndent(), -6);
}

TEST_F(RichEditTest, IndentsFollowTheirDefinitions) {
  edit->SetText(kWrapping);
  edit->SetWidth(250);
  edit->Paragraph().SetFirstIndent(30);
  edit->Paragraph().SetLeftIndent(15);
  EXPECT_EQ(edit->Paragraph().FirstIndent(), 30);
  EXPECT_EQ(edit->Paragraph().LeftIndent(), 15);
  // RTF: \li is every line's indent, \fi the first line relative to it.
  const rtf::RichDocument saved = Saved();
  EXPECT_EQ(saved.paragraphs[0].format.leftTwips, 45 * 20);
  EXPECT_EQ(saved.paragraphs[0].format.firstTwips, -15 * 20);
  // On the screen: the first line 30 pt = 40 px from the edge, the next ones 15 pt = 20 px
  // further.
  const std::vector<qreal> starts = LineStarts(View(), 0);
  ASSERT_GE(starts.size(), 2u);
  EXPECT_EQ(starts[0], richedit::kLeftOffsetPixels + 40);
  EXPECT_EQ(starts[1], richedit::kLeftOffsetPixels + 60);
  // Changing the first line keeps the following lines' offset from it.
  edit->Paragraph().SetFirstIndent(6);
  EXPECT_EQ(edit->Paragraph().LeftIndent(), 15);
  EXPECT_EQ(LineStarts(View(), 0)[1] - LineStarts(View(), 0)[0], 20);
}

TEST_F(RichEditTest, RulerStyleIndentPutsAllLinesTogether) {
  edit->SetText(kWrapping);
  edit->SetWidth(250);
  edit->Paragraph().SetLeftIndent(12);
  const int points = 37;  // Trunc(50 px * 0.75)
  edit->Paragraph().SetFirstIndent(points);
  edit->Paragraph().SetLeftIndent(points - edit->Paragraph().FirstIndent());
  EXPECT_EQ(edit->Paragraph().FirstIndent(), 37);
  EXPECT_EQ(edit->Paragraph().LeftIndent(), 0);
  const std::vector<qreal> starts = LineStarts(View(), 0);
  ASSERT_GE(starts.size(), 2u);
  EXPECT_EQ(starts[0], starts[1]);
}

TEST_F(RichEditTest, IndentsOfLoadedFilesReadInPoints) {
  LoadRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\li600\\fi-200 one\\par}");
  EXPECT_EQ(edit->Paragraph().FirstIndent(), 20);
  EXPECT_EQ(edit->Paragraph().LeftIndent(), 10);
}

TEST_F(RichEditTest, ParagraphChangesReachEveryParagraphOfTheSelection) {
  edit->SetText("один\r\nдва\r\nтри\r\nчетыре");
  edit->SetSelStart(2);
  edit->SetSelLength(8);  // from "один" into "три"
  edit->Paragraph().SetAlignment(taCenter);
  edit->Paragraph().SetFirstIndent(edit->Paragraph().FirstIndent() + 3);
  edit->Paragraph().SetNumbering(nsBullet);
  const rtf::RichDocument saved = Saved();
  ASSERT_EQ(saved.paragraphs.size(), 4u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(saved.paragraphs[i].format.align, rtf::Align::Center) << i;
    EXPECT_EQ(saved.paragraphs[i].format.leftTwips + saved.paragraphs[i].format.firstTwips, 60);
    EXPECT_TRUE(saved.paragraphs[i].format.bullet) << i;
  }
  EXPECT_EQ(saved.paragraphs[3].format.align, rtf::Align::Left);
  EXPECT_FALSE(saved.paragraphs[3].format.bullet);
  EXPECT_EQ(edit->Paragraph().Alignment(), taCenter);
  EXPECT_EQ(edit->Paragraph().Numbering(), nsBullet);
}

TEST_F(RichEditTest, ReadingGivesTheFirstParagraphOfTheSelection) {
  edit->SetText("один\r\nдва");
  edit->SetSelStart(6);
  edit->Paragraph().SetFirstIndent(24);
  edit->Paragraph().SetAlignment(taRightJustify);
  edit->SetSelStart(0);
  edit->SetSelLength(7);
  EXPECT_EQ(edit->Paragraph().FirstIndent(), 0);
  EXPECT_EQ(edit->Paragraph().Alignment(), taLeftJustify);
  edit->SetSelStart(5);
  EXPECT_EQ(edit->Paragraph().FirstIndent(), 24);
  EXPECT_EQ(edit->Paragraph().Alignment(), taRightJustify);
}

TEST_F(RichEditTest, BulletsComeAndGo) {
  edit->SetText("пункт");
  edit->Paragraph().SetNumbering(nsBullet);
  const qreal withBullet = LineStarts(View(), 0)[0];
  EXPECT_EQ(edit->Paragraph().Numbering(), nsBullet);
  edit->Paragraph().SetNumbering(nsNone);
  EXPECT_EQ(edit->Paragraph().Numbering(), nsNone);
  EXPECT_EQ(LineStarts(View(), 0)[0], richedit::kLeftOffsetPixels);
  EXPECT_GT(withBullet, richedit::kLeftOffsetPixels);
  // Backspace at the start of a bullet paragraph takes the bullet, not the text.
  edit->Paragraph().SetNumbering(nsBullet);
  edit->SetSelStart(0);
  Key(Qt::Key_Backspace, QStringLiteral("\b"));
  EXPECT_EQ(edit->Paragraph().Numbering(), nsNone);
  EXPECT_EQ(edit->Text(), "пункт");
  EXPECT_EQ(LineStarts(View(), 0)[0], richedit::kLeftOffsetPixels);
}

TEST_F(RichEditTest, TheBulletStandsAtTheFirstLinePositionAndTheTextAtTheIndent) {
  LoadRtf(kBulletRtf);
  const QImage face = View().viewport()->grab().toImage();
  const QTextBlock block = View().document()->firstBlock();
  const QRectF box = View().document()->documentLayout()->blockBoundingRect(block);
  const QTextLine line = block.layout()->lineAt(0);
  const int top = int(box.top() + line.y());
  const int bottom = int(box.top() + line.y() + line.height());
  auto inkBetween = [&](int left, int right) {
    int dark = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) dark += qGray(face.pixel(x, y)) < 128;
    return dark;
  };
  const int edge = richedit::kLeftOffsetPixels;
  const int text = edge + 24;
  EXPECT_GT(inkBetween(edge, edge + 8), 0);  // the bullet
  EXPECT_EQ(inkBetween(edge + 8, text), 0);  // the hanging indent's room, empty
  EXPECT_GT(inkBetween(text, text + 20), 0);
  EXPECT_EQ(LineStarts(View(), 0)[0], text);
}

TEST_F(RichEditTest, ABulletsTextLinesUpWithItsFollowingLines) {
  edit->SetText(kWrapping);
  edit->SetWidth(250);
  // The classic bulleted paragraph: a hanging indent of 18 pt (24 px).
  edit->Paragraph().SetNumbering(nsBullet);
  edit->Paragraph().SetFirstIndent(0);
  edit->Paragraph().SetLeftIndent(18);
  std::vector<qreal> starts = LineStarts(View(), 0);
  ASSERT_GE(starts.size(), 2u);
  for (qreal x : starts) EXPECT_EQ(x, richedit::kLeftOffsetPixels + 24);
  // Without a hanging indent the text leaves the bullet its room; the next lines do not.
  edit->Paragraph().SetLeftIndent(0);
  starts = LineStarts(View(), 0);
  EXPECT_EQ(starts[0], richedit::kLeftOffsetPixels + richedit::kBulletRoomPixels);
  EXPECT_EQ(starts[1], richedit::kLeftOffsetPixels);
  // Taking the bullet away gives the plain geometry back, and a bullet read from a file gets
  // the same lines as one set here (a loaded document keeps the control's page margins).
  edit->Paragraph().SetLeftIndent(18);
  edit->Paragraph().SetNumbering(nsNone);
  starts = LineStarts(View(), 0);
  EXPECT_EQ(starts[0], richedit::kLeftOffsetPixels);
  EXPECT_EQ(starts[1], richedit::kLeftOffsetPixels + 24);
  LoadRtf("{\\rtf1{\\pntext\\'B7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'B7}}\\fi-360\\li360 " +
          std::string(kWrapping) + "\\par}");
  starts = LineStarts(View(), 0);
  ASSERT_GE(starts.size(), 2u);
  EXPECT_EQ(starts[0], richedit::kLeftOffsetPixels + 24);
  EXPECT_EQ(starts[1], richedit::kLeftOffsetPixels + 24);
}

TEST_F(RichEditTest, IndentsStayWithinTheControlsLimits) {
  edit->SetText("x");
  edit->Paragraph().SetFirstIndent(1000000);
  EXPECT_EQ(edit->Paragraph().FirstIndent(), TParaAttributes::kMaxIndentPoints);
  edit->Paragraph().SetFirstIndent(-1000000);
  EXPECT_EQ(edit->Paragraph().FirstIndent(), -TParaAttributes::kMaxIndentPoints);
}

TEST_F(RichEditTest, FormatChangesAreNoTextChanges) {
  int changes = 0;
  edit->SetText("текст");
  edit->OnChange = [&](TComponent*) { ++changes; };
  edit->SelectAll();
  edit->Paragraph().SetFirstIndent(12);
  edit->Paragraph().SetNumbering(nsBullet);
  edit->SelAttributes().SetStyle(fsBold);
  edit->DefAttributes().SetSize(14);
  EXPECT_EQ(changes, 0);
  edit->SetSelText("новый");
  EXPECT_EQ(changes, 1);
}

}  // namespace
