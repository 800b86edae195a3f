// The settings window at work: centring, the load at every showing (defaults, typed values, the
// check boxes' click side effects), the choices that reach the main window at once, and the save
// on "Выход" with its refusal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/RbButton.h"
#include "controls/RxCombos.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "platform/controls/Edit.h"
#include "platform/controls/RadioGroup.h"
#include "platform/environment/Dialogs.h"
#include "platform/testing/TestInput.h"
#include "settings_fixture.h"

namespace {

using Strings = std::vector<std::string>;

TPoint Middle(const TRect& r) {
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

class SettingsWindow : public SettingsTest {
 protected:
  // The pointer comes over the control first, as a user's does.
  void ClickControl(TControl* control) {
    const TPoint middle{control->Width() / 2, control->Height() / 2};
    TestInput::MouseMove(control, middle);
    TestInput::Click(control, middle);
  }
  void ClickArrow(TUDBtnType arrow) {
    const TPoint middle = Middle(form2->UpDown1->ButtonRect(arrow));
    TestInput::MouseMove(form2->UpDown1, middle);
    TestInput::Click(form2->UpDown1, middle);
  }
  void KeyInto(TWinControl* control, TKey key) {
    control->SetFocus();
    TestInput::Key(form2.get(), key);
  }
  // The example file's choices made as the user makes them.
  void ChooseTheExampleSettings() {
    env.colorAnswers.push_back(13822463);
    KeyInto(form2->ColorComboBox1, VK_DOWN);  // black -> maroon (128)
    KeyInto(form2->FontComboBox1, VK_DOWN);   // nothing -> the first face, Arial
    ClickArrow(btNext);
    ClickArrow(btNext);
    ClickControl(form2->FlatCheckBox3);
    ClickControl(form2->FlatButton3);
  }
};

TEST_F(SettingsWindow, CreationCentresTheWindowOnTheScreen) {
  struct Row {
    int screenWidth, screenHeight, left, top;
  };
  // (screen - 204) div 2, (screen - 372) div 2, the remainder dropped toward zero.
  const Row rows[] = {
      {1024, 768, 410, 198}, {1025, 769, 410, 198}, {801, 601, 298, 114}, {200, 300, -2, -36}};
  for (const Row& r : rows) {
    env.screenWidth = r.screenWidth;
    env.screenHeight = r.screenHeight;
    auto window = MakeWindow<TForm2>();
    EXPECT_EQ(window->Left(), r.left) << r.screenWidth;
    EXPECT_EQ(window->Top(), r.top) << r.screenHeight;
    EXPECT_EQ(window->Width(), 204);
    EXPECT_EQ(window->Height(), 372);
  }
}

TEST_F(SettingsWindow, AFirstStartWithoutAFileShowsTheLayoutsChoicesAndChangesNothing) {
  ShowSettings();
  EXPECT_TRUE(form2->Visible());
  EXPECT_EQ(form2->ColorComboBox1->ColorValue(), clBlack);
  EXPECT_EQ(form2->ColorComboBox1->Text(), TColorComboBox::TableName(0));
  EXPECT_EQ(form2->FontComboBox1->FontName(), "");
  EXPECT_EQ(form2->Edit1->Text(), "10");
  EXPECT_EQ(form2->UpDown1->Position(), 10);
  EXPECT_EQ(form2->RadioGroup1->ItemIndex(), 0);
  EXPECT_EQ(form2->RadioGroup1->Items().Strings(0), "Простой");
  for (TFlatCheckBox* box : {form2->FlatCheckBox1, form2->FlatCheckBox2, form2->FlatCheckBox3,
                             form2->FlatCheckBox4, form2->FlatCheckBox5})
    EXPECT_TRUE(box->Checked()) << box->Name();
  EXPECT_EQ(form2->ColorDialog1->Color(), 0u);
  EXPECT_EQ(shownCalls, Strings{});
  EXPECT_FALSE(std::filesystem::exists(SettingsPath()));  // showing writes nothing
}

TEST_F(SettingsWindow, TheLoadPutsEveryStoredValueIntoItsControl) {
  WriteSettings(
      "[Form]\r\ncolortext=255\r\nshrift=verdana\r\nrazmertext=20\r\nstiltext=2\r\n"
      "shirina=1\r\nzvukklava=0\r\nzvukredak=0\r\nclock=1\r\nRuler=1\r\nzvetpoly=5\r\n");
  ShowSettings();
  EXPECT_EQ(form2->ColorComboBox1->ColorValue(), 255u);
  EXPECT_EQ(form2->FontComboBox1->FontName(), "Verdana");  // the listed face, any case
  EXPECT_EQ(form2->UpDown1->Position(), 20);
  EXPECT_EQ(form2->Edit1->Text(), "20");
  EXPECT_EQ(form2->RadioGroup1->ItemIndex(), 2);
  EXPECT_FALSE(form2->FlatCheckBox2->Checked());
  EXPECT_FALSE(form2->FlatCheckBox3->Checked());
  EXPECT_EQ(form2->ColorDialog1->Color(), 5u);
  // Colour, face, size, field colour and style reach the main window only by a user's choice;
  // the sound switches only through the file.
  EXPECT_EQ(shownCalls, Strings{});
}

TEST_F(SettingsWindow, ChangedCheckBoxesApplyTheirStateToTheMainWindowWhileLoading) {
  struct Row {
    const char* file;
    Strings calls;
  };
  const Row rows[] = {
      {"", {}},
      {"shirina=0\r\n", {"fullscreen=0"}},
      {"clock=0\r\n", {"clock=0"}},
      {"Ruler=0\r\n", {"ruler=0"}},
      {"zvukklava=0\r\nzvukredak=0\r\n", {}},
      {"shirina=1\r\nclock=2\r\nRuler=1\r\n", {}},  // 2 counts as checked: no change
      // Loaded in the window's order, whatever the file's.
      {"Ruler=0\r\nclock=0\r\nshirina=0\r\n", {"fullscreen=0", "clock=0", "ruler=0"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.file);
    form2 = MakeWindow<TForm2>();
    form2->SetSettingsFile(TSettingsFile((dir / "program").string(), ""));
    form2->SetMainWindow(&main);
    WriteSettings(std::string("[Form]\r\n") + r.file);
    ShowSettings();
    EXPECT_EQ(shownCalls, r.calls);
  }
}

TEST_F(SettingsWindow, AStoredNormalWindowRestoresAMaximisedMainWindowOnTheFirstShowing) {
  WriteSettings("[Form]\r\nshirina=0\r\n");
  ASSERT_TRUE(main.fullScreen);
  ShowSettings();
  EXPECT_FALSE(main.fullScreen);
  EXPECT_FALSE(form2->FlatCheckBox1->Checked());
  // The second showing finds the box as the file has it: nothing fires again.
  form2->Close();
  ShowSettings();
  EXPECT_EQ(shownCalls, Strings{});
}

TEST_F(SettingsWindow, TheLoadRunsOnceTheWindowHasComeIntoView) {
  WriteSettings("[Form]\r\nshirina=0\r\n");
  main.watched = form2.get();
  ShowSettings();
  EXPECT_EQ(main.watchedVisible, std::vector<bool>{true});
}

TEST_F(SettingsWindow, NumbersAreReadByTheFilesRulesAndKeptInTheControlsRanges) {
  struct Row {
    const char* file;
    int size;
    int style;
  };
  const Row rows[] = {
      {"razmertext=0x1C\r\n", 28, 0}, {"razmertext=$10\r\n", 16, 0}, {"razmertext=12pt\r\n", 10, 0},
      {"razmertext=\r\n", 10, 0},     {"razmertext=99\r\n", 30, 0},  {"razmertext=-4\r\n", 6, 0},
      {"stiltext=7\r\n", 10, 3},      {"stiltext=-5\r\n", 10, -1},   {"stiltext=x\r\n", 10, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.file);
    form2 = MakeWindow<TForm2>();
    form2->SetSettingsFile(TSettingsFile((dir / "program").string(), ""));
    WriteSettings(std::string("[Form]\r\n") + r.file);
    form2->Show();
    EXPECT_EQ(form2->UpDown1->Position(), r.size);
    EXPECT_EQ(form2->Edit1->Text(), std::to_string(r.size));
    EXPECT_EQ(form2->RadioGroup1->ItemIndex(), r.style);
  }
}

TEST_F(SettingsWindow, AChosenColourColoursTheEditorAtOnceAndIsStoredOnExit) {
  ShowSettings();
  KeyInto(form2->ColorComboBox1, VK_DOWN);
  ASSERT_EQ(TColorComboBox::TableColor(1), 128u);
  EXPECT_EQ(form2->ColorComboBox1->ColorValue(), 128u);
  EXPECT_EQ(main.calls, Strings{"textcolor=128"});
  ClickControl(form2->RbButton1);
  EXPECT_NE(ReadSettings().find("\r\ncolortext=128\r\n"), std::string::npos);
  EXPECT_FALSE(form2->Visible());
}

TEST_F(SettingsWindow, AChosenFaceIsTheEditorsFaceAtOnce) {
  ShowSettings();
  KeyInto(form2->FontComboBox1, VK_DOWN);
  EXPECT_EQ(form2->FontComboBox1->FontName(), "Arial");
  KeyInto(form2->FontComboBox1, VK_DOWN);
  EXPECT_EQ(main.calls, (Strings{"face=Arial", "face=Courier New"}));
  EXPECT_EQ(main.face_, "Courier New");
}

TEST_F(SettingsWindow, AStoredFaceTheListDoesNotOfferIsKeptWhenSaving) {
  WriteSettings("[Form]\r\nshrift=Tahoma\r\nrazmertext=14\r\n");
  ShowSettings();
  EXPECT_EQ(form2->FontComboBox1->FontName(), "");  // this desktop has no Tahoma
  EXPECT_EQ(form2->Choices().FontFace, "Tahoma");
  ClickControl(form2->RbButton1);
  EXPECT_NE(ReadSettings().find("\r\nshrift=Tahoma\r\n"), std::string::npos);
  // A face the user picks replaces it.
  ShowSettings();
  KeyInto(form2->FontComboBox1, VK_DOWN);
  ClickControl(form2->RbButton1);
  EXPECT_NE(ReadSettings().find("\r\nshrift=Arial\r\n"), std::string::npos);
  EXPECT_EQ(main.calls, Strings{"face=Arial"});
}

TEST_F(SettingsWindow, EachArrowSetsTheEditorsSizeAtOnceAndStopsAtSixAndThirty) {
  struct Row {
    int start;
    TUDBtnType arrow;
    int clicks;
    Strings calls;
  };
  const Row rows[] = {
      {10, btNext, 1, {"size=11"}},
      {10, btPrev, 2, {"size=9", "size=8"}},
      {7, btPrev, 3, {"size=6", "size=6", "size=6"}},
      {28, btNext, 4, {"size=29", "size=30", "size=30", "size=30"}},
  };
  ShowSettings();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.start);
    form2->UpDown1->SetPosition(r.start);
    main.calls.clear();
    for (int i = 0; i < r.clicks; ++i) ClickArrow(r.arrow);
    EXPECT_EQ(main.calls, r.calls);
    EXPECT_EQ(form2->Edit1->Text(), r.calls.back().substr(5));
  }
}

TEST_F(SettingsWindow, ATypedSizeChangesNothingAtOnceButIsWhereTheNextArrowStarts) {
  ShowSettings();
  form2->Edit1->SetFocus();
  form2->Edit1->SelectAll();
  TestInput::Type(form2.get(), "25");
  EXPECT_EQ(main.calls, Strings{});
  ClickArrow(btNext);
  EXPECT_EQ(main.calls, Strings{"size=26"});
}

TEST_F(SettingsWindow, TheFieldColourDialogStartsAtItsColourAndColoursTheField) {
  ShowSettings();
  env.colorAnswers.push_back(13822463);
  ClickControl(form2->FlatButton3);
  EXPECT_EQ(env.colorDialogs, std::vector<TColor>{0});
  EXPECT_EQ(main.calls, Strings{"fieldcolor=13822463"});
  // The next dialog starts at the chosen colour.
  env.colorAnswers.push_back(255);
  ClickControl(form2->FlatButton3);
  EXPECT_EQ(env.colorDialogs, (std::vector<TColor>{0, 13822463}));
  EXPECT_EQ(main.fieldColor, 255u);
}

TEST_F(SettingsWindow, ACancelledFieldColourDialogReappliesThePreviousColour) {
  WriteSettings("[Form]\r\nzvetpoly=65280\r\n");
  ShowSettings();
  env.colorAnswers.push_back(std::nullopt);
  ClickControl(form2->FlatButton3);
  EXPECT_EQ(env.colorDialogs, std::vector<TColor>{65280});
  EXPECT_EQ(main.calls, Strings{"fieldcolor=65280"});
  EXPECT_EQ(form2->ColorDialog1->Color(), 65280u);
  // The swatch keeps its own colour.
  EXPECT_EQ(form2->FlatButton3->Color(), 27090u);
}

TEST_F(SettingsWindow, ClickedCheckBoxesActOnTheMainWindowAndTheLastRunDecides) {
  struct Row {
    TFlatCheckBox* TForm2::*box;
    const char* what;
  };
  const Row rows[] = {{&TForm2::FlatCheckBox1, "fullscreen"},
                      {&TForm2::FlatCheckBox4, "clock"},
                      {&TForm2::FlatCheckBox5, "ruler"}};
  ShowSettings();
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    TFlatCheckBox* box = form2.get()->*r.box;
    main.calls.clear();
    ClickControl(box);
    EXPECT_FALSE(box->Checked());
    // A mouse click runs the handler with the old state, then with the new one.
    EXPECT_EQ(main.calls, (Strings{std::string(r.what) + "=1", std::string(r.what) + "=0"}));
    main.calls.clear();
    ClickControl(box);
    EXPECT_EQ(main.calls, (Strings{std::string(r.what) + "=0", std::string(r.what) + "=1"}));
  }
  EXPECT_TRUE(main.fullScreen && main.clock && main.ruler);
}

