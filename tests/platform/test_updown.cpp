// The spinner: range, buddy text, arrow clicks and keys, refusal, placement beside the buddy.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "pixel_helpers.h"
#include "platform/graphics/Bitmap.h"
#include "platform/controls/UpDown.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/Label.h"
#include "platform/controls/Edit.h"
#include "platform/testing/TestInput.h"

namespace {

class UpDownTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    form_ = MakeForm(100, 100, 300, 200);
    form_->Show();
    edit_ = new TEdit(form_.get());
    edit_->SetParent(form_.get());
    edit_->SetBounds(24, 112, 145, 23);
    updown_ = new TUpDown(form_.get());
    updown_->SetParent(form_.get());
    updown_->SetWidth(18);
    updown_->SetMin(6);
    updown_->SetMax(30);
    updown_->SetPosition(10);
    updown_->SetAssociate(edit_);
    updown_->OnClick = [this](TComponent* sender, TUDBtnType button) {
      EXPECT_EQ(sender, updown_);
      clicks_.push_back(button);
    };
  }
  TPoint Centre(TUDBtnType button) const {
    const TRect r = updown_->ButtonRect(button);
    return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  std::unique_ptr<TForm> form_;
  TEdit* edit_ = nullptr;
  TUpDown* updown_ = nullptr;
  std::vector<TUDBtnType> clicks_;
};

TEST_F(UpDownTest, AssociatingPlacesTheSpinnerAtTheBuddysRightEdge) {
  EXPECT_EQ(edit_->BoundsRect(), Bounds(24, 112, 127, 23));
  EXPECT_EQ(updown_->BoundsRect(), Bounds(151, 112, 18, 23));
  EXPECT_EQ(edit_->Text(), "10");
  EXPECT_EQ(updown_->ButtonRect(btNext), Rect(0, 0, 18, 11));
  EXPECT_EQ(updown_->ButtonRect(btPrev), Rect(0, 11, 18, 23));
}

TEST_F(UpDownTest, PositionStaysWithinTheRangeAndTheBuddyShowsIt) {
  updown_->SetPosition(50);
  EXPECT_EQ(updown_->Position(), 30);
  EXPECT_EQ(edit_->Text(), "30");
  updown_->SetPosition(-4);
  EXPECT_EQ(updown_->Position(), 6);
  EXPECT_EQ(edit_->Text(), "6");
  updown_->SetMin(12);
  EXPECT_EQ(updown_->Position(), 12);
  EXPECT_EQ(edit_->Text(), "12");
  updown_->SetMax(8);  // a reversed range still holds the position inside it
  EXPECT_EQ(updown_->Position(), 12);
  updown_->SetPosition(3);
  EXPECT_EQ(updown_->Position(), 8);
  EXPECT_TRUE(clicks_.empty());  // set from code: no click
}

TEST_F(UpDownTest, ArrowClicksStepAndReportEvenAtTheEnds) {
  TestInput::Click(updown_, Centre(btNext));
  EXPECT_EQ(updown_->Position(), 11);
  EXPECT_EQ(edit_->Text(), "11");
  TestInput::Click(updown_, Centre(btPrev));
  TestInput::Click(updown_, Centre(btPrev));
  EXPECT_EQ(updown_->Position(), 9);
  updown_->SetPosition(30);
  TestInput::Click(updown_, Centre(btNext));
  EXPECT_EQ(updown_->Position(), 30);
  EXPECT_EQ(clicks_, (std::vector<TUDBtnType>{btNext, btPrev, btPrev, btNext}));
  updown_->SetWrap(true);
  TestInput::Click(updown_, Centre(btNext));
  EXPECT_EQ(updown_->Position(), 6);
}

TEST_F(UpDownTest, OnChangingMayRefuseAStep) {
  updown_->OnChanging = [](TComponent*, bool& allow) { allow = false; };
  TestInput::Click(updown_, Centre(btNext));
  EXPECT_EQ(updown_->Position(), 10);
  EXPECT_TRUE(clicks_.empty());
}

TEST_F(UpDownTest, ATypedNumberIsWhereTheNextStepStarts) {
  edit_->SetText("25");
  EXPECT_EQ(updown_->Position(), 25);
  TestInput::Click(updown_, Centre(btNext));
  EXPECT_EQ(updown_->Position(), 26);
  EXPECT_EQ(edit_->Text(), "26");
  edit_->SetText("99");
  EXPECT_EQ(updown_->Position(), 30);
  edit_->SetText("abc");
  EXPECT_EQ(updown_->Position(), 26);  // not a number: the stored position
}

TEST_F(UpDownTest, UpAndDownKeysInTheBuddyStep) {
  edit_->SetFocus();
  TestInput::ProcessEvents();
  TestInput::Key(form_.get(), VK_UP);
  TestInput::Key(form_.get(), VK_UP);
  TestInput::Key(form_.get(), VK_DOWN);
  EXPECT_EQ(updown_->Position(), 11);
  EXPECT_EQ(clicks_.size(), 3u);
  updown_->SetArrowKeys(false);
  TestInput::Key(form_.get(), VK_UP);
  EXPECT_EQ(updown_->Position(), 11);
}

TEST_F(UpDownTest, HoldingAButtonRepeats) {
  TestInput::MouseDown(updown_, mbLeft, Centre(btNext));
  for (int i = 0; i < 12 && updown_->Position() < 13; ++i) TestInput::ProcessEvents(100);
  TestInput::MouseUp(updown_, mbLeft, Centre(btNext));
  EXPECT_GE(updown_->Position(), 13);
  const int after = updown_->Position();
  TestInput::ProcessEvents(250);
  EXPECT_EQ(updown_->Position(), after);
}

TEST_F(UpDownTest, PaintsTwoArrowButtons) {
  TBitmap face;
  updown_->PaintTo(face);
  // Raised faces: light top-left, dark bottom-right, one black arrow in each half.
  EXPECT_EQ(face.Canvas().Pixels(0, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(face.Canvas().Pixels(17, 10), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(face.Canvas().Pixels(0, 11), ColorToRGB(cl3DLight));
  const PixelSet arrows = PixelsOf(face, clBtnText);
  PixelSet up;
  PixelSet down;
  for (const auto& p : arrows) (p.second < 11 ? up : down).insert(p);
  EXPECT_EQ(up.size(), 9u);  // 5 + 3 + 1
  EXPECT_EQ(down.size(), 9u);
  EXPECT_EQ(BoundsOf(up).Width(), 5);
  updown_->SetEnabled(false);
  updown_->PaintTo(face);
  EXPECT_TRUE(PixelsOf(face, clBtnText).empty());
}

}  // namespace
