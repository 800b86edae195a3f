// Properties and the notifications they send: parent colour and font, text, enabled, hints,
// the popup menu on a right click, tab order, z-order and the tree's ownership rules.
#include "control_fixture.h"
#include "platform/menus/PopupMenuBase.h"
#include "platform/testing/TestInput.h"

namespace {

// Counts the notifications a control receives.
class Listener : public TCustomControl {
 public:
  explicit Listener(TWinControl* parent) : TCustomControl(nullptr) { SetParent(parent); }
  int colorChanged = 0, parentColorChanged = 0, fontChanged = 0, textChanged = 0,
      enabledChanged = 0, resized = 0;
  void ColorChanged() override {
    ++colorChanged;
    TCustomControl::ColorChanged();
  }
  void ParentColorChanged() override {
    ++parentColorChanged;
    TCustomControl::ParentColorChanged();
  }
  void FontChanged() override {
    ++fontChanged;
    TCustomControl::FontChanged();
  }
  void TextChanged() override {
    ++textChanged;
    TCustomControl::TextChanged();
  }
  void EnabledChanged() override {
    ++enabledChanged;
    TCustomControl::EnabledChanged();
  }
  void Resize() override {
    ++resized;
    TCustomControl::Resize();
  }
};

class FakePopup : public TPopupMenuBase {
 public:
  using TPopupMenuBase::TPopupMenuBase;
  std::vector<TPoint> shownAt;
  void Popup(int x, int y) override { shownAt.push_back(Point(x, y)); }
};

TEST_F(ControlTest, ParentColorFollowsTheParentUntilTheControlSetsItsOwn) {
  TForm form(nullptr);
  form.SetColor(clRed);
  Listener child(&form);
  child.SetParentColor(true);
  EXPECT_EQ(child.Color(), clRed);
  form.SetColor(clBlue);
  EXPECT_EQ(child.Color(), clBlue);
  EXPECT_TRUE(child.ParentColor());
  EXPECT_GE(child.parentColorChanged, 1);
  // An own colour switches ParentColor off; the parent's later changes no longer reach it.
  child.SetColor(clLime);
  EXPECT_FALSE(child.ParentColor());
  form.SetColor(clYellow);
  EXPECT_EQ(child.Color(), clLime);
  // Equal values change nothing and notify nobody.
  const int before = child.colorChanged;
  child.SetColor(clLime);
  EXPECT_EQ(child.colorChanged, before);
  // Grandchildren follow through the chain.
  child.SetParentColor(true);
  Listener grandchild(&child);
  grandchild.SetParentColor(true);
  form.SetColor(clAqua);
  EXPECT_EQ(grandchild.Color(), clAqua);
}

TEST_F(ControlTest, ParentFontFollowsAndChangingTheFontObjectNotifies) {
  TForm form(nullptr);
  Listener child(&form);
  EXPECT_TRUE(child.ParentFont());
  form.Font().SetName("Arial");
  form.Font().SetHeight(-13);
  EXPECT_EQ(child.Font().Name(), "Arial");
  EXPECT_EQ(child.Font().Height(), -13);
  EXPECT_TRUE(child.ParentFont());
  const int before = child.fontChanged;
  // Changing the control's own font object counts as its own font.
  child.Font().SetStyle(fsBold);
  EXPECT_EQ(child.fontChanged, before + 1);
  EXPECT_FALSE(child.ParentFont());
  form.Font().SetName("Courier New");
  EXPECT_EQ(child.Font().Name(), "Arial");
  child.SetParentFont(true);
  EXPECT_EQ(child.Font().Name(), "Courier New");
  EXPECT_EQ(child.Font().Style(), 0u);
}

TEST_F(ControlTest, TextEnabledAndSizeNotifyOnlyOnRealChanges) {
  TForm form(nullptr);
  Listener child(&form);
  child.SetCaption("Файл");
  child.SetCaption("Файл");
  EXPECT_EQ(child.textChanged, 1);
  EXPECT_EQ(child.Text(), "Файл");
  child.SetEnabled(false);
  child.SetEnabled(false);
  EXPECT_EQ(child.enabledChanged, 1);
  EXPECT_FALSE(child.Enabled());
  const int resized = child.resized;
  child.SetBounds(1, 2, 30, 40);
  child.SetBounds(1, 2, 30, 40);
  child.SetLeft(5);  // a move is no resize
  EXPECT_EQ(child.resized, resized + 1);
  EXPECT_EQ(child.BoundsRect(), Bounds(5, 2, 30, 40));
  child.SetClientWidth(50);
  EXPECT_EQ(child.Width(), 50);
  EXPECT_EQ(child.ClientRect(), Rect(0, 0, 50, 40));
}

TEST_F(ControlTest, LoadingStateSuppressesNotificationsUntilLoaded) {
  TForm form(nullptr);
  form.SetColor(clRed);
  auto* child = new Listener(&form);
  child->BeginLoading();
  const int before =
      child->textChanged + child->colorChanged + child->enabledChanged + child->resized;
  child->SetCaption("x");
  child->SetColor(clBlue);
  child->SetParentColor(true);
  child->SetEnabled(false);
  child->SetBounds(0, 0, 20, 20);
  EXPECT_EQ(child->textChanged + child->colorChanged + child->enabledChanged + child->resized,
            before);
  EXPECT_EQ(child->Color(), clBlue);  // stored, not yet taken from the parent
  child->EndLoading();
  EXPECT_EQ(child->Color(), clRed);
  EXPECT_EQ(child->textChanged, 0);
  delete child;
}

TEST_F(ControlTest, ShowHintFollowsTheParentWhileParentShowHintIsOn) {
  TForm form(nullptr);
  Listener panel(&form);
  Listener button(&panel);
  EXPECT_FALSE(button.ShowHint());
  form.SetShowHint(true);
  EXPECT_TRUE(button.ShowHint());
  button.SetShowHint(false);
  EXPECT_FALSE(button.ParentShowHint());
  EXPECT_FALSE(button.ShowHint());
  EXPECT_EQ(GetShortHint("Новый документ|Открыть новый документ"), "Новый документ");
  EXPECT_EQ(GetLongHint("Новый документ|Открыть новый документ"), "Открыть новый документ");
  EXPECT_EQ(GetShortHint("Просто"), "Просто");
  EXPECT_EQ(GetLongHint("Просто"), "Просто");
  EXPECT_EQ(GetLongHint("|только длинная"), "только длинная");
  panel.SetHint("панель|длинная");
  EXPECT_EQ(GetHint(&button), "панель|длинная");
  button.SetHint("кнопка");
  EXPECT_EQ(GetHint(&button), "кнопка");
}

TEST_F(ControlTest, RightClickOpensThePopupMenuOfTheControlOrItsParent) {
  auto form = MakeForm(100, 50, 200, 100);
  auto* menu = new FakePopup(form.get());
  auto* panel = new Probe(form.get(), form.get(), Bounds(0, 0, 100, 100));
  auto* inner = new Probe(form.get(), panel, Bounds(10, 10, 30, 30));
  panel->SetPopupMenu(menu);
  form->Show();
  TestInput::Click(inner, Point(5, 6), mbRight);
  ASSERT_EQ(menu->shownAt.size(), 1u);
  EXPECT_EQ(menu->shownAt[0], Point(100 + 15, 50 + 16));
  EXPECT_EQ(menu->PopupComponent(), panel);
  // A left click opens nothing; a freed menu is forgotten by the control.
  TestInput::Click(inner, Point(5, 6));
  EXPECT_EQ(menu->shownAt.size(), 1u);
  delete menu;
  EXPECT_EQ(panel->PopupMenu(), nullptr);
  TestInput::Click(inner, Point(5, 6), mbRight);
}

TEST_F(ControlTest, TabOrderIsThePositionAmongTheParentsWindowedChildren) {
  TForm form(nullptr);
  Listener a(&form), b(&form), c(&form);
  EXPECT_EQ(a.TabOrder(), 0);
  EXPECT_EQ(c.TabOrder(), 2);
  c.SetTabOrder(0);
  EXPECT_EQ(c.TabOrder(), 0);
  EXPECT_EQ(a.TabOrder(), 1);
  EXPECT_EQ(b.TabOrder(), 2);
  std::vector<TWinControl*> list;
  form.GetTabOrderList(list);
  EXPECT_EQ(list, (std::vector<TWinControl*>{&c, &a, &b}));
}

TEST_F(ControlTest, TabOrdersReadFromALayoutApplyWhenLoaded) {
  TForm form(nullptr);
  form.BeginLoading();
  auto* a = new Listener(&form);
  auto* b = new Listener(&form);
  a->BeginLoading();
  b->BeginLoading();
  a->SetTabOrder(1);
  b->SetTabOrder(0);
  form.EndLoading();
  EXPECT_EQ(b->TabOrder(), 0);
  EXPECT_EQ(a->TabOrder(), 1);
}

TEST_F(ControlTest, ChildrenGoWithTheirParentAndTheOwnerFreesTheRest) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* panel = new Listener(form.get());
  auto* child = new Listener(panel);  // not owned: freed as the panel's child
  form->InsertComponent(child);
  EXPECT_EQ(form->ComponentCount(), 1);
  EXPECT_EQ(child->Parent(), panel);
  delete panel;
  EXPECT_EQ(form->ComponentCount(), 0);
  EXPECT_EQ(form->ControlCount(), 0);
  // Reparenting moves the control (and its widget) between parents.
  Listener x(form.get());
  Listener y(form.get());
  auto* moved = new Listener(&x);
  moved->SetParent(&y);
  EXPECT_EQ(x.ControlCount(), 0);
  EXPECT_EQ(y.ControlCount(), 1);
  EXPECT_THROW(x.SetParent(&x), Exception);
}

TEST_F(ControlTest, BringToFrontDecidesWhichOverlappingControlIsHit) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 100, 100);
  Listener a(&form), b(&form);
  a.SetBoundsRect(Bounds(0, 0, 50, 50));
  b.SetBoundsRect(Bounds(0, 0, 50, 50));
  EXPECT_EQ(form.ControlAtPos(Point(10, 10), false, true), &b);
  a.BringToFront();
  EXPECT_EQ(form.ControlAtPos(Point(10, 10), false, true), &a);
  a.SendToBack();
  EXPECT_EQ(form.ControlAtPos(Point(10, 10), false, true), &b);
  EXPECT_EQ(form.ControlAtPos(Point(60, 60), false, true), nullptr);
}

}  // namespace