TEST_F(SettingsWindow, TheSoundSwitchesAndTheStyleReachTheMainWindowOnlyThroughTheFile) {
  ShowSettings();
  ClickControl(form2->FlatCheckBox2);
  ClickControl(form2->FlatCheckBox3);
  form2->RadioGroup1->SetItemIndex(2);
  EXPECT_EQ(main.calls, Strings{});
  ClickControl(form2->RbButton1);
  const std::string file = ReadSettings();
  EXPECT_NE(file.find("\r\nstiltext=2\r\nshirina=1\r\nzvukklava=0\r\nzvukredak=0\r\n"),
            std::string::npos);
}

TEST_F(SettingsWindow, ExitWritesTheExampleFileByteForByte) {
  ShowSettings();
  ChooseTheExampleSettings();
  ClickControl(form2->RbButton1);
  EXPECT_EQ(ReadSettings(),
            "[Form]\r\ncolortext=128\r\nshrift=Arial\r\nrazmertext=12\r\nstiltext=0\r\n"
            "shirina=1\r\nzvukklava=1\r\nzvukredak=0\r\nclock=1\r\nRuler=1\r\n"
            "zvetpoly=13822463\r\n");
  EXPECT_FALSE(form2->Visible());
  EXPECT_EQ(env.messageBoxes.size(), 0u);
}

