// The hint machinery, timed by a test clock: the first hint after HintPause, the next one after
// HintShortPause while hints are showing, hiding after HintHidePause; the short part in the
// hint window, the long part as Application->Hint; OnShowHint; the replaceable window class.
#include "control_fixture.h"
#include "platform/framework/HintWindow.h"
#include "platform/testing/TestInput.h"

namespace {

using namespace TestInput;

class FakeClock : public IClock {
 public:
  std::int64_t NowMs() const override { return now; }
  std::int64_t now = 1000;
};

// A hint window that remembers what it was asked to show.
class RecordingHint : public THintWindow {
 public:
  RecordingHint() : THintWindow(nullptr) { ++made; }
  static inline int made = 0;
  static inline std::vector<std::string> shown;
  void ActivateHint(const TRect& rect, const std::string& hint) override {
    shown.push_back(hint);
    THintWindow::ActivateHint(rect, hint);
  }
};

class HintTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    RecordingHint::made = 0;
    RecordingHint::shown.clear();
    Application->SetClock(&clock);
    Application->SetHintWindowClass([] { return new RecordingHint(); });
    Application->SetHintPause(500);
    Application->SetHintShortPause(25);
    Application->SetHintHidePause(5000);
    form = MakeForm(0, 0, 400, 200);
    newButton = new Probe(form.get(), form.get(), Bounds(10, 10, 40, 40));
    newButton->SetHint("Новый документ|Открыть новый документ");
    newButton->SetShowHint(true);
    openButton = new Probe(form.get(), form.get(), Bounds(60, 10, 40, 40));
    openButton->SetHint("Открыть|Открыть существующий документ");
    openButton->SetShowHint(true);
    plain = new Probe(form.get(), form.get(), Bounds(200, 10, 40, 40));
    form->Show();
    // Start from a bare spot of the form (the window system drops a move to where the mouse
    // already is, which may be where an earlier test left it).
    MouseMove(form.get(), Point(395, 195));
  }
  void TearDown() override {
    form.reset();
    Application->SetClock(nullptr);
    ControlTest::TearDown();
  }
  void Advance(int ms) {
    clock.now += ms;
    Application->CheckHintTimer();
  }
  bool Showing() const { return Application->HintShowing(); }

  FakeClock clock;
  std::unique_ptr<TForm> form;
  Probe* newButton = nullptr;
  Probe* openButton = nullptr;
  Probe* plain = nullptr;
};

TEST_F(HintTest, TheFirstHintWaitsForTheHintPauseAndHidesAfterTheHidePause) {
  MouseMove(newButton, Point(5, 5));
  Advance(499);
  EXPECT_FALSE(Showing());
  Advance(1);
  ASSERT_TRUE(Showing());
  EXPECT_EQ(RecordingHint::shown, (std::vector<std::string>{"Новый документ"}));
  // Moving within the same control keeps the hint and does not restart anything.
  MouseMove(newButton, Point(20, 20));
  EXPECT_TRUE(Showing());
  Advance(4999);
  EXPECT_TRUE(Showing());
  Advance(1);
  EXPECT_FALSE(Showing());
  // Still over the same control: it does not come back by itself.
  Advance(10000);
  EXPECT_FALSE(Showing());
}

TEST_F(HintTest, WhileHintsShowTheNextControlsHintFollowsAfterTheShortPause) {
  MouseMove(newButton, Point(5, 5));
  Advance(500);
  ASSERT_TRUE(Showing());
  MouseMove(openButton, Point(5, 5));
  EXPECT_FALSE(Showing());  // the old hint goes at once
  Advance(24);
  EXPECT_FALSE(Showing());
  Advance(1);
  ASSERT_TRUE(Showing());
  EXPECT_EQ(RecordingHint::shown.back(), "Открыть");
  // A control without a hint to show ends the quick succession.
  MouseMove(plain, Point(5, 5));
  EXPECT_FALSE(Showing());
  MouseMove(newButton, Point(5, 5));
  Advance(25);
  EXPECT_FALSE(Showing());
  Advance(475);
  EXPECT_TRUE(Showing());
}

TEST_F(HintTest, APressCancelsTheHint) {
  MouseMove(newButton, Point(5, 5));
  Advance(500);
  ASSERT_TRUE(Showing());
  Click(newButton, Point(5, 5));
  EXPECT_FALSE(Showing());
  // A pending hint is cancelled too.
  MouseMove(openButton, Point(5, 5));
  MouseDown(openButton, mbLeft, Point(5, 5));
  Advance(1000);
  EXPECT_FALSE(Showing());
  MouseUp(openButton, mbLeft, Point(5, 5));
}

TEST_F(HintTest, TheLongHintBecomesTheApplicationHint) {
  std::vector<std::string> statusBar;
  const int id =
      Application->AddHintListener([&](const std::string& h) { statusBar.push_back(h); });
  MouseMove(newButton, Point(5, 5));
  EXPECT_EQ(Application->Hint(), "Открыть новый документ");
  MouseMove(openButton, Point(5, 5));
  EXPECT_EQ(Application->Hint(), "Открыть существующий документ");
  // Controls without a hint of their own show their parent's (here: none).
  MouseMove(plain, Point(5, 5));
  EXPECT_EQ(Application->Hint(), "");
  EXPECT_EQ(statusBar, (std::vector<std::string>{"Открыть новый документ",
                                                 "Открыть существующий документ", ""}));
  // With OnHint assigned, it takes the notification instead of the listeners.
  int onHint = 0;
  Application->OnHint = [&](TComponent* sender) {
    EXPECT_EQ(sender, Application);
    ++onHint;
  };
  MouseMove(newButton, Point(5, 5));
  EXPECT_EQ(onHint, 1);
  EXPECT_EQ(statusBar.size(), 3u);
  Application->RemoveHintListener(id);
  // A disabled control's hint still reaches the status bar.
  Application->OnHint = nullptr;
  openButton->SetEnabled(false);
  MouseMove(openButton, Point(5, 5));
  EXPECT_EQ(Application->Hint(), "Открыть существующий документ");
}

