// The status bar: its place, its panels, and the application hint it shows with AutoHint.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "pixel_helpers.h"
#include "platform/graphics/Bitmap.h"
#include "platform/controls/UpDown.h"
#include "platform/controls/StatusBar.h"
#include "platform/testing/TestInput.h"

namespace {

class StatusBarTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    form_ = MakeForm(100, 100, 300, 200);
    form_->Show();
    bar_ = new TStatusBar(form_.get());
    bar_->SetParent(form_.get());
    bar_->Panels().Add().SetWidth(100);
    bar_->Panels().Add().SetWidth(50);
  }
  std::unique_ptr<TForm> form_;
  TStatusBar* bar_ = nullptr;
};

TEST_F(StatusBarTest, SitsAtTheBottomNineteenHigh) {
  EXPECT_EQ(bar_->Align(), alBottom);
  EXPECT_EQ(bar_->BoundsRect(), Bounds(0, 181, 300, 19));
  // Panels below a 2-pixel strip; the last one reaches the end of the bar.
  EXPECT_EQ(bar_->PanelRect(0), Rect(0, 2, 100, 19));
  EXPECT_EQ(bar_->PanelRect(1), Rect(102, 2, 300, 19));
  bar_->Panels().Add().SetWidth(30);
  EXPECT_EQ(bar_->PanelRect(1), Rect(102, 2, 152, 19));
  EXPECT_EQ(bar_->PanelRect(2), Rect(154, 2, 300, 19));
  bar_->Panels().Delete(2);
  EXPECT_EQ(bar_->Panels().Count(), 2);
  EXPECT_EQ(bar_->Panels()[1].Index(), 1);
}

TEST_F(StatusBarTest, PanelsAreLoweredWithTheirText) {
  bar_->SetColor(9685503);
  bar_->Font().SetColor(clBlack);
  bar_->Panels()[0].SetText("Строка № 1");
  TBitmap face;
  bar_->PaintTo(face);
  TCanvas& c = face.Canvas();
  EXPECT_EQ(c.Pixels(0, 0), ColorToRGB(9685503));
  EXPECT_EQ(c.Pixels(0, 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(c.Pixels(98, 2), ColorToRGB(clBtnShadow));
  EXPECT_EQ(c.Pixels(99, 2), ColorToRGB(clBtnHighlight));  // the right side owns the corner
  EXPECT_EQ(c.Pixels(99, 18), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(c.Pixels(100, 10), ColorToRGB(9685503));  // the gap
  const TRect text = BoundsOf(PixelsOf(face, clBlack));
  EXPECT_GE(text.Left, 3);
  EXPECT_LT(text.Right, 100);
  EXPECT_GE(text.Top, 3);
  EXPECT_LE(text.Bottom, 18);
}

TEST_F(StatusBarTest, AutoHintShowsTheLongHintOfTheControlUnderTheMouse) {
  auto* button = new Probe(form_.get(), form_.get(), Bounds(10, 10, 50, 20));
  button->SetHint("Открыть|Открыть документ");
  bar_->Panels()[0].SetText("Строка № 1");
  TestInput::MouseMove(form_.get(), Point(200, 100));
  EXPECT_EQ(bar_->Panels()[0].Text(), "Строка № 1");  // AutoHint is off

  bar_->SetAutoHint(true);
  TestInput::MouseMove(button, Point(5, 5));
  EXPECT_EQ(Application->Hint(), "Открыть документ");
  EXPECT_EQ(bar_->Panels()[0].Text(), "Открыть документ");
  EXPECT_EQ(bar_->Panels()[1].Text(), "");
  TestInput::MouseMove(form_.get(), Point(200, 100));
  EXPECT_EQ(bar_->Panels()[0].Text(), "");

  // A simple bar shows it as its simple text.
  bar_->SetSimplePanel(true);
  Application->SetHint("Simple");
  EXPECT_EQ(bar_->SimpleText(), "Simple");
  EXPECT_EQ(bar_->Panels()[0].Text(), "");
}

TEST_F(StatusBarTest, OnHintOfTheBarOrOfTheApplicationTakesOver) {
  bar_->SetAutoHint(true);
  int barHints = 0;
  bar_->OnHint = [&](TComponent* sender) {
    EXPECT_EQ(sender, bar_);
    ++barHints;
  };
  Application->SetHint("One");
  EXPECT_EQ(barHints, 1);
  EXPECT_EQ(bar_->Panels()[0].Text(), "");
  bar_->OnHint = nullptr;
  Application->OnHint = [](TComponent*) {};
  Application->SetHint("Two");
  EXPECT_EQ(bar_->Panels()[0].Text(), "");
  Application->OnHint = nullptr;
  Application->SetHint("Three");
  EXPECT_EQ(bar_->Panels()[0].Text(), "Three");
}

TEST_F(StatusBarTest, FreedBarStopsListeningAndOthersGoOn) {
  auto* other = new TStatusBar(form_.get());
  other->SetParent(form_.get());
  other->SetSimplePanel(true);
  other->SetAutoHint(true);
  bar_->SetAutoHint(true);
  delete bar_;
  Application->SetHint("after");  // must not reach the freed bar
  EXPECT_EQ(other->SimpleText(), "after");
}

TEST_F(StatusBarTest, OwnerDrawnPanelsGetTheirRectangle) {
  bar_->Panels()[1].SetStyle(psOwnerDraw);
  TRect seen;
  TStatusPanel* seenPanel = nullptr;
  bar_->OnDrawPanel = [&](TComponent*, TStatusPanel* panel, const TRect& rect) {
    seenPanel = panel;
    seen = rect;
  };
  TBitmap face;
  bar_->PaintTo(face);
  EXPECT_EQ(seenPanel, &bar_->Panels()[1]);
  EXPECT_EQ(seen, Rect(103, 3, 299, 18));  // inside the bevel
}

}  // namespace
