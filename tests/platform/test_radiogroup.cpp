// The radio group: its item range, button layout, mouse, keys, accelerators and look.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "pixel_helpers.h"
#include "platform/controls/RadioGroup.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/FrameControl.h"
#include "platform/testing/TestInput.h"

namespace {

class RadioGroupTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    form_ = MakeForm(100, 100, 300, 200);
    form_->Show();
    group_ = new TRadioGroup(form_.get());
    group_->SetParent(form_.get());
    group_->SetBounds(24, 42, 147, 81);
    group_->SetCaption("Стиль текста");
    group_->SetItems({"&Простой", "&Курсив", "&Жирный", "Жирный курсив"});
    group_->OnClick = [this](TComponent* sender) {
      EXPECT_EQ(sender, group_);
      clicks_.push_back(group_->ItemIndex());
    };
  }
  TPoint Centre(int index) const {
    const TRect r = group_->ButtonRect(index);
    return Point(r.Left + 6, (r.Top + r.Bottom) / 2);
  }
  std::unique_ptr<TForm> form_;
  TRadioGroup* group_ = nullptr;
  std::vector<int> clicks_;
};

TEST_F(RadioGroupTest, ItemIndexStaysBetweenMinusOneAndTheLastItem) {
  EXPECT_EQ(group_->ItemIndex(), -1);
  group_->SetItemIndex(2);
  group_->SetItemIndex(7);
  EXPECT_EQ(group_->ItemIndex(), 3);
  group_->SetItemIndex(-5);
  EXPECT_EQ(group_->ItemIndex(), -1);
  group_->SetItemIndex(-1);  // unchanged: no click
  EXPECT_EQ(clicks_, (std::vector<int>{2, 3, -1}));
  group_->SetItemIndex(3);
  group_->SetItems({"a", "b"});
  EXPECT_EQ(group_->ItemIndex(), 1);
}

TEST_F(RadioGroupTest, ChangingTheItemsListKeepsItemIndexInRangeAndRepaints) {
  group_->SetItemIndex(3);
  clicks_.clear();
  group_->Items().Delete(3);
  EXPECT_EQ(group_->ItemIndex(), 2);
  group_->Items().Add("Подчёркнутый");
  EXPECT_EQ(group_->ButtonAt(Centre(3).X, Centre(3).Y), 3);
  group_->Items().Clear();
  EXPECT_EQ(group_->ItemIndex(), -1);
  EXPECT_EQ(clicks_, (std::vector<int>{2, -1}));
}

TEST_F(RadioGroupTest, ButtonsShareTheRoomBelowTheCaption) {
  TCanvas measure;
  measure.SetFont(group_->Font());
  const int cell = measure.TextHeight("0");
  const int space = 81 - cell - 5;
  const int height = space / 4;
  const int top = cell + 1 + (space % 4) / 2;
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(group_->ButtonRect(i), Bounds(8, top + i * height, 137, height)) << i;
  group_->SetColumns(2);
  EXPECT_EQ(group_->ButtonRect(2), Bounds(8 + 68, top, 68, space / 2));
  EXPECT_EQ(group_->ButtonRect(4), TRect{});
}

TEST_F(RadioGroupTest, ClickingAButtonChecksIt) {
  TestInput::Click(group_, Centre(2));
  EXPECT_EQ(group_->ItemIndex(), 2);
  TestInput::Click(group_, Centre(2));
  EXPECT_EQ(clicks_, (std::vector<int>{2}));
  EXPECT_TRUE(group_->Focused());
  // Pressed on one button, released on another: nothing.
  TestInput::MouseDown(group_, mbLeft, Centre(0));
  TestInput::MouseUp(group_, mbLeft, Centre(1));
  EXPECT_EQ(group_->ItemIndex(), 2);
  // The frame is no button.
  TestInput::Click(group_, Point(2, 40));
  EXPECT_EQ(group_->ItemIndex(), 2);
}

TEST_F(RadioGroupTest, ArrowsAndAcceleratorsCheckButtons) {
  group_->SetItemIndex(2);
  group_->SetFocus();
  TestInput::ProcessEvents();
  TestInput::Key(form_.get(), VK_DOWN);
  EXPECT_EQ(group_->ItemIndex(), 3);
  TestInput::Key(form_.get(), VK_DOWN);
  EXPECT_EQ(group_->ItemIndex(), 0);
  TestInput::Key(form_.get(), VK_UP);
  EXPECT_EQ(group_->ItemIndex(), 3);
  TestInput::Key(form_.get(), 0, "к", ssAlt);
  EXPECT_EQ(group_->ItemIndex(), 1);
}

TEST_F(RadioGroupTest, PaintsAnEtchedFrameAndTheCheckedDot) {
  group_->SetItemIndex(1);
  TBitmap face;
  group_->PaintTo(face);
  const int cell = face.Canvas().TextHeight("0");
  TCanvas& c = face.Canvas();
  // Etched frame: shadow line above a highlight line, the caption breaking the top.
  EXPECT_EQ(c.Pixels(0, cell / 2 - 1), ColorToRGB(clBtnShadow));
  EXPECT_EQ(c.Pixels(1, cell / 2), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(c.Pixels(140, cell / 2 - 1), ColorToRGB(clBtnShadow));
  EXPECT_EQ(c.Pixels(145, 79), ColorToRGB(clBtnShadow));
  EXPECT_EQ(c.Pixels(146, 80), ColorToRGB(clBtnHighlight));
  // Button 1's circle: white inside, the 4 x 4 dot (corners cut) in the middle.
  const TRect r = group_->ButtonRect(1);
  const int gx = r.Left;
  const int gy = r.Top + (r.Height() - RadioGlyphSize) / 2;
  EXPECT_EQ(c.Pixels(gx + 3, gy + 5), ColorToRGB(clWindow));
  EXPECT_EQ(c.Pixels(gx + 5, gy + 5), ColorToRGB(clWindowText));
  EXPECT_EQ(c.Pixels(gx + 4, gy + 4), ColorToRGB(clWindow));
  EXPECT_EQ(c.Pixels(gx + 5, gy + 4), ColorToRGB(clWindowText));
  EXPECT_EQ(c.Pixels(gx + 4, gy), ColorToRGB(clBtnShadow));
  EXPECT_EQ(c.Pixels(gx + 11, gy + 5), ColorToRGB(clBtnHighlight));
  // Button 0 is not checked.
  const TRect r0 = group_->ButtonRect(0);
  const int gy0 = r0.Top + (r0.Height() - RadioGlyphSize) / 2;
  EXPECT_EQ(c.Pixels(r0.Left + 5, gy0 + 5), ColorToRGB(clWindow));
}

}  // namespace