TEST_F(SettingsWindow, SavingTwiceWritesTheSameFileAndShowingAgainReloadsIt) {
  ShowSettings();
  ChooseTheExampleSettings();
  ClickControl(form2->RbButton1);
  const std::string first = ReadSettings();
  ShowSettings();
  EXPECT_EQ(shownCalls, Strings{});
  ClickControl(form2->RbButton1);
  EXPECT_EQ(ReadSettings(), first);
  // Another program's change is seen by the next showing.
  WriteSettings("[Form]\r\nrazmertext=22\r\nclock=0\r\n");
  ShowSettings();
  EXPECT_EQ(form2->UpDown1->Position(), 22);
  EXPECT_EQ(shownCalls, Strings{"clock=0"});
  // What the file lacks stays as the window had it.
  EXPECT_EQ(form2->ColorComboBox1->ColorValue(), 128u);
  EXPECT_EQ(form2->FontComboBox1->FontName(), "Arial");
}

TEST_F(SettingsWindow, ARefusedSaveIsReportedAndTheWindowStaysOpen) {
  const std::filesystem::path gone = dir / "gone";
  form2->SetSettingsFile(TSettingsFile(gone.string(), ""));
  ShowSettings();
  KeyInto(form2->ColorComboBox1, VK_DOWN);
  ClickControl(form2->RbButton1);
  ASSERT_EQ(env.messageBoxes.size(), 1u);
  EXPECT_EQ(env.messageBoxes[0].text,
            "Unable to write to " + (gone / "Parametr.ini").string() + ".");
  EXPECT_EQ(env.messageBoxes[0].icon, miError);
  EXPECT_TRUE(form2->Visible());
  EXPECT_EQ(form2->ColorComboBox1->ColorValue(), 128u);  // the choice is still there
  EXPECT_FALSE(std::filesystem::exists(gone));
}

