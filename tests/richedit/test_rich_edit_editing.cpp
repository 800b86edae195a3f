// Find, word wrap, undo, the clipboard, the text limit, line insertion and change events.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/core/Exception.h"
#include "rich_edit_fixture.h"

namespace {

TEST_F(RichEditTest, FindHonoursCaseAndRange) {
  edit->SetText("Текст и текст, ещё текст");
  EXPECT_EQ(edit->FindText("текст", 0, edit->GetTextLen(), stMatchCase), 8);
  EXPECT_EQ(edit->FindText("текст", 0, edit->GetTextLen(), 0), 0);
  EXPECT_EQ(edit->FindText("текст", 9, edit->GetTextLen() - 9, stMatchCase), 19);
  // The match must end within the range.
  EXPECT_EQ(edit->FindText("текст", 9, 12, stMatchCase), -1);
  EXPECT_EQ(edit->FindText("текст", 20, edit->GetTextLen() - 20, stMatchCase), -1);
  EXPECT_EQ(edit->FindText("ТЕКСТ", 0, -1, stMatchCase), -1);
  EXPECT_EQ(edit->FindText("екс", 0, -1, stMatchCase | stWholeWord), -1);
  EXPECT_EQ(edit->FindText("", 0, -1, 0), -1);
  EXPECT_EQ(edit->FindText("текст", -1, 5, 0), -1);
  EXPECT_EQ(edit->FindText("текст", 0, 1000000, stMatchCase), 8);
}

TEST_F(RichEditTest, FindSearchesLaterParagraphs) {
  edit->SetText("один\r\nдва\r\nтри");
  EXPECT_EQ(edit->FindText("три", 0, -1, stMatchCase), 9);
}

TEST_F(RichEditTest, WordWrapToggleKeepsContentFormattingUndoAndFocus) {
  edit->SetText("абзац первый\r\nвторой");
  edit->SetSelStart(2);
  edit->SetSelLength(3);
  edit->SelAttributes().SetStyle(fsBold | fsUnderline);
  edit->SelAttributes().SetColor(clRed);
  edit->Paragraph().SetFirstIndent(-3);
  edit->Paragraph().SetNumbering(nsBullet);
  edit->SetSelStart(15);
  edit->Paragraph().SetAlignment(taCenter);
  edit->SetSelStart(3);
  const rtf::RichDocument before = Saved();
  const bool couldUndo = edit->CanUndo();
  ASSERT_TRUE(couldUndo);

  edit->SetWordWrap(false);
  EXPECT_FALSE(edit->WordWrap());
  edit->SetWordWrap(true);
  QApplication::processEvents();

  EXPECT_EQ(Saved(), before);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->SelStart(), 3);
  EXPECT_TRUE(edit->CanUndo());
  edit->Undo();  // the alignment of the second paragraph
  EXPECT_EQ(Saved().paragraphs[1].format.align, rtf::Align::Left);
}

TEST_F(RichEditTest, WithoutWordWrapALongLineIsOneLine) {
  edit->SetText(std::string(300, 'x') + " " + std::string(300, 'y'));
  EXPECT_GT(edit->LineCount(), 1);
  edit->SetWordWrap(false);
  EXPECT_EQ(edit->LineCount(), 1);
}

TEST_F(RichEditTest, EnterAlwaysStartsAParagraphInTheSameFormat) {
  edit->Paragraph().SetFirstIndent(12);
  edit->SelAttributes().SetStyle(fsBold);
  edit->SelAttributes().SetSize(14);
  Type(QStringLiteral("abc\n\n\nx"));  // empty paragraphs too: no Enter is swallowed
  EXPECT_EQ(edit->Text(), "abc\r\n\r\n\r\nx");
  const rtf::RichDocument saved = Saved();
  ASSERT_EQ(saved.paragraphs.size(), 4u);
  EXPECT_EQ(saved.paragraphs[3].format.leftTwips + saved.paragraphs[3].format.firstTwips, 240);
  ASSERT_EQ(saved.paragraphs[3].runs.size(), 1u);
  EXPECT_TRUE(saved.paragraphs[3].runs[0].format.bold);
  EXPECT_EQ(saved.paragraphs[3].runs[0].format.sizeHalfPt, 28);
  // In a bullet list an empty item is followed by another item; undo takes one Enter back.
  edit->Clear();
  edit->Paragraph().SetNumbering(nsBullet);
  Type(QStringLiteral("a\n\nb"));
  for (const rtf::Paragraph& paragraph : Saved().paragraphs) EXPECT_TRUE(paragraph.format.bullet);
  edit->Undo();
  edit->Undo();
  EXPECT_EQ(edit->Text(), "a\r\n");
}

