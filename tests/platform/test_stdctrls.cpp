// Labels and edits: sizes, the painted text, accelerators, and the edit's text and events.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "pixel_helpers.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/graphics/Bitmap.h"
#include "platform/testing/TestInput.h"

namespace {

class StdCtrlsTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    form_ = MakeForm(100, 100, 300, 200);
    form_->SetColor(clYellow);
    form_->Show();
    TestInput::ProcessEvents();
  }
  TLabel* MakeLabel(const std::string& caption) {
    auto* label = new TLabel(form_.get());
    label->SetParent(form_.get());
    label->SetBounds(10, 10, 65, 17);
    label->SetCaption(caption);
    return label;
  }
  TEdit* MakeEdit(int top = 50) {
    auto* edit = new TEdit(form_.get());
    edit->SetParent(form_.get());
    edit->SetBounds(10, top, 120, 21);
    return edit;
  }
  // The form's face, and the part of it a control covers.
  TBitmap Face(const TControl* control = nullptr) {
    TBitmap all;
    form_->PaintTo(all);
    if (!control) return all;
    TBitmap part(control->Width(), control->Height());
    part.Canvas().CopyRect(Rect(0, 0, control->Width(), control->Height()), all.Canvas(),
                           control->BoundsRect());
    return part;
  }
  std::unique_ptr<TForm> form_;
};

TEST_F(StdCtrlsTest, AutoSizedLabelTakesTheSizeOfItsText) {
  TLabel* label = MakeLabel("Цвет &текста");
  TCanvas measure;
  measure.SetFont(label->Font());
  EXPECT_EQ(label->Width(), measure.TextWidth("Цвет текста"));
  EXPECT_EQ(label->Height(), measure.TextHeight("Цвет текста"));
  // An empty caption keeps one blank line.
  label->SetCaption("");
  EXPECT_EQ(label->Width(), measure.TextWidth(" "));
  EXPECT_EQ(label->Height(), measure.TextHeight(" "));
  // Right-aligned labels grow to the left.
  label->SetAlignment(taRightJustify);
  label->SetCaption("Wide caption");
  EXPECT_EQ(label->Left() + label->Width(), 10 + measure.TextWidth(" "));
  // Word wrap keeps the width and adds lines.
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 40, 17);
  label->SetWordWrap(true);
  label->SetAutoSize(true);
  EXPECT_LE(label->Width(), 40);
  EXPECT_EQ(label->Height(), 2 * measure.TextHeight("W"));
}

TEST_F(StdCtrlsTest, OpaqueLabelFillsWithTheParentColourTransparentLetsItShow) {
  TLabel* label = MakeLabel("x");
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 40, 20);
  form_->SetColor(clAqua);
  TBitmap face = Face(label);
  EXPECT_EQ(label->Color(), clAqua);  // ParentColor
  EXPECT_EQ(face.Canvas().Pixels(39, 19), ColorToRGB(clAqua));
  label->SetColor(clRed);
  face = Face(label);
  EXPECT_EQ(face.Canvas().Pixels(39, 19), ColorToRGB(clRed));
  label->SetTransparent(true);
  face = Face(label);
  EXPECT_EQ(face.Canvas().Pixels(39, 19), ColorToRGB(clAqua));
}

TEST_F(StdCtrlsTest, AlignmentAndLayoutPlaceTheText) {
  TLabel* label = MakeLabel("Mid");
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 100, 40);
  label->Font().SetColor(clBlack);
  TCanvas measure;
  measure.SetFont(label->Font());
  const int tw = measure.TextWidth("Mid");
  const int th = measure.TextHeight("Mid");

  TRect box = BoundsOf(PixelsOf(*std::make_unique<TBitmap>(Face(label)), clBlack));
  EXPECT_LT(box.Left, 3);
  EXPECT_LT(box.Top, 4);

  label->SetAlignment(taRightJustify);
  label->SetLayout(tlBottom);
  TBitmap face = Face(label);
  box = BoundsOf(PixelsOf(face, clBlack));
  EXPECT_GE(box.Left, 100 - tw);
  EXPECT_LE(box.Right, 100);
  EXPECT_GE(box.Top, 40 - th);

  label->SetAlignment(taCenter);
  label->SetLayout(tlCenter);
  face = Face(label);
  box = BoundsOf(PixelsOf(face, clBlack));
  EXPECT_NEAR((box.Left + box.Right) / 2.0, 50.0, 2.0);
  EXPECT_NEAR((box.Top + box.Bottom) / 2.0, 20.0, 3.0);
}