TEST_F(HintTest, OnShowHintCanChangeOrStopTheHint) {
  THintInfo seen;
  bool allow = true;
  Application->OnShowHint = [&](std::string& text, bool& canShow, THintInfo& info) {
    seen = info;
    text = "[" + text + "]";
    canShow = allow;
  };
  MouseMove(newButton, Point(7, 8));
  Advance(500);
  ASSERT_TRUE(Showing());
  EXPECT_EQ(RecordingHint::shown.back(), "[Новый документ]");
  EXPECT_EQ(seen.HintControl, newButton);
  EXPECT_EQ(seen.HintStr, "Новый документ");
  EXPECT_EQ(seen.CursorPos, Point(7, 8));
  EXPECT_EQ(seen.CursorRect, Bounds(10, 10, 40, 40));
  EXPECT_EQ(seen.HideTimeout, 5000);
  allow = false;
  MouseMove(plain, Point(1, 1));
  MouseMove(openButton, Point(5, 5));
  Advance(500);
  EXPECT_FALSE(Showing());
}

TEST_F(HintTest, SwitchingHintsOffAndOnMakesAWindowOfTheNewClass) {
  MouseMove(newButton, Point(5, 5));
  Advance(500);
  EXPECT_EQ(RecordingHint::made, 1);
  THintWindow* first = Application->HintWindow();
  ASSERT_NE(first, nullptr);
  Application->SetShowHint(false);
  EXPECT_EQ(Application->HintWindow(), nullptr);
  MouseMove(openButton, Point(5, 5));
  Advance(1000);
  EXPECT_EQ(RecordingHint::made, 1);  // hints are off
  Application->SetShowHint(true);
  MouseMove(plain, Point(5, 5));
  MouseMove(newButton, Point(5, 5));
  Advance(500);
  EXPECT_EQ(RecordingHint::made, 2);
  EXPECT_TRUE(Showing());
}

TEST_F(HintTest, TheStandardHintWindowSizesItselfToItsText) {
  THintWindow window(nullptr);
  const TRect small = window.CalcHintRect(300, "Открыть");
  EXPECT_EQ(small.Left, 0);
  EXPECT_EQ(small.Top, 0);
  EXPECT_GT(small.Width(), 6);
  EXPECT_LT(small.Width(), 300);
  // Long text wraps within the width and grows in height.
  const TRect wrapped = window.CalcHintRect(
      80, "Открыть существующий документ с диска и показать его в окне редактора");
  EXPECT_LE(wrapped.Width(), 80 + 6);
  EXPECT_GT(wrapped.Height(), small.Height());
  window.ActivateHint(OffsetRect(small, 10, 20), "Открыть");
  EXPECT_TRUE(window.IsHintVisible());
  EXPECT_EQ(window.Left(), 10);
  EXPECT_EQ(window.Top(), 20);
  EXPECT_EQ(window.Height(), small.Height() + 4);
  // Kept on the screen near its right edge.
  window.ActivateHint(OffsetRect(small, Screen->Width() - 5, 20), "Открыть");
  EXPECT_EQ(window.Left() + window.Width(), Screen->Width());
  window.ReleaseHandle();
  EXPECT_FALSE(window.IsHintVisible());
}

// A hint class that computes its own rectangle and wants exactly that one.
class ExactHint : public THintWindow {
 public:
  ExactHint() : THintWindow(nullptr) {}

 protected:
  TRect PlaceHintRect(const TRect& rect) const override { return rect; }
};

TEST_F(HintTest, AHintClassCanShowExactlyAtTheRectangleItComputed) {
  struct Case {
    const char* where;
    int left, top;
  };
  const Case cases[] = {
      {"inside the screen", 40, 30},
      {"over the right edge", Screen->Width() - 10, 30},
      {"over the bottom edge", 40, Screen->Height() - 5},
      {"above and left of the screen", -20, -8},
  };
  for (const Case& c : cases) {
    const TRect rect = Bounds(c.left, c.top, 60, 18);
    ExactHint exact;
    exact.ActivateHint(rect, "Открыть");
    EXPECT_EQ(exact.BoundsRect(), rect) << c.where;
    // The standard window still grows by 4 pixels and stays on the screen.
    THintWindow standard(nullptr);
    standard.ActivateHint(rect, "Открыть");
    EXPECT_EQ(standard.Height(), 22) << c.where;
    EXPECT_GE(standard.Left(), 0) << c.where;
    EXPECT_GE(standard.Top(), 0) << c.where;
    EXPECT_LE(standard.Left() + standard.Width(), Screen->Width()) << c.where;
    EXPECT_LE(standard.Top() + standard.Height(), Screen->Height()) << c.where;
  }
}

}  // namespace
