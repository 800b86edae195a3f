// The seven menu buttons, the five popup menus as the layout builds them, which items play the
// click sound before their command, the menus' look, and the sound table.
#include <set>

#include "EditingFixture.h"
#include "controls_menus/menu_driver.h"
#include "platform/environment/Printer.h"
#include "platform/framework/Timer.h"
#include "settings/SettingsLayoutClasses.h"
#include "settings/Unit2.h"
#include "settings/firma.h"

namespace {

struct MenuContent {
  TRxPopupMenu* TForm1::*menu;
  int leftMargin;
  std::vector<std::string> captions;
};

class MenusTest : public EditingTest {
 protected:
  // Presses a menu button with the mouse; whatever menu opens is noted and closed.
  TPopupMenu* PressAndCloseMenu(TFlatButton* button, TMouseButton mouseButton) {
    TPopupMenu* opened = nullptr;
    MenuDriver driver(
        [&] {
          opened = TPopupMenu::ActivePopupMenu();
          if (opened) opened->CloseMenu();
        },
        [] {
          if (TPopupMenu* menu = TPopupMenu::ActivePopupMenu()) menu->CloseMenu();
        });
    TestInput::Click(button, Point(20, 8), mouseButton);
    TestInput::ProcessEvents(60);
    return opened;
  }
};

TEST_F(MenusTest, FiveOwnerDrawnMenusWithTheirItemsInOrder) {
  const MenuContent menus[] = {
      {&TForm1::RxPopupMenu1,
       20,
       {"Создать", "-", "Открыть", "Сохранить", "Сохранить как", "-", "Печать", "Настройка печати",
        "-", "Выход"}},
      {&TForm1::RxPopupMenu2,
       20,
       {"Копировать", "-", "Вырезать", "Вставить", "-", "Выделить все", "Очистить"}},
      {&TForm1::RxPopupMenu3, 20, {"Вставить дату", "Вставить время", "Вставить маркер"}},
      {&TForm1::RxPopupMenu4, 30, {"Клавиатура", "Калькулятор", "Таблица символов"}},
      {&TForm1::RxPopupMenu5,
       30,
       {"Выделить все", "-", "Копировать", "Очистить", "-", "Вырезать", "Вставить"}},
  };
  int number = 1;
  for (const MenuContent& content : menus) {
    TRxPopupMenu* menu = form1.get()->*content.menu;
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->Style(), TRxMenuStyle::msOwnerDraw);
    EXPECT_EQ(menu->Cursor(), crHandPoint);
    EXPECT_EQ(menu->LeftMargin(), content.leftMargin);
    EXPECT_TRUE(menu->OnDrawMargin);
    EXPECT_TRUE(menu->OnGetItemParams);
    ASSERT_EQ(menu->Items()->Count(), static_cast<int>(content.captions.size()));
    for (int i = 0; i < menu->Items()->Count(); ++i) {
      TMenuItem* item = menu->Items()->Items(i);
      EXPECT_EQ(item->Caption(), content.captions[static_cast<std::size_t>(i)]);
      EXPECT_EQ(item->Name(), "N" + std::to_string(number++));
      EXPECT_EQ(item->ShortCut(), scNone);
      EXPECT_EQ(static_cast<bool>(item->OnClick), !item->IsLine()) << item->Caption();
    }
  }
  EXPECT_EQ(number, 31);
}

TEST_F(MenusTest, ButtonsAndEditorCarryTheirContextMenus) {
  EXPECT_EQ(form1->FlatButton17->PopupMenu(), form1->RxPopupMenu1);
  EXPECT_EQ(form1->FlatButton18->PopupMenu(), form1->RxPopupMenu2);
  EXPECT_EQ(form1->FlatButton19->PopupMenu(), form1->RxPopupMenu3);
  EXPECT_EQ(form1->FlatButton20->PopupMenu(), nullptr);
  EXPECT_EQ(form1->RichEdit1->PopupMenu(), form1->RxPopupMenu5);
  for (TFlatButton* button :
       {form1->FlatButton17, form1->FlatButton18, form1->FlatButton19, form1->FlatButton20,
        form1->FlatButton21, form1->FlatButton22, form1->FlatButton23})
    EXPECT_EQ(button->Hint(), "") << button->Caption();
}

TEST_F(MenusTest, LeftClickPlaysTheMenuSoundThenOpensTheMenuAtThePointer) {
  const struct {
    TFlatButton* TForm1::*button;
    TRxPopupMenu* TForm1::*menu;
  } cases[] = {{&TForm1::FlatButton17, &TForm1::RxPopupMenu1},
               {&TForm1::FlatButton18, &TForm1::RxPopupMenu2},
               {&TForm1::FlatButton19, &TForm1::RxPopupMenu3},
               {&TForm1::FlatButton20, &TForm1::RxPopupMenu4}};
  for (const auto& c : cases) {
    env.sounds.clear();
    TFlatButton* button = form1.get()->*c.button;
    TPopupMenu* opened = PressAndCloseMenu(button, mbLeft);
    EXPECT_EQ(opened, form1.get()->*c.menu) << button->Caption();
    EXPECT_EQ(env.sounds, std::vector<std::string>{Sound(sounds::kMenu)}) << button->Caption();
    EXPECT_EQ(opened ? opened->PopupPoint() : TPoint{}, button->ClientToScreen(Point(20, 8)));
  }
}

