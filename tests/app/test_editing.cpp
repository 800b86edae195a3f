// The editing and formatting commands of the main window: toolbar buttons, insertions, the key
// press and the status bar, the base style, and DocModified following every edit.
#include <functional>

#include "EditingFixture.h"
#include "app/EditingText.h"
#include "platform/environment/Clock.h"

namespace {

using Command = void (TForm1::*)(TComponent*);

TEST(EditingText, BaseStyleForEachStiltextValue) {
  const struct {
    int index;
    TFontStyles current;
    TFontStyles expected;
  } cases[] = {
      {0, fsBold, 0},
      {1, 0, fsItalic},
      {2, fsItalic, fsBold},
      {3, 0, fsBold | fsItalic},
      {4, fsUnderline, fsUnderline},
      {-1, fsItalic, fsItalic},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BaseStyleForIndex(c.index, c.current), c.expected) << "stiltext " << c.index;
}

TEST(EditingText, CaretTextHasFourBlanksBeforeTheCharacterNumber) {
  EXPECT_EQ(CaretPositionText(1, 1), "Строка № 1    Знак № 1");
  EXPECT_EQ(CaretPositionText(12, 305), "Строка № 12    Знак № 305");
}

TEST(EditingText, Utf16LengthCountsSurrogatePairsTwice) {
  const struct {
    const char* text;
    int units;
  } cases[] = {{"", 0}, {"abc", 3}, {"текст", 5}, {"a\xF0\x9F\x98\x80z", 4}, {"€", 1}};
  for (const auto& c : cases) EXPECT_EQ(Utf16Length(c.text), c.units) << c.text;
}

TEST_F(EditingTest, AlignmentButtonsSetTheParagraphAlignmentAfterTheClick) {
  const struct {
    Command button;
    TAlignment alignment;
  } cases[] = {{&TForm1::FlatButton11Click, taCenter},
               {&TForm1::FlatButton12Click, taRightJustify},
               {&TForm1::FlatButton10Click, taLeftJustify}};
  SetDocument("one\r\ntwo");
  for (const auto& c : cases) {
    env.sounds.clear();
    form1->DocModified = 0;
    (form1.get()->*c.button)(nullptr);
    EXPECT_EQ(Paragraph().Alignment(), c.alignment);
    EXPECT_EQ(env.sounds, std::vector<std::string>{Click()});
    EXPECT_EQ(form1->DocModified, 1);
    EXPECT_TRUE(Editor().Focused());
  }
}

TEST_F(EditingTest, IndentButtonsStepTheFirstLineIndentByThreePointsWithoutLimit) {
  SetDocument("paragraph");
  form1->FlatButton16Click(nullptr);
  EXPECT_EQ(Paragraph().FirstIndent(), -3);
  form1->FlatButton16Click(nullptr);
  EXPECT_EQ(Paragraph().FirstIndent(), -6);
  for (int i = 0; i < 4; ++i) form1->FlatButton15Click(nullptr);
  EXPECT_EQ(Paragraph().FirstIndent(), 6);
  EXPECT_EQ(Paragraph().LeftIndent(), 0);
  EXPECT_EQ(env.sounds, std::vector<std::string>(6, Click()));
  EXPECT_EQ(form1->DocModified, 1);
}

TEST_F(EditingTest, IndentButtonsChangeEveryParagraphOfTheSelection) {
  SetDocument("one\r\ntwo\r\nthree");
  Editor().SelectAll();
  form1->FlatButton15Click(nullptr);
  for (int start : {0, 4, 8}) {
    Editor().SetSelStart(start);
    EXPECT_EQ(Paragraph().FirstIndent(), 3) << "paragraph at " << start;
  }
}

TEST_F(EditingTest, FontButtonAppliesTheChosenFontOnlyWhenConfirmed) {
  SetDocument("styled");
  Editor().SelectAll();
  env.fontAnswers.push_back(std::nullopt);
  form1->FlatButton13Click(nullptr);
  ASSERT_EQ(env.fontDialogs.size(), 1u);
  EXPECT_EQ(env.fontDialogs[0].Name(), "MS Sans Serif");
  EXPECT_EQ(env.fontDialogs[0].Height(), -11);
  EXPECT_EQ(form1->DocModified, 0);

  TFont chosen;
  chosen.SetName("DejaVu Serif");
  chosen.SetSize(14);
  chosen.SetStyle(fsBold);
  chosen.SetColor(RGB(0, 128, 0));
  env.fontAnswers.push_back(chosen);
  form1->FlatButton13Click(nullptr);
  EXPECT_EQ(Editor().SelAttributes().Name(), "DejaVu Serif");
  EXPECT_EQ(Editor().SelAttributes().Size(), 14);
  EXPECT_EQ(Editor().SelAttributes().Style(), fsBold);
  EXPECT_EQ(Editor().SelAttributes().Color(), RGB(0, 128, 0));
  EXPECT_EQ(form1->DocModified, 1);
  // The next dialog starts with the font chosen last, not with the selection's.
  form1->FlatButton13Click(nullptr);
  ASSERT_EQ(env.fontDialogs.size(), 3u);
  EXPECT_EQ(env.fontDialogs[2].Name(), "DejaVu Serif");
}

TEST_F(EditingTest, ColourButtonColoursTheSelectionWhenConfirmed) {
  SetDocument("colour");
  Editor().SelectAll();
  env.colorAnswers.push_back(std::nullopt);
  form1->FlatButton14Click(nullptr);
  EXPECT_EQ(env.colorDialogs, std::vector<TColor>{clBlack});
  EXPECT_EQ(form1->DocModified, 0);
  env.colorAnswers.push_back(RGB(200, 10, 20));
  form1->FlatButton14Click(nullptr);
  EXPECT_EQ(Editor().SelAttributes().Color(), RGB(200, 10, 20));
  EXPECT_EQ(form1->DocModified, 1);
  EXPECT_TRUE(Editor().Focused());
}

TEST_F(EditingTest, SelectAllSelectsTheWholeText) {
  SetDocument("abc\r\ndef");
  form1->FlatButton8Click(nullptr);
  EXPECT_EQ(Editor().SelStart(), 0);
  EXPECT_EQ(Editor().SelLength(), Editor().GetTextLen());
  EXPECT_EQ(form1->DocModified, 0);
}

TEST_F(EditingTest, CutPasteAndUndoAreEditsTheSaveMustNotLose) {
  SetDocument("hello world");
  Editor().SetSelStart(0);
  Editor().SetSelLength(6);
  form1->FlatButton4Click(nullptr);  // copy changes nothing
  EXPECT_EQ(form1->DocModified, 0);
  form1->FlatButton5Click(nullptr);
  EXPECT_EQ(Editor().Text(), "world");
  EXPECT_EQ(form1->DocModified, 1);

  form1->DocModified = 0;
  Editor().SetSelStart(5);
  form1->FlatButton6Click(nullptr);
  EXPECT_EQ(Editor().Text(), "worldhello ");
  EXPECT_EQ(form1->DocModified, 1);

  form1->DocModified = 0;
  form1->FlatButton9Click(nullptr);
  EXPECT_EQ(Editor().Text(), "world");
  EXPECT_EQ(form1->DocModified, 1);
  EXPECT_EQ(env.sounds, std::vector<std::string>(4, Click()));
}

TEST_F(EditingTest, DeleteKeyMarksTheDocumentModified) {
  SetDocument("abc");
  Editor().SetFocus();
  Editor().SetSelStart(0);
  TestInput::Key(form1.get(), VK_DELETE);
  EXPECT_EQ(Editor().Text(), "bc");
  EXPECT_EQ(form1->DocModified, 1);
}

TEST_F(EditingTest, ReplacingTheDocumentDoesNotMarkItModified) {
  SetDocument("loaded");
  {
    const TForm1::TDocumentReplacement replacing(*form1);
    Editor().Clear();
  }
  EXPECT_EQ(form1->DocModified, 0);
  Editor().SetSelText("typed");
  EXPECT_EQ(form1->DocModified, 1);
}

TEST_F(EditingTest, TypingAtTheStartShowsLineOneCharacterOneAndMarksTheDocument) {
  SetDocument("text");
  Editor().SetSelStart(0);
  TypeKeys("x");
  EXPECT_EQ(Panel0(), "Строка № 1    Знак № 1");
  EXPECT_EQ(form1->StatusBar1->Font().Color(), TColor(17802));
  EXPECT_EQ(form1->StatusBar1->Font().Size(), 9);
  EXPECT_EQ(Editor().Text(), "xtext");
  EXPECT_EQ(form1->DocModified, 1);
}

TEST_F(EditingTest, TheCaretTextIsReadBeforeTheKeyTakesEffect) {
  SetDocument("first\r\nsecond");
  Editor().SetSelStart(9);  // "sec|ond"
  TypeKeys("z");
  EXPECT_EQ(Panel0(), "Строка № 2    Знак № 4");
  TypeKeys("q");
  EXPECT_EQ(Panel0(), "Строка № 2    Знак № 5");
}

TEST_F(EditingTest, CtrlCInTheEditorIsACharacterKeyThatMarksTheDocument) {
  SetDocument("copy me");
  Editor().SetFocus();
  Editor().SelectAll();
  TestInput::Key(form1.get(), 'C', "\x03", ssCtrl);
  EXPECT_EQ(Editor().Text(), "copy me");
  EXPECT_EQ(form1->DocModified, 1);
}

TEST_F(EditingTest, KeyClickFollowsTheKeyboardSwitch) {
  SetDocument("");
  form1->KeyboardSoundOn = true;
  TypeKeys("a");
  EXPECT_EQ(env.sounds, std::vector<std::string>{Sound(sounds::kKey)});
  env.sounds.clear();
  form1->KeyboardSoundOn = false;
  TypeKeys("b");
  EXPECT_EQ(env.sounds, std::vector<std::string>{"stop"});
}

TEST_F(EditingTest, MouseMoveShowsTheCaretNotThePointer) {
  SetDocument("one\r\ntwo\r\nthree");
  Editor().SetSelStart(6);
  form1->StatusBar1->Panels()[0].SetText("");
  TestInput::MouseMove(&Editor(), Point(5, 5));
  EXPECT_EQ(Panel0(), "Строка № 2    Знак № 3");
  EXPECT_EQ(form1->DocModified, 0);
}

TEST_F(EditingTest, BaseStyleFollowsStiltextAtTheFirstChange) {
  const struct {
    int index;
    TFontStyles expected;
  } cases[] = {{2, fsBold}, {1, fsItalic}, {3, fsBold | fsItalic}, {0, 0}, {7, fsUnderline}};
  for (const auto& c : cases) {
    Editor().Font().SetStyle(fsUnderline);
    form1->TextStyleIndex = c.index;
    EXPECT_EQ(Editor().Font().Style(), fsUnderline) << "nothing before the first change";
    Editor().SetSelText("x");
    EXPECT_EQ(Editor().Font().Style(), c.expected) << "stiltext " << c.index;
    EXPECT_EQ(Editor().DefAttributes().Style(), c.expected) << "stiltext " << c.index;
  }
}

TEST_F(EditingTest, DateInAnEmptyDocumentLeavesAnEmptyLineBelowIt) {
  SetDocument("");
  form1->InsertDateCommand();
  EXPECT_EQ(Joined(), "06.05.2024|");
  EXPECT_EQ(Editor().SelStart(), 11) << "after the date and its line break";
  EXPECT_EQ(form1->DocModified, 1);
  EXPECT_TRUE(env.sounds.empty());
}

TEST_F(EditingTest, DateAfterALastLineWithTextGoesOnANewLastLine) {
  SetDocument("line one\r\nline two");
  form1->InsertDateCommand();
  EXPECT_EQ(Joined(), "line one|line two|06.05.2024");
  EXPECT_EQ(Editor().SelStart(), Editor().GetTextLen());
}

TEST_F(EditingTest, TimeAndTheClockAddTheLongTime) {
  SetDocument("a\r\n");
  form1->InsertTimeCommand();
  EXPECT_EQ(Joined(), "a|07:08:09|");
  env.now.Second = 10;
  form1->SmoothPanel4Click(nullptr);
  EXPECT_EQ(Joined(), "a|07:08:09|07:08:10|");
  EXPECT_TRUE(env.sounds.empty());
}

TEST_F(EditingTest, InsertionAtTheTextLimitReportsTheLineInsertionError) {
  SetDocument("full");
  Editor().SetMaxLength(6);
  try {
    form1->InsertTimeCommand();
    FAIL() << "no error";
  } catch (const std::exception& error) {
    EXPECT_STREQ(error.what(), "RichEdit line insertion error");
  }
  EXPECT_EQ(Editor().Text(), "full");
  EXPECT_EQ(form1->DocModified, 0);
}

TEST_F(EditingTest, BulletMarksTheParagraphsOfTheSelection) {
  SetDocument("a\r\nb\r\nc");
  Editor().SetSelStart(2);
  Editor().SetSelLength(2);
  form1->InsertBulletCommand();
  for (const auto& [start, bullet] : {std::pair{0, false}, {2, true}, {4, true}}) {
    Editor().SetSelStart(start);
    EXPECT_EQ(Paragraph().Numbering() == nsBullet, bullet) << "paragraph at " << start;
  }
  EXPECT_EQ(form1->DocModified, 1);
}

}  // namespace
