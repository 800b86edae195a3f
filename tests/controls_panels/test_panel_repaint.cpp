// Setters and in-place changes reach the screen: the control paints again once events run.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/AtomButton.h"
#include "controls/SmoothPanel.h"
#include "controls/VasPanel.h"
#include "panels_fixture.h"

namespace {

// Counts the paints a control of class Base receives.
template <class Base>
class Counting : public Base {
 public:
  using Base::Base;
  void Paint() override {
    ++paints;
    Base::Paint();
  }
  int paints = 0;
};

class PanelRepaintTest : public PanelsTest {
 protected:
  // Paints pending work away, then runs change and reports how many paints followed.
  template <class T>
  int PaintsAfter(T& control, const std::function<void()>& change) {
    TestInput::ProcessEvents(20);
    control.paints = 0;
    change();
    TestInput::ProcessEvents(20);
    return control.paints;
  }
};

TEST_F(PanelRepaintTest, SmoothPanelSettersRepaint) {
  auto* clock = Make<Counting<TSmoothPanel>>(10, 10, 85, 18);
  EXPECT_EQ(PaintsAfter(*clock, [] {}), 0);
  const std::vector<std::pair<std::string, std::function<void()>>> changes = {
      {"caption", [&] { clock->SetCaption("12 :00 :01"); }},
      {"same caption", [&] { clock->SetCaption("12 :00 :01"); }},
      {"colour", [&] { clock->SetColor(3119103); }},
      {"palette", [&] { clock->SetCustomColor(TCustomColor::ccMoss); }},
      {"layout", [&] { clock->SetLayout(TLayout::plLeft); }},
      {"shadow", [&] { clock->SetShadowText(false); }},
      {"depth", [&] { clock->SetShadowDepth(0); }},
      {"inner bevel", [&] { clock->SetBevelInner(TBevelStyle::bsLowered); }},
      {"outer bevel", [&] { clock->SetBevelOuter(TBevelStyle::bsLowered); }},
      {"border", [&] { clock->SetBorderWidth(1); }},
      {"font", [&] { clock->Font().SetHeight(-13); }},
  };
  for (const auto& [what, change] : changes) {
    SCOPED_TRACE(what);
    EXPECT_GE(PaintsAfter(*clock, change), 1);
  }
}

TEST_F(PanelRepaintTest, ShadowPanelRepaintsOnlyForARealChange) {
  auto* panel = Make<Counting<TVasPanel>>(10, 10, 100, 30);
  EXPECT_GE(PaintsAfter(*panel, [&] { panel->SetShadowSize(3); }), 1);
  EXPECT_EQ(PaintsAfter(*panel, [&] { panel->SetShadowSize(3); }), 0);
  EXPECT_GE(PaintsAfter(*panel, [&] { panel->SetStyleKind(TStyleKind::skShadow); }), 1);
  EXPECT_GE(PaintsAfter(*panel, [&] { panel->SetShadowPos(TShadowPosition::spLeftTop); }), 1);
  EXPECT_GE(PaintsAfter(*panel, [&] { panel->SetShadowColor(clRed); }), 1);
}

TEST_F(PanelRepaintTest, AtomButtonRepaintsForSettersAndInPlaceChanges) {
  auto* button = Make<Counting<tAtomButton>>(10, 10, 80, 24);
  EXPECT_EQ(PaintsAfter(*button, [] {}), 0);
  const std::vector<std::pair<std::string, std::function<void()>>> changes = {
      {"caption", [&] { button->setCaption("Ok"); }},
      {"colour", [&] { button->SetBtnColorMouseOn2(clRed); }},
      {"enabled", [&] { button->setEnabled(false); }},
      {"gap", [&] { button->setTextBitmapWidth(2); }},
      {"font copy", [&] { button->SetBtnFontMouseDown(TFont()); }},
      {"font in place", [&] { button->BtnFontNormal().SetHeight(-20); }},
      {"disabled font in place", [&] { button->BtnFontMouseEneble().SetStyle(fsBold); }},
      {"picture", [&] { button->setBitmap(Filled(4, 4, clRed)); }},
      {"picture in place", [&] { button->bitmap().SetSize(6, 6); }},
  };
  for (const auto& [what, change] : changes) {
    SCOPED_TRACE(what);
    EXPECT_GE(PaintsAfter(*button, change), 1);
  }
}

TEST_F(PanelRepaintTest, AtomButtonShowsMouseStatesAtOnce) {
  auto* button = Make<Counting<tAtomButton>>(10, 10, 80, 24);
  TestInput::ProcessEvents(20);
  button->paints = 0;
  button->MouseEnter();
  EXPECT_EQ(button->paints, 1);
  button->MouseDown(TMouseButton::mbLeft, ssLeft, 3, 3);
  EXPECT_EQ(button->paints, 2);
  button->MouseUp(TMouseButton::mbLeft, 0, 3, 3);
  EXPECT_EQ(button->paints, 3);
  button->MouseLeave();
  EXPECT_EQ(button->paints, 4);
}

}  // namespace
