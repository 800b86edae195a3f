// The find dialog: the component over a fake window, and our own Qt window with its Russian
// texts, options and buttons (shown offscreen; it never blocks).
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "common/FakeEnvironment.h"
#include "platform/qt/EnvironmentReal.h"
#include "platform/environment/FindDialog.h"

namespace {

TEST(FindDialog, ShowsItsWindowWithTextOptionsAndPosition) {
  FakeEnvironment env;
  TFindDialog dialog;
  EXPECT_EQ(dialog.Options(), unsigned(frDown));
  EXPECT_FALSE(dialog.Visible());
  dialog.SetFindText("текст");
  dialog.SetPosition({734, 146});
  int shows = 0;
  dialog.OnShow = [&](TComponent* sender) {
    EXPECT_EQ(sender, &dialog);
    ++shows;
  };
  EXPECT_TRUE(dialog.Execute());
  ASSERT_EQ(env.findWindows.size(), 1u);
  FakeFindWindow& window = *env.findWindows[0];
  EXPECT_TRUE(window.visible);
  EXPECT_EQ(window.shownText, "текст");
  EXPECT_EQ(window.shownOptions, unsigned(frDown));
  EXPECT_EQ(window.position, (TPoint{734, 146}));
  EXPECT_TRUE(dialog.Visible());

  // Moving while open takes effect at once; a second Execute reuses the window.
  dialog.SetPosition({10, 20});
  EXPECT_EQ(window.position, (TPoint{10, 20}));
  EXPECT_EQ(dialog.Position(), (TPoint{10, 20}));
  dialog.Execute();
  EXPECT_EQ(env.findWindows.size(), 1u);
  EXPECT_EQ(window.showCount, 2);
  EXPECT_EQ(shows, 2);
}

TEST(FindDialog, FindNextTakesTheWindowsTextAndOptionsAndFiresOnFind) {
  FakeEnvironment env;
  TFindDialog dialog;
  dialog.SetOptions(frDown | frHideUpDown);
  std::vector<std::string> found;
  dialog.OnFind = [&](TComponent* sender) {
    found.push_back(static_cast<TFindDialog*>(sender)->FindText());
  };
  int closes = 0;
  dialog.OnClose = [&](TComponent*) { ++closes; };
  dialog.Execute();
  FakeFindWindow& window = *env.findWindows[0];
  window.PressFindNext("Текст", frMatchCase | frWholeWord);
  EXPECT_EQ(found, (std::vector<std::string>{"Текст"}));
  EXPECT_EQ(dialog.FindText(), "Текст");
  // The window's choices replace direction, case and whole word; the hide flag stays.
  EXPECT_EQ(dialog.Options(), unsigned(frMatchCase | frWholeWord | frHideUpDown | frFindNext));
  window.PressFindNext("x", frDown);
  EXPECT_EQ(dialog.Options(), unsigned(frDown | frHideUpDown | frFindNext));

  window.PressCancel();
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(dialog.Visible());
  dialog.Execute();
  EXPECT_EQ(window.shownText, "x");  // remembered for the next showing
  dialog.CloseDialog();
  EXPECT_FALSE(window.visible);
  EXPECT_EQ(closes, 2);
  dialog.CloseDialog();  // already closed: nothing more
  EXPECT_EQ(closes, 2);
}

// --- Our Qt window -------------------------------------------------------------------------

struct RealWindow {
  std::unique_ptr<IFindWindow> window = RealFindDialogs().CreateFindWindow();
  QDialog* dialog = dynamic_cast<QDialog*>(window.get());
  QLineEdit* text() const { return dialog->findChild<QLineEdit*>(); }
  template <class W>
  W* Named(const QString& caption) const {
    for (W* w : dialog->findChildren<W*>())
      if (QString(w->text()).remove('&') == caption) return w;
    return nullptr;
  }
};

TEST(FindWindow, SpeaksRussian) {
  RealWindow r;
  ASSERT_NE(r.dialog, nullptr);
  EXPECT_EQ(r.dialog->windowTitle(), QStringLiteral("Найти"));
  EXPECT_NE(r.Named<QLabel>(QStringLiteral("Что:")), nullptr);
  EXPECT_NE(r.Named<QPushButton>(QStringLiteral("Найти далее")), nullptr);
  EXPECT_NE(r.Named<QPushButton>(QStringLiteral("Отмена")), nullptr);
  EXPECT_NE(r.Named<QCheckBox>(QStringLiteral("Только слово целиком")), nullptr);
  EXPECT_NE(r.Named<QCheckBox>(QStringLiteral("С учетом регистра")), nullptr);
  EXPECT_NE(r.Named<QRadioButton>(QStringLiteral("Вверх")), nullptr);
  EXPECT_NE(r.Named<QRadioButton>(QStringLiteral("Вниз")), nullptr);
  auto* group = r.dialog->findChild<QGroupBox*>();
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->title(), QStringLiteral("Направление"));
  EXPECT_FALSE(r.dialog->isModal());
}

