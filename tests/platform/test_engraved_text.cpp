// Disabled ("engraved") text: one helper draws it, and the standard controls use it.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "pixel_helpers.h"
#include "platform/controls/Label.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

// The engraved look spelled out: highlight one pixel right and down, then shadow on top.
void DrawEngravedByHand(TCanvas& canvas, TRect rect, const std::string& text, unsigned flags) {
  TRect shifted = OffsetRect(rect, 1, 1);
  canvas.Font().SetColor(clBtnHighlight);
  canvas.DrawText(text, shifted, flags);
  canvas.Font().SetColor(clBtnShadow);
  canvas.DrawText(text, rect, flags);
}

void Prepare(TBitmap& bitmap, int width = 90, int height = 24) {
  bitmap.SetSize(width, height);
  bitmap.Canvas().Brush().SetColor(clBtnFace);
  bitmap.Canvas().FillRect(Rect(0, 0, width, height));
  bitmap.Canvas().Brush().SetStyle(bsClear);
}

}  // namespace

TEST(EngravedText, DrawsTheHighlightCopyUnderTheShadowCopyAndKeepsTheFontColour) {
  const unsigned kFlags[] = {DT_SINGLELINE | DT_LEFT, DT_SINGLELINE | DT_VCENTER | DT_LEFT,
                             DT_CENTER | DT_WORDBREAK};
  for (unsigned flags : kFlags) {
    TBitmap helper;
    TBitmap byHand;
    Prepare(helper);
    Prepare(byHand);
    helper.Canvas().Font().SetColor(clRed);
    DrawEngravedText(helper.Canvas(), Rect(2, 2, 88, 22), "Шрифт", flags);
    DrawEngravedByHand(byHand.Canvas(), Rect(2, 2, 88, 22), "Шрифт", flags);
    EXPECT_EQ(PixelsOf(helper, clBtnShadow), PixelsOf(byHand, clBtnShadow)) << flags;
    EXPECT_EQ(PixelsOf(helper, clBtnHighlight), PixelsOf(byHand, clBtnHighlight)) << flags;
    EXPECT_FALSE(PixelsOf(helper, clBtnHighlight).empty());
    EXPECT_EQ(helper.Canvas().Font().Color(), clRed);
  }
}

TEST_F(ControlTest, ADisabledLabelIsEngraved) {
  auto form = MakeForm(0, 0, 120, 40);
  auto* label = new TLabel(form.get());
  label->SetParent(form.get());
  label->SetBounds(4, 4, 90, 24);
  label->SetTransparent(true);
  label->SetCaption("Шрифт");
  label->SetEnabled(false);
  TBitmap painted;
  label->PaintTo(painted);
  TBitmap expected;
  Prepare(expected, label->Width(), label->Height());
  expected.Canvas().SetFont(label->Font());
  DrawEngravedByHand(expected.Canvas(), label->ClientRect(), "Шрифт", DT_EXPANDTABS);
  EXPECT_EQ(PixelsOf(painted, clBtnShadow), PixelsOf(expected, clBtnShadow));
  EXPECT_EQ(PixelsOf(painted, clBtnHighlight), PixelsOf(expected, clBtnHighlight));
}
