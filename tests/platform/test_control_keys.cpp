// Keyboard: the focused control's key hooks, dialog keys and accelerators offered to the
// window's controls first, Tab moving the focus in tab order, OnEnter / OnExit and the
// focus-changed notification.
#include "control_fixture.h"
#include "platform/testing/TestInput.h"

namespace {

using namespace TestInput;

// A focusable control that logs keys, focus and the dialog notifications it is offered.
class KeyProbe : public TCustomControl {
 public:
  KeyProbe(TWinControl* parent, TRect bounds, char32_t accelerator = 0, unsigned codes = 0)
      : TCustomControl(nullptr), accelerator_(accelerator), codes_(codes) {
    SetBoundsRect(bounds);
    SetTabStop(true);
    SetParent(parent);
  }
  std::vector<std::string> log;
  TWinControl* lastFocused = nullptr;
  int focusChanges = 0;
  bool takeReturn = false;

  unsigned DialogCodes() const override { return codes_; }
  void KeyDown(TKey& key, TShiftState shift) override {
    log.push_back("down" + std::to_string(key));
    TCustomControl::KeyDown(key, shift);
  }
  void KeyPress(char32_t& key) override {
    log.push_back("press" + std::to_string(static_cast<unsigned>(key)));
    TCustomControl::KeyPress(key);
  }
  void KeyUp(TKey& key, TShiftState shift) override {
    log.push_back("up" + std::to_string(key));
    TCustomControl::KeyUp(key, shift);
  }
  bool DialogChar(char32_t key, TShiftState) override {
    if (!accelerator_ || key != accelerator_) return false;
    log.push_back("accel");
    return true;
  }
  bool DialogKey(TKey key, TShiftState) override {
    if (!takeReturn || key != VK_RETURN) return false;
    log.push_back("default");
    return true;
  }
  void FocusChanged(TWinControl* focused) override {
    ++focusChanges;
    lastFocused = focused;
  }
  void DoEnter() override {
    log.push_back("enter");
    TCustomControl::DoEnter();
  }
  void DoExit() override {
    log.push_back("exit");
    TCustomControl::DoExit();
  }
  bool Has(const std::string& s) const { return std::find(log.begin(), log.end(), s) != log.end(); }

 private:
  char32_t accelerator_;
  unsigned codes_;
};

class KeyTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    form = MakeForm(0, 0, 300, 100);
    a = new KeyProbe(form.get(), Bounds(0, 0, 50, 50));
    b = new KeyProbe(form.get(), Bounds(60, 0, 50, 50), U'ф');
    c = new KeyProbe(form.get(), Bounds(120, 0, 50, 50), 0, TWinControl::dcWantChars);
    form->Show();
    ProcessEvents();
  }
  void TearDown() override {
    form.reset();
    ControlTest::TearDown();
  }
  std::unique_ptr<TForm> form;
  KeyProbe* a = nullptr;
  KeyProbe* b = nullptr;
  KeyProbe* c = nullptr;
};

TEST_F(KeyTest, SetFocusMakesTheControlActiveAndTellsEveryControl) {
  a->SetFocus();
  ProcessEvents();
  EXPECT_TRUE(a->Focused());
  EXPECT_EQ(form->ActiveControl(), a);
  EXPECT_TRUE(a->Has("enter"));
  EXPECT_EQ(b->lastFocused, a);
  EXPECT_GE(c->focusChanges, 1);
  b->SetFocus();
  ProcessEvents();
  EXPECT_TRUE(b->Focused());
  EXPECT_FALSE(a->Focused());
  EXPECT_TRUE(a->Has("exit"));
  EXPECT_EQ(c->lastFocused, b);
}

TEST_F(KeyTest, KeysReachTheFocusedControlInOrder) {
  a->SetFocus();
  ProcessEvents();
  a->log.clear();
  Key(form.get(), 'X', "x");
  EXPECT_EQ(a->log, (std::vector<std::string>{"down88", "press120", "up88"}));
  EXPECT_TRUE(b->log.empty() || !b->Has("press120"));
}

TEST_F(KeyTest, AnAcceleratorLeftToTheWindowReachesItsControl) {
  a->SetFocus();
  ProcessEvents();
  a->log.clear();
  // "ф" is b's accelerator: the focused control takes no characters, so the window offers it.
  Type(form.get(), "ф");
  EXPECT_TRUE(b->Has("accel"));
  EXPECT_FALSE(a->Has("press1092")) << "the accelerator swallowed the character";
  // A control that takes characters keeps plain ones, but Alt+letter is still an accelerator.
  c->SetFocus();
  ProcessEvents();
  b->log.clear();
  Type(form.get(), "ф");
  EXPECT_TRUE(c->Has("press1092"));
  EXPECT_FALSE(b->Has("accel"));
  Key(form.get(), 0, "ф", ssAlt);
  EXPECT_TRUE(b->Has("accel"));
}