TEST_F(RichEditTest, UndoTakesBackTyping) {
  EXPECT_FALSE(edit->CanUndo());
  Type(QStringLiteral("ab"));
  EXPECT_TRUE(edit->CanUndo());
  edit->Undo();
  EXPECT_EQ(edit->Text(), "");
  edit->Undo();  // nothing left to undo: nothing happens
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(RichEditTest, ChangeFiresForEveryKindOfTextChange) {
  int changes = 0;
  edit->OnChange = [&](TComponent* sender) {
    EXPECT_EQ(sender, edit);
    ++changes;
  };
  Type(QStringLiteral("ж"));
  EXPECT_EQ(changes, 1);
  edit->SetSelText("ab");
  EXPECT_EQ(changes, 2);
  edit->Undo();
  EXPECT_EQ(changes, 3);
  edit->Clear();
  EXPECT_EQ(changes, 4);
  LoadRtf("{\\rtf1 загружено\\par}");
  EXPECT_EQ(changes, 5);
  edit->Lines().Add("строка");
  EXPECT_EQ(changes, 6);
}

TEST_F(RichEditTest, ChangeHandlerMaySetTheDefaultFormat) {
  int changes = 0;
  edit->OnChange = [&](TComponent*) {
    ++changes;
    edit->DefAttributes().SetStyle(fsBold);
  };
  Type(QStringLiteral("жир"));
  EXPECT_EQ(changes, 3);
  const rtf::RichDocument saved = Saved();
  ASSERT_EQ(saved.paragraphs[0].runs.size(), 1u);
  EXPECT_TRUE(saved.paragraphs[0].runs[0].format.bold);
}

TEST_F(RichEditTest, ClipboardKeepsFormatsAndIndents) {
  edit->SetText("жирный\r\nсдвинутый");
  edit->SetSelStart(0);
  edit->SetSelLength(6);
  edit->SelAttributes().SetStyle(fsBold);
  edit->SetSelStart(8);
  edit->Paragraph().SetFirstIndent(-3);
  edit->SelectAll();
  edit->CopyToClipboard();
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(mime, nullptr);
  EXPECT_TRUE(mime->hasFormat("text/rtf"));
  EXPECT_EQ(mime->text(), QStringLiteral("жирный\nсдвинутый"));

  edit->Clear();
  edit->PasteFromClipboard();
  const rtf::RichDocument pasted = Saved();
  ASSERT_EQ(pasted.paragraphs.size(), 2u);
  EXPECT_TRUE(pasted.paragraphs[0].runs[0].format.bold);
  EXPECT_EQ(pasted.paragraphs[1].format.leftTwips + pasted.paragraphs[1].format.firstTwips, -60);
  EXPECT_EQ(edit->Text(), "жирный\r\nсдвинутый");
}

TEST_F(RichEditTest, CutAndPasteOfPlainText) {
  edit->SetText("раз два");
  edit->SetSelStart(3);
  edit->SetSelLength(4);
  edit->CutToClipboard();
  EXPECT_EQ(edit->Text(), "раз");
  auto* mime = new QMimeData;
  mime->setText(QStringLiteral("a\r\nb\rc"));
  QGuiApplication::clipboard()->setMimeData(mime);
  edit->SetSelStart(0);
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text(), "a\r\nb\r\ncраз");
}

TEST_F(RichEditTest, TextLimitStopsTypingPastingAndLineInsertion) {
  edit->SetMaxLength(5);
  Type(QStringLiteral("абвгдеж"));
  EXPECT_EQ(edit->Text(), "абвгд");
  auto* mime = new QMimeData;
  mime->setText(QStringLiteral("xyz"));
  QGuiApplication::clipboard()->setMimeData(mime);
  edit->SetSelStart(1);
  edit->SetSelLength(2);
  edit->PasteFromClipboard();  // two characters' room: "xy"
  EXPECT_EQ(edit->Text(), "аxyгд");
  try {
    edit->Lines().Add("строка");
    FAIL() << "no error";
  } catch (const Exception& error) {
    EXPECT_STREQ(error.what(), "RichEdit line insertion error");
  }
  EXPECT_EQ(edit->Text(), "аxyгд");
  edit->SetMaxLength(0);
  edit->Lines().Add("строка");
  EXPECT_EQ(edit->Text(), "аxyгд\r\nстрока");
}