TEST_F(SettingsWindow, WithoutAMainWindowTheChoicesOnlyChangeTheWindow) {
  form2->SetMainWindow(nullptr);
  WriteSettings("[Form]\r\nshirina=0\r\n");
  form2->Show();
  env.colorAnswers.push_back(77);
  ClickControl(form2->FlatButton3);
  ClickArrow(btNext);
  ClickControl(form2->FlatCheckBox4);
  KeyInto(form2->ColorComboBox1, VK_DOWN);
  EXPECT_EQ(form2->Choices().FieldColor, 77u);
  EXPECT_EQ(form2->Choices().FontSize, 11);
  EXPECT_FALSE(form2->Choices().Clock);
  EXPECT_FALSE(form2->Choices().FullScreen);
  EXPECT_EQ(main.calls, Strings{});
}

TEST_F(SettingsWindow, TheChoicesAreWhatTheControlsHold) {
  form2->ColorComboBox1->SetColorValue(255);
  form2->FontComboBox1->SetFontName("Times New Roman");
  form2->UpDown1->SetPosition(14);
  form2->RadioGroup1->SetItemIndex(3);
  form2->FlatCheckBox2->SetChecked(false);
  form2->ColorDialog1->SetColor(99);
  TSettingsValues expected;
  expected.TextColor = 255;
  expected.FontFace = "Times New Roman";
  expected.FontSize = 14;
  expected.TextStyle = 3;
  expected.KeyboardSound = false;
  expected.FieldColor = 99;
  EXPECT_EQ(form2->Choices(), expected);
}

}  // namespace