TEST_F(MenusTest, RightClickOnTheFirstThreeOpensTheSameMenuWithoutSound) {
  const struct {
    TFlatButton* TForm1::*button;
    TRxPopupMenu* TForm1::*menu;
  } cases[] = {{&TForm1::FlatButton17, &TForm1::RxPopupMenu1},
               {&TForm1::FlatButton18, &TForm1::RxPopupMenu2},
               {&TForm1::FlatButton19, &TForm1::RxPopupMenu3}};
  for (const auto& c : cases) {
    env.sounds.clear();
    TFlatButton* button = form1.get()->*c.button;
    EXPECT_EQ(PressAndCloseMenu(button, mbRight), form1.get()->*c.menu) << button->Caption();
    EXPECT_TRUE(env.sounds.empty()) << button->Caption();
  }
  EXPECT_EQ(PressAndCloseMenu(form1->FlatButton20, mbRight), nullptr);
}

TEST_F(MenusTest, SettingsAndAboutWithoutWindowsOnlyPlayTheMenuSound) {
  form1->FlatButton21Click(nullptr);
  form1->FlatButton23Click(nullptr);
  EXPECT_EQ(env.sounds, std::vector<std::string>(2, Sound(sounds::kMenu)));
}

// Every item of the five menus, chosen with the dialogs cancelled: the click comes first for
// exactly the items that have it.
TEST_F(MenusTest, ClickSoundPlaysFirstForExactlyTheListedItems) {
  const std::set<std::string> clicking = {"N1",  "N3",  "N8",  "N10", "N11", "N13", "N14",
                                          "N16", "N17", "N24", "N26", "N27", "N29", "N30"};
  Printer().SetOutputFileName(Path("menu.pdf"));
  const TFakePath noTools(Path("empty-path"));
  for (TRxPopupMenu* menu : {form1->RxPopupMenu1, form1->RxPopupMenu2, form1->RxPopupMenu3,
                             form1->RxPopupMenu4, form1->RxPopupMenu5}) {
    for (int i = 0; i < menu->Items()->Count(); ++i) {
      TMenuItem* item = menu->Items()->Items(i);
      if (item->IsLine()) continue;
      form1->Show();
      SetDocument("text");
      form1->CurrentFileName.clear();
      env.sounds.clear();
      item->Click();
      const bool clicked = !env.sounds.empty() && env.sounds.front() == Click();
      EXPECT_EQ(clicked, clicking.count(item->Name()) == 1)
          << item->Name() << " " << item->Caption();
    }
  }
  Printer().SetOutputFileName("");
}

TEST_F(MenusTest, ClickSoundComesBeforeTheCommand) {
  struct Recorder : ISoundPlayer {
    TRichEdit* editor = nullptr;
    std::vector<std::string> textAtSound;
    void Play(const std::string&) override { textAtSound.push_back(editor->Text()); }
    void Stop() override {}
  } recorder;
  recorder.editor = &Editor();
  const TEnvironmentServices previous = TEnvironment::Install({.sound = &recorder});
  SetDocument("abc def");
  Editor().SetSelStart(0);
  Editor().SetSelLength(4);
  form1->RxPopupMenu2->Items()->Items(2)->Click();  // "Вырезать"
  form1->FlatButton6Click(nullptr);                 // paste
  TEnvironment::Restore(previous);
  EXPECT_EQ(recorder.textAtSound, (std::vector<std::string>{"abc def", "def"}));
  EXPECT_EQ(Editor().Text(), "abc def") << "pasted back where it was cut";
}

TEST_F(MenusTest, MarginHandlerPaintsTheGradientAndWidensTheMargin) {
  TRxPopupMenu& menu = *form1->RxPopupMenu1;
  TBitmap face;
  MenuDriver driver(
      [&] {
        menu.GetMenuFace(face);
        menu.CloseMenu();
      },
      [&] { menu.CloseMenu(); });
  menu.Popup(100, 100);
  EXPECT_EQ(menu.LeftMargin(), 30);
  ASSERT_GT(face.Height(), 40);
  // 32 bands from (251, 175, 90) at the top down to the halved colour (125, 87, 45), inside
  // the menu window's 3-pixel frame.
  EXPECT_EQ(face.Canvas().Pixels(4, 4), RGB(251, 175, 90));
  EXPECT_EQ(face.Canvas().Pixels(4, face.Height() - 5), RGB(125, 87, 45));
}