TEST_F(RichEditTest, AddingALineAtTheEnd) {
  // An empty document: the text goes on the first line with an empty line below it.
  edit->Lines().Add("01.02.2024");
  EXPECT_EQ(edit->Text(), "01.02.2024\r\n");
  EXPECT_EQ(edit->SelStart(), edit->GetTextLen());
  // The last line now is empty: the next one goes into it.
  edit->Lines().Add("12:00:00");
  EXPECT_EQ(edit->Text(), "01.02.2024\r\n12:00:00\r\n");
  // A document whose last line holds text gets a new last line without a break after it.
  edit->SetText("текст");
  edit->Lines().Add("12:00:00");
  EXPECT_EQ(edit->Text(), "текст\r\n12:00:00");
  EXPECT_EQ(edit->Lines().Count(), 2);
  EXPECT_EQ(edit->Lines()[1], "12:00:00");
}

TEST_F(RichEditTest, InsertedLinesTakeTheFormatAtTheirPlace) {
  LoadRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\b\\fs40 жирный}");
  edit->Lines().Add("ещё");
  const rtf::RichDocument saved = Saved();
  ASSERT_EQ(saved.paragraphs.size(), 2u);
  EXPECT_TRUE(saved.paragraphs[1].runs[0].format.bold);
  EXPECT_EQ(saved.paragraphs[1].runs[0].format.sizeHalfPt, 40);
}

TEST_F(RichEditTest, ClearLeavesOneEmptyPlainParagraph) {
  LoadRtf(
      "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\pard\\qc\\li400{\\pntext\\'B7\\tab}{\\*\\pn\\pnlvlblt}"
      "\\b пункт\\par второй}");
  edit->Clear();
  EXPECT_EQ(edit->GetTextLen(), 0);
  EXPECT_EQ(edit->Paragraph().Numbering(), nsNone);
  EXPECT_EQ(edit->Paragraph().Alignment(), taLeftJustify);
  EXPECT_EQ(edit->Paragraph().FirstIndent(), 0);
  EXPECT_EQ(edit->SelAttributes().Style(), 0u);
  EXPECT_EQ(edit->SelAttributes().Name(), edit->DefAttributes().Name());
  EXPECT_EQ(edit->LineCount(), 1);
}

TEST_F(RichEditTest, SelTextReplacesTheSelection) {
  edit->SetText("один два");
  edit->SetSelStart(5);
  edit->SetSelLength(3);
  EXPECT_EQ(edit->SelText(), "два");
  edit->SetSelText("три\r\nчетыре");
  EXPECT_EQ(edit->Text(), "один три\r\nчетыре");
  EXPECT_EQ(edit->SelStart(), edit->GetTextLen());
  EXPECT_EQ(edit->SelLength(), 0);
  edit->SelectAll();
  EXPECT_EQ(edit->SelLength(), edit->GetTextLen());
  EXPECT_EQ(edit->SelText(), "один три\r\nчетыре");
}

}  // namespace

namespace {

TEST_F(RichEditTest, LinesReadInsertAndDelete) {
  edit->SetText("один\r\nдва\r\nтри");
  ASSERT_EQ(edit->Lines().Count(), 3);
  EXPECT_EQ(edit->Lines()[1], "два");
  EXPECT_EQ(edit->Lines()[7], "");
  edit->Lines().Insert(1, "вставка");
  EXPECT_EQ(edit->Text(), "один\r\nвставка\r\nдва\r\nтри");
  edit->Lines().Delete(2);
  EXPECT_EQ(edit->Text(), "один\r\nвставка\r\nтри");
  edit->Lines().Delete(2);
  EXPECT_EQ(edit->Text(), "один\r\nвставка\r\n");
  EXPECT_EQ(edit->Lines().Count(), 2);
  EXPECT_THROW(edit->Lines().Insert(5, "x"), Exception);
}

TEST_F(RichEditTest, KeyboardClipboardCommandsWork) {
  edit->SetText("ab");
  edit->SelectAll();
  Key(Qt::Key_C, QStringLiteral("\x03"), Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("ab"));
  edit->SetSelStart(2);
  Key(Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
  EXPECT_EQ(edit->Text(), "abab");
}

}  // namespace