TEST_F(StdCtrlsTest, DisabledLabelIsEngraved) {
  TLabel* label = MakeLabel("Disabled");
  label->SetEnabled(false);
  TBitmap face = Face(label);
  const PixelSet light = PixelsOf(face, clBtnHighlight);
  const PixelSet dark = PixelsOf(face, clBtnShadow);
  ASSERT_FALSE(light.empty());
  ASSERT_FALSE(dark.empty());
  EXPECT_EQ(BoundsOf(light).Left, BoundsOf(dark).Left + 1);
  EXPECT_EQ(BoundsOf(light).Top, BoundsOf(dark).Top + 1);
  EXPECT_TRUE(PixelsOf(face, label->Font().Color()).empty());
}

TEST_F(StdCtrlsTest, AltWithTheLabelsLetterFocusesItsControl) {
  TEdit* first = MakeEdit(50);
  TEdit* second = MakeEdit(80);
  TLabel* label = MakeLabel("&Размер");
  label->SetFocusControl(second);
  first->SetFocus();
  TestInput::ProcessEvents();
  ASSERT_TRUE(first->Focused());
  TestInput::Key(form_.get(), 0, "р", ssAlt);
  EXPECT_TRUE(second->Focused());
  // Without ShowAccelChar there is no accelerator.
  first->SetFocus();
  label->SetShowAccelChar(false);
  TestInput::Key(form_.get(), 0, "р", ssAlt);
  EXPECT_TRUE(first->Focused());
}

TEST_F(StdCtrlsTest, EditTextFollowsCodeAndTyping) {
  TEdit* edit = MakeEdit();
  int changes = 0;
  edit->OnChange = [&](TComponent* sender) {
    EXPECT_EQ(sender, edit);
    ++changes;
  };
  edit->SetText("10");
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(edit->Modified());
  edit->SetText("10");  // the same text: no change
  EXPECT_EQ(changes, 1);

  edit->SetFocus();
  TestInput::ProcessEvents();
  edit->SelectAll();
  TestInput::Type(form_.get(), "Шрифт");
  EXPECT_EQ(edit->Text(), "Шрифт");
  EXPECT_EQ(changes, 1 + 5);
  EXPECT_TRUE(edit->Modified());
  TestInput::Key(form_.get(), VK_BACK);
  EXPECT_EQ(edit->Text(), "Шриф");
}

TEST_F(StdCtrlsTest, EditLimitsAndReadOnly) {
  TEdit* edit = MakeEdit();
  edit->SetMaxLength(3);
  edit->SetFocus();
  TestInput::ProcessEvents();
  TestInput::Type(form_.get(), "12345");
  EXPECT_EQ(edit->Text(), "123");
  edit->SetReadOnly(true);
  TestInput::Type(form_.get(), "9");
  EXPECT_EQ(edit->Text(), "123");
}

TEST_F(StdCtrlsTest, EditSelection) {
  TEdit* edit = MakeEdit();
  edit->SetText("hello");
  edit->SetSelStart(1);
  edit->SetSelLength(3);
  EXPECT_EQ(edit->SelStart(), 1);
  EXPECT_EQ(edit->SelLength(), 3);
  EXPECT_EQ(edit->SelText(), "ell");
  edit->SetSelText("ipp");
  EXPECT_EQ(edit->Text(), "hippo");
  edit->SelectAll();
  edit->ClearSelection();
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(StdCtrlsTest, EditHasASunkenFrameAndItsColour) {
  TEdit* edit = MakeEdit();
  edit->SetColor(1149183);
  edit->Font().SetColor(clBlack);
  edit->SetText("Text");
  TBitmap face = Face(edit);
  EXPECT_EQ(face.Canvas().Pixels(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(face.Canvas().Pixels(1, 1), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(face.Canvas().Pixels(119, 20), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(face.Canvas().Pixels(118, 19), ColorToRGB(cl3DLight));
  EXPECT_EQ(face.Canvas().Pixels(117, 18), ColorToRGB(1149183));
  // The text shows inside the frame.
  const PixelSet ink = PixelsNot(face, 1149183);
  PixelSet inside;
  for (const auto& p : ink)
    if (p.first >= 2 && p.first < 118 && p.second >= 2 && p.second < 19) inside.insert(p);
  EXPECT_FALSE(inside.empty());
  edit->SetBorderStyle(TFormBorderStyle::bsNone);
  face = Face(edit);
  EXPECT_EQ(face.Canvas().Pixels(0, 0), ColorToRGB(1149183));
}

}  // namespace