TEST_F(MenusTest, ItemParametersAreDarkRedTenPointAndLeaveTheRest) {
  TFont font;
  font.SetColor(clMenuText);
  font.SetSize(8);
  font.SetName("Arial");
  TColor background = clMenu;
  TGraphic* graphic = nullptr;
  int glyphs = 1;
  form1->PopupMenuGetItemParams(form1->RxPopupMenu2, form1->RxPopupMenu2->Items()->Items(0), 0,
                                font, background, graphic, glyphs);
  EXPECT_EQ(font.Color(), TColor(124));
  EXPECT_EQ(font.Size(), 10);
  EXPECT_EQ(font.Name(), "Arial");
  EXPECT_EQ(background, clMenu);
  EXPECT_EQ(graphic, nullptr);
  EXPECT_EQ(glyphs, 1);
}

TEST(SoundTable, SixSoundsWithTheirSwitches) {
  const struct {
    const char* file;
    TSoundGate gate;
  } cases[] = {
      {"open.wav", TSoundGate::sgEditorSound},    {"okna.wav", TSoundGate::sgEditorSound},
      {"message.wav", TSoundGate::sgEditorSound}, {"klava.wav", TSoundGate::sgKeyboardSound},
      {"menu.wav", TSoundGate::sgAlways},         {"knopka2.wav", TSoundGate::sgAlways}};
  ASSERT_EQ(std::size(kEventSounds), std::size(cases));
  for (const auto& c : cases) {
    EXPECT_EQ(SoundGate(c.file), c.gate) << c.file;
    EXPECT_TRUE(
        std::filesystem::exists(std::string(TARVIK_SOURCE_DIR) + "/resources/Muzik/" + c.file))
        << c.file;
  }
}

TEST(SoundTable, GatedSoundsStopWhenTheirSwitchIsOffUngatedAlwaysPlay) {
  FakeEnvironment env;
  const struct {
    const char* file;
    bool editor;
    bool keyboard;
    bool plays;
  } cases[] = {
      {"open.wav", true, false, true},    {"open.wav", false, true, false},
      {"message.wav", true, false, true}, {"okna.wav", false, true, false},
      {"klava.wav", false, true, true},   {"klava.wav", true, false, false},
      {"menu.wav", false, false, true},   {"knopka2.wav", false, false, true},
  };
  for (const auto& c : cases) {
    env.sounds.clear();
    PlayEventSound(c.file, c.editor, c.keyboard);
    const std::string expected = c.plays ? "play " + SoundFilePath(c.file) : "stop";
    EXPECT_EQ(env.sounds, std::vector<std::string>{expected}) << c.file;
  }
}

}  // namespace

namespace {

class SecondaryWindowsTest : public MenusTest {
 protected:
  void SetUp() override {
    MenusTest::SetUp();
    RegisterSettingsLayoutClasses();
    settings = MakeWindow<TForm2>();
    about = MakeWindow<TZnak>();
    form1->SetSecondaryWindows(settings.get(), about.get());
    env.sounds.clear();
  }
  void TearDown() override {
    settings->Hide();
    about->Hide();
    MenusTest::TearDown();
  }
  std::unique_ptr<TForm2> settings;
  std::unique_ptr<TZnak> about;
};

TEST_F(SecondaryWindowsTest, SettingsOpensWithoutBlockingAfterTheMenuSound) {
  form1->FlatButton21Click(nullptr);
  EXPECT_TRUE(settings->Visible());
  EXPECT_FALSE(settings->Modal());
  EXPECT_EQ(env.sounds.front(), Sound(sounds::kMenu));
}

TEST_F(SecondaryWindowsTest, AboutIsModalTheButtonReturnsWhenItCloses) {
  bool wasModal = false;
  TTimer closer;
  closer.SetInterval(30);
  closer.SetOnTimer([&](TComponent*) {
    closer.SetEnabled(false);
    wasModal = about->Visible() && about->Modal();
    about->Close();
  });
  form1->FlatButton23Click(nullptr);
  EXPECT_TRUE(wasModal);
  EXPECT_FALSE(about->Visible());
  EXPECT_EQ(env.sounds.front(), Sound(sounds::kMenu));
}

TEST_F(MenusTest, StatusBarShowsTheLongHintOrNothingForControlsWithoutOne) {
  TestInput::MouseMove(form1->FlatButton4, Point(20, 20));
  TestInput::ProcessEvents(20);
  EXPECT_EQ(Panel0(), "Копировать текст");
  TestInput::MouseMove(form1->FlatButton16, Point(20, 20));
  TestInput::ProcessEvents(20);
  EXPECT_EQ(Panel0(), "Отступ с правого края");
  TestInput::MouseMove(form1->FlatButton17, Point(20, 8));
  TestInput::ProcessEvents(20);
  EXPECT_EQ(Panel0(), "");
}

}  // namespace