TEST(FindWindow, ReportsFindNextWithTheChosenOptions) {
  RealWindow r;
  std::vector<std::pair<std::string, TFindOptions>> presses;
  r.window->OnFindNext = [&](const std::string& t, TFindOptions o) { presses.push_back({t, o}); };
  r.window->Show("abc", frDown | frMatchCase);
  EXPECT_TRUE(r.window->Visible());
  EXPECT_EQ(r.text()->text(), QStringLiteral("abc"));
  auto* findNext = r.Named<QPushButton>(QStringLiteral("Найти далее"));
  ASSERT_NE(findNext, nullptr);
  EXPECT_TRUE(findNext->isDefault());
  findNext->click();
  r.text()->setText(QStringLiteral("слово"));
  r.Named<QCheckBox>(QStringLiteral("Только слово целиком"))->setChecked(true);
  r.Named<QCheckBox>(QStringLiteral("С учетом регистра"))->setChecked(false);
  r.Named<QRadioButton>(QStringLiteral("Вверх"))->setChecked(true);
  findNext->click();
  ASSERT_EQ(presses.size(), 2u);
  EXPECT_EQ(presses[0], (std::pair<std::string, TFindOptions>{"abc", frDown | frMatchCase}));
  EXPECT_EQ(presses[1], (std::pair<std::string, TFindOptions>{"слово", frWholeWord}));

  r.text()->clear();
  EXPECT_FALSE(findNext->isEnabled());  // nothing to find
  r.text()->setText(QStringLiteral("x"));
  EXPECT_TRUE(findNext->isEnabled());

  // An error in the handler stays out of Qt's event loop: the application's handler shows it.
  FakeEnvironment env;
  r.window->OnFindNext = [](const std::string&, TFindOptions) { throw Exception("boom"); };
  EXPECT_NO_THROW(findNext->click());
  ASSERT_EQ(env.messageBoxes.size(), 1u);
  EXPECT_EQ(env.messageBoxes[0].text, "boom.");
  EXPECT_EQ(env.messageBoxes[0].icon, miError);
}

TEST(FindWindow, HidesOptionsMovesAndClosesWithCancelOrEscape) {
  RealWindow r;
  int closed = 0;
  r.window->OnClosed = [&] { ++closed; };
  r.window->Show("", frHideWholeWord | frDisableMatchCase | frHideUpDown);
  EXPECT_FALSE(r.Named<QCheckBox>(QStringLiteral("Только слово целиком"))->isVisible());
  EXPECT_FALSE(r.Named<QCheckBox>(QStringLiteral("С учетом регистра"))->isEnabled());
  EXPECT_FALSE(r.dialog->findChild<QGroupBox*>()->isVisible());
  EXPECT_FALSE(r.Named<QPushButton>(QStringLiteral("Найти далее"))->isEnabled());
  EXPECT_TRUE(r.Named<QRadioButton>(QStringLiteral("Вверх"))->isChecked());

  r.window->MoveTo({120, 90});
  EXPECT_EQ(r.window->Position(), (TPoint{120, 90}));

  r.Named<QPushButton>(QStringLiteral("Отмена"))->click();
  EXPECT_FALSE(r.window->Visible());
  EXPECT_EQ(closed, 1);

  r.window->Show("a", frDown);
  QTest::keyClick(r.dialog, Qt::Key_Escape);
  EXPECT_FALSE(r.window->Visible());
  EXPECT_EQ(closed, 2);

  r.window->Show("a", frDown);
  r.window->Close();  // closing from the program reports nothing
  EXPECT_FALSE(r.window->Visible());
  EXPECT_EQ(closed, 2);
}

}  // namespace
