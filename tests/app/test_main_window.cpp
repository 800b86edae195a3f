// The main window's creation, first show (association, settings, start sound, command-line
// document, text limit, focus), window buttons, clock and close.
#include "AppFixture.h"
#include "app/FileAssociation.h"
#include "controls/RbPanel.h"
#include "controls/SmoothPanel.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/WordRuler.h"
#include "platform/controls/Image.h"
#include "platform/controls/StatusBar.h"
#include "platform/environment/Shell.h"
#include "platform/framework/Timer.h"

namespace {

class MainWindowTest : public AppTest {};

const char* const kExampleSettings =
    "[Form]\r\ncolortext=128\r\nshrift=Arial\r\nrazmertext=12\r\nstiltext=2\r\nshirina=0\r\n"
    "zvukklava=1\r\nzvukredak=1\r\nclock=1\r\nRuler=1\r\nzvetpoly=13822463\r\n";

TEST_F(MainWindowTest, CreationCentresTheWindowAndWritesTheAssociation) {
  // The fake screen is 1024 x 768.
  EXPECT_EQ(form1->Left(), (1024 - 745) / 2);
  EXPECT_EQ(form1->Top(), (768 - 498) / 2);
  ASSERT_EQ(env.associations.size(), 1u);
  const TFileTypeAssociation& a = env.associations[0];
  EXPECT_EQ(a.applicationId, "TARVIK");
  EXPECT_EQ(a.executable, ExecutableFileName());
  EXPECT_FALSE(a.icon.empty());
  EXPECT_EQ(a.extensions, (std::vector<std::string>{".txt", ".rtf", ".cfg", ".log", ".ini", ".diz",
                                                    ".ion", ".dos", ".win", ".prx", ".cfg"}));
}

TEST_F(MainWindowTest, ShowWritesTheAssociationAgainAndAppliesTheSettings) {
  WriteSettings(kExampleSettings);
  form1->Show();
  EXPECT_EQ(env.associations.size(), 2u);
  EXPECT_EQ(Editor().Font().Color(), 128u);
  EXPECT_EQ(Editor().Font().Name(), "Arial");
  EXPECT_EQ(Editor().Font().Size(), 12);
  EXPECT_EQ(Editor().Color(), 13822463u);
  EXPECT_EQ(form1->TextStyleIndex, 2);
  EXPECT_FALSE(form1->FullScreenOn);
  EXPECT_TRUE(form1->KeyboardSoundOn);
  EXPECT_TRUE(form1->EditorSoundOn);
  EXPECT_TRUE(form1->ClockOn);
  EXPECT_TRUE(form1->RulerOn);
  EXPECT_EQ(form1->WindowState(), wsNormal);
  EXPECT_EQ(env.sounds, std::vector<std::string>{Sound(sounds::kStart)});
  EXPECT_EQ(Editor().MaxLength(), kEditorTextLimit);
  EXPECT_EQ(form1->ActiveControl(), form1->RichEdit1);
  EXPECT_EQ(Editor().Text(), "");
}

TEST_F(MainWindowTest, EditorSoundsOffStopsInsteadOfTheStartSound) {
  WriteSettings("[Form]\nzvukredak=0\n");
  form1->Show();
  EXPECT_EQ(env.sounds, std::vector<std::string>{"stop"});
}

TEST_F(MainWindowTest, MissingSettingsFileGivesTheSettingsWindowsDefaults) {
  form1->Show();
  const TSettingsValues defaults;
  EXPECT_EQ(Editor().Font().Color(), defaults.TextColor);
  EXPECT_EQ(Editor().Font().Size(), defaults.FontSize);
  EXPECT_EQ(Editor().Color(), defaults.FieldColor);
  EXPECT_EQ(form1->TextStyleIndex, defaults.TextStyle);
  EXPECT_EQ(form1->FullScreenOn, defaults.FullScreen);
  EXPECT_EQ(form1->EditorSoundOn, defaults.EditorSound);
  EXPECT_EQ(form1->KeyboardSoundOn, defaults.KeyboardSound);
  EXPECT_EQ(form1->ClockOn, defaults.Clock);
  EXPECT_EQ(form1->RulerOn, defaults.Ruler);
}

TEST_F(MainWindowTest, DefaultsComeFromTheSettingsWindowWhenItIsThere) {
  TSettingsValues chosen;
  chosen.FontSize = 17;
  chosen.Clock = false;
  form1->SetSettingsDefaultsSource([chosen] { return chosen; });
  WriteSettings("[Form]\nshirina=0\n");
  form1->Show();
  EXPECT_EQ(Editor().Font().Size(), 17);
  EXPECT_FALSE(form1->ClockOn);
}

struct WindowSettingsCase {
  const char* settings;
  TWindowState state;
  bool clockVisible;
  bool rulerVisible;
  int editorTop;  // in the frame panel: below the ruler, or below the toolbar without it
};

class WindowSettingsTest : public MainWindowTest,
                           public ::testing::WithParamInterface<WindowSettingsCase> {};

TEST_P(WindowSettingsTest, WindowLevelSettingsShapeTheWindow) {
  const WindowSettingsCase& c = GetParam();
  WriteSettings(c.settings);
  form1->Show();
  EXPECT_EQ(form1->WindowState(), c.state);
  EXPECT_EQ(form1->SmoothPanel4->Visible(), c.clockVisible);
  EXPECT_EQ(form1->WordRuler1->Visible(), c.rulerVisible);
  EXPECT_TRUE(form1->Timer1->Enabled());
  if (c.state == wsNormal) {
    EXPECT_EQ(Editor().Top(), c.editorTop);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, WindowSettingsTest,
    ::testing::Values(
        WindowSettingsCase{"[Form]\nshirina=0\nclock=1\nRuler=1\n", wsNormal, true, true, 146},
        WindowSettingsCase{"[Form]\nshirina=0\nclock=0\nRuler=1\n", wsNormal, false, true, 146},
        WindowSettingsCase{"[Form]\nshirina=0\nclock=1\nRuler=0\n", wsNormal, true, false, 121},
        WindowSettingsCase{"[Form]\nshirina=1\nclock=0\nRuler=0\n", wsMaximized, false, false,
                           121}));

TEST_F(MainWindowTest, LongFaceNamesAreCutAndAnEmptyFaceKeepsTheEditorsFace) {
  WriteSettings("[Form]\nshrift=" + std::string(40, 'F') + "\n");
  form1->Show();
  EXPECT_EQ(Editor().Font().Name(), std::string(31, 'F'));
  auto second = MakeWindow<TForm1>();
  WriteSettings("[Form]\nshrift=\n");
  second->Show();
  EXPECT_EQ(second->RichEdit1->Font().Name(), "MS Sans Serif");
}

TEST_F(MainWindowTest, CommandLineFileIsLoadedAtShow) {
  testfiles::WriteFile(dir / "start.rtf", "{\\rtf1 started with me\\par}");
  form1->SetCommandLine({Path("start.rtf"), "ignored"});
  form1->Show();
  EXPECT_EQ(Editor().Text(), "started with me");
  EXPECT_EQ(form1->CurrentFileName, Path("start.rtf"));
  EXPECT_EQ(form1->DocModified, 0);
  EXPECT_EQ(Editor().MaxLength(), kEditorTextLimit);
}

TEST_F(MainWindowTest, MissingCommandLineFileStartsEmptyWithoutAMessage) {
  form1->SetCommandLine({Path("missing.rtf")});
  form1->Show();
  EXPECT_EQ(Editor().Text(), "");
  EXPECT_TRUE(env.messageBoxes.empty());
  EXPECT_EQ(form1->CurrentFileName, "");
}

TEST_F(MainWindowTest, FolderOnTheCommandLineIsNoFileAndIsIgnored) {
  std::filesystem::create_directory(dir / "folder.rtf");
  form1->SetCommandLine({Path("folder.rtf")});
  form1->Show();
  EXPECT_TRUE(env.messageBoxes.empty());
  EXPECT_EQ(Editor().Text(), "");
  EXPECT_EQ(Editor().MaxLength(), kEditorTextLimit);
}

TEST_F(MainWindowTest, FailedAssociationIsReportedAndSkipsTheRestOfTheShow) {
  WriteSettings(kExampleSettings);
  env.associationFails = true;
  form1->Show();
  ASSERT_EQ(env.messageBoxes.size(), 1u);
  EXPECT_EQ(env.messageBoxes[0].text, "Failed to set data for ''.");
  EXPECT_TRUE(env.sounds.empty());
  EXPECT_FALSE(form1->EditorSoundOn);
  EXPECT_TRUE(form1->Visible());
}

TEST_F(MainWindowTest, FailedAssociationAtCreationIsReportedAndTheWindowStillWorks) {
  env.associationFails = true;
  auto window = MakeWindow<TForm1>();
  ASSERT_EQ(env.messageBoxes.size(), 1u);
  EXPECT_EQ(env.messageBoxes[0].text, "Failed to set data for ''.");
  EXPECT_EQ(window->Left(), (1024 - 745) / 2);
}

TEST_F(MainWindowTest, MaximiseKeepsTheTextAndItsFormattingThroughTheWrapToggle) {
  WriteSettings("[Form]\nshirina=0\n");
  form1->Show();
  SetDocument("bold words");
  Editor().SelectAll();
  Editor().SelAttributes().SetStyle(fsBold);
  for (int press = 0; press < 2; ++press) {
    form1->FlatButton27Click(nullptr);
    EXPECT_EQ(form1->WindowState(), wsMaximized);
    EXPECT_TRUE(Editor().WordWrap());
    EXPECT_EQ(Editor().Text(), "bold words");
    Editor().SetSelStart(3);
    EXPECT_EQ(Editor().SelAttributes().Style(), fsBold);
    EXPECT_EQ(form1->ActiveControl(), form1->RichEdit1);
  }
  form1->FlatButton26Click(nullptr);
  EXPECT_EQ(form1->WindowState(), wsNormal);
  EXPECT_TRUE(env.sounds.size() == 1u);  // only the start sound: window buttons are silent
}

TEST_F(MainWindowTest, CloseButtonWithTypingShowsTheExitPromptAndKeepsTheWindow) {
  WriteSettings("[Form]\nzvukredak=0\n");
  form1->Show();
  form1->DocModified = 1;
  env.sounds.clear();
  form1->FlatButton24Click(nullptr);
  EXPECT_TRUE(form4->Visible());
  EXPECT_TRUE(form1->Visible());
  EXPECT_EQ(env.sounds, std::vector<std::string>{"stop"});  // the prompt's, none of the button
}

TEST_F(MainWindowTest, CloseButtonWithoutTypingClosesWithTheCloseSound) {
  WriteSettings("[Form]\nzvukredak=1\n");
  form1->Show();
  env.sounds.clear();
  form1->FlatButton24Click(nullptr);
  EXPECT_FALSE(form1->Visible());
  EXPECT_FALSE(form4->Visible());
  EXPECT_EQ(env.sounds, std::vector<std::string>{Sound(sounds::kClose)});
}

TEST_F(MainWindowTest, WindowManagersCloseWithTypingAsksWithTheExitPrompt) {
  WriteSettings("[Form]\nzvukredak=1\n");
  form1->Show();
  form1->DocModified = 1;
  env.sounds.clear();
  form1->Close();  // what Alt+F4 does
  EXPECT_TRUE(form1->Visible());
  EXPECT_TRUE(form4->Visible());
  EXPECT_EQ(env.sounds, std::vector<std::string>{Sound(sounds::kPrompt)});
  form4->FlatButton2Click(nullptr);  // "Нет"
  EXPECT_FALSE(form1->Visible());
  EXPECT_EQ(env.sounds.back(), Sound(sounds::kClose));
}

TEST_F(MainWindowTest, ClockShowsTheLongTimeOnEveryTick) {
  EXPECT_EQ(form1->SmoothPanel4->Caption(), "00 :00 :00");
  EXPECT_EQ(form1->Timer1->Interval(), 1000);
  EXPECT_TRUE(form1->Timer1->Enabled());
  form1->Timer1Timer(nullptr);
  EXPECT_EQ(form1->SmoothPanel4->Caption(), "07:08:09");
  env.now.Second = 10;
  form1->Timer1Timer(nullptr);
  EXPECT_EQ(form1->SmoothPanel4->Caption(), "07:08:10");
}

TEST_F(MainWindowTest, OnlyTheFrameTheTitleBarAndTheWindowStartADrag) {
  EXPECT_TRUE(static_cast<bool>(form1->OnMouseDown));
  EXPECT_TRUE(static_cast<bool>(form1->RbPanel1->OnMouseDown));
  EXPECT_TRUE(static_cast<bool>(form1->SmoothPanel1->OnMouseDown));
  for (TControl* control : std::initializer_list<TControl*>{
           form1->Image1, form1->Image2, form1->SmoothPanel3, form1->SmoothPanel2,
           form1->SmoothPanel4, form1->WordRuler1, form1->RichEdit1, form1->StatusBar1,
           form1->FlatButton24, form1->FlatButton1})
    EXPECT_FALSE(static_cast<bool>(control->OnMouseDown)) << control->Name();
}

TEST_F(MainWindowTest, EventSoundsComeFromTheMuzikFolderBesideTheProgram) {
  EXPECT_EQ(SoundFilePath("menu.wav"), ExecutableFolder() + "Muzik/menu.wav");
  PlayOrStop(true, sounds::kKey);
  PlayOrStop(false, sounds::kKey);
  Play(sounds::kMenu);
  Stop();
  EXPECT_EQ(env.sounds,
            (std::vector<std::string>{Sound(sounds::kKey), "stop", Sound(sounds::kMenu), "stop"}));
}

}  // namespace