TEST_F(KeyTest, TabMovesTheFocusInTabOrderAndShiftTabBack) {
  a->SetFocus();
  ProcessEvents();
  Key(form.get(), VK_TAB, "\t");
  ProcessEvents();
  EXPECT_TRUE(b->Focused());
  Key(form.get(), VK_TAB, "\t");
  ProcessEvents();
  EXPECT_TRUE(c->Focused());
  Key(form.get(), VK_TAB, "\t");  // wraps around
  ProcessEvents();
  EXPECT_TRUE(a->Focused());
  Key(form.get(), VK_TAB, "\t", ssShift);
  ProcessEvents();
  EXPECT_TRUE(c->Focused());
  // Controls without TabStop or disabled ones are skipped.
  a->SetTabStop(false);
  b->SetEnabled(false);
  Key(form.get(), VK_TAB, "\t");
  ProcessEvents();
  EXPECT_TRUE(c->Focused());
  EXPECT_FALSE(a->Has("press9"));
}

TEST_F(KeyTest, EnterGoesToTheDialogFirstWhenTheFocusedControlDoesNotUseIt) {
  a->SetFocus();
  ProcessEvents();
  a->log.clear();
  b->takeReturn = true;
  Key(form.get(), VK_RETURN, "\r");
  EXPECT_TRUE(b->Has("default"));
  EXPECT_FALSE(a->Has("down13"));
  EXPECT_FALSE(a->Has("press13"));
  // Nobody takes it: the focused control gets the key after all.
  b->takeReturn = false;
  Key(form.get(), VK_RETURN, "\r");
  EXPECT_TRUE(a->Has("down13"));
  EXPECT_TRUE(a->Has("press13"));
}

TEST_F(KeyTest, KeyPreviewLetsTheFormSeeKeysFirstAndChangeThem) {
  a->SetFocus();
  ProcessEvents();
  a->log.clear();
  form->SetKeyPreview(true);
  std::vector<std::string> seen;
  form->OnKeyDown = [&](TComponent*, TKey& key, TShiftState) {
    seen.push_back("down" + std::to_string(key));
    key = 0;  // the control does not get it
  };
  form->OnKeyPress = [&](TComponent*, char32_t& key) { key = U'z'; };
  Key(form.get(), 'Q', "q");
  EXPECT_EQ(seen, (std::vector<std::string>{"down81"}));
  EXPECT_FALSE(a->Has("down81"));
  EXPECT_TRUE(a->Has("press122"));
}

TEST_F(KeyTest, SettingTheActiveControlOfAHiddenFormFocusesItWhenShown) {
  TForm other(nullptr);
  other.SetBorderStyle(TFormBorderStyle::bsNone);
  other.SetBounds(0, 0, 100, 100);
  auto* edit = new KeyProbe(&other, Bounds(0, 0, 20, 20));
  edit->SetFocus();  // not shown yet: remembered
  EXPECT_EQ(other.ActiveControl(), edit);
  other.Show();
  ProcessEvents();
  EXPECT_TRUE(edit->Focused());
  // A hidden control cannot be made active.
  auto* hidden = new KeyProbe(&other, Bounds(30, 0, 20, 20));
  hidden->Hide();
  EXPECT_FALSE(hidden->CanFocus());
  EXPECT_THROW(other.SetActiveControl(hidden), Exception);
}

TEST_F(KeyTest, HiddenControlsTakeNoAcceleratorsAndNoDialogKeys) {
  // b directly on the form, then b inside a hidden panel (visible itself).
  auto* panel = new Probe(nullptr, form.get(), Bounds(180, 0, 100, 50));
  auto* inner = new KeyProbe(panel, Bounds(0, 0, 40, 40), U'я');
  inner->takeReturn = true;
  struct Case {
    TControl* hidden;
    KeyProbe* taker;
    const char* key;
  };
  const Case cases[] = {{b, b, "ф"}, {panel, inner, "я"}};
  a->SetFocus();
  ProcessEvents();
  for (const Case& c : cases) {
    c.taker->log.clear();
    c.hidden->Hide();
    Type(form.get(), c.key);
    Key(form.get(), 0, c.key, ssAlt);
    EXPECT_FALSE(c.taker->Has("accel")) << c.key;
    c.hidden->Show();
    Key(form.get(), 0, c.key, ssAlt);
    EXPECT_TRUE(c.taker->Has("accel")) << c.key;
  }
  // The default-button key likewise: Enter reaches the focused control while inner is hidden.
  panel->Hide();
  Key(form.get(), VK_RETURN, "\r");
  EXPECT_FALSE(inner->Has("default"));
  EXPECT_TRUE(a->Has("down13"));
}

}  // namespace
