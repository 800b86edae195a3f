// Panels (bevels, border, caption, the room left for aligned children) and images.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "pixel_helpers.h"
#include "platform/controls/Image.h"
#include "platform/controls/Panel.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "platform/graphics/Bitmap.h"
#include "platform/testing/TestInput.h"

namespace {

class ExtCtrlsTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    form_ = MakeForm(100, 100, 300, 200);
    form_->SetColor(clBlue);
    form_->Show();
  }
  TPanel* MakePanel(int width, int height) {
    auto* panel = new TPanel(form_.get());
    panel->SetParent(form_.get());
    panel->SetBounds(0, 0, width, height);
    panel->SetColor(clSilver);
    return panel;
  }
  std::unique_ptr<TForm> form_;
};

TEST_F(ExtCtrlsTest, AlignedChildrenShareTheRoomInsideBorderAndBevels) {
  TPanel* panel = MakePanel(200, 100);
  panel->SetBorderWidth(10);
  auto* top = new TPanel(form_.get());
  top->SetParent(panel);
  top->SetHeight(20);
  top->SetAlign(alTop);
  EXPECT_EQ(top->BoundsRect(), Bounds(11, 11, 178, 20));
  panel->SetBevelInner(bvLowered);
  EXPECT_EQ(top->BoundsRect(), Bounds(12, 12, 176, 20));
  panel->SetBevelWidth(3);
  EXPECT_EQ(top->BoundsRect(), Bounds(16, 16, 168, 20));
  panel->SetBevelOuter(bvNone);
  panel->SetBevelInner(bvNone);
  panel->SetBorderStyle(TFormBorderStyle::bsSingle);
  EXPECT_EQ(top->BoundsRect(), Bounds(12, 12, 176, 20));
}

TEST_F(ExtCtrlsTest, BevelsAreLightTopLeftAndDarkBottomRight) {
  TPanel* panel = MakePanel(50, 30);
  panel->SetCaption("");
  panel->SetBorderWidth(2);
  panel->SetBevelInner(bvLowered);
  TBitmap face;
  panel->PaintTo(face);
  TCanvas& c = face.Canvas();
  // Outer raised ring.
  EXPECT_EQ(c.Pixels(0, 0), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(c.Pixels(0, 28), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(c.Pixels(0, 29), ColorToRGB(clBtnShadow));  // the bottom-left corner
  EXPECT_EQ(c.Pixels(49, 0), ColorToRGB(clBtnShadow));  // the top-right corner
  EXPECT_EQ(c.Pixels(49, 29), ColorToRGB(clBtnShadow));
  // Two pixels of border in the panel colour, then the lowered inner ring.
  EXPECT_EQ(c.Pixels(1, 1), ColorToRGB(clSilver));
  EXPECT_EQ(c.Pixels(2, 2), ColorToRGB(clSilver));
  EXPECT_EQ(c.Pixels(3, 3), ColorToRGB(clBtnShadow));
  EXPECT_EQ(c.Pixels(46, 26), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(c.Pixels(4, 4), ColorToRGB(clSilver));
  EXPECT_EQ(PixelsNot(face, clSilver).size(), 2u * (50 + 30) - 4 + 2u * (44 + 24) - 4);
}

TEST_F(ExtCtrlsTest, CaptionIsCentredOrAligned) {
  TPanel* panel = MakePanel(200, 41);
  panel->Font().SetColor(clBlack);
  panel->SetCaption("Caption");
  TBitmap face;
  panel->PaintTo(face);
  TRect box = BoundsOf(PixelsOf(face, clBlack));
  EXPECT_NEAR((box.Left + box.Right) / 2.0, 100.0, 2.0);
  EXPECT_NEAR((box.Top + box.Bottom) / 2.0, 20.5, 3.0);
  panel->SetAlignment(taLeftJustify);
  panel->PaintTo(face);
  box = BoundsOf(PixelsOf(face, clBlack));
  EXPECT_LE(box.Left, 3);
  panel->SetAlignment(taRightJustify);
  panel->PaintTo(face);
  box = BoundsOf(PixelsOf(face, clBlack));
  EXPECT_GE(box.Right, 196);
}

TBitmap Solid(int width, int height, TColor color) {
  TBitmap bitmap(width, height);
  bitmap.Canvas().Brush().SetColor(color);
  bitmap.Canvas().FillRect(Rect(0, 0, width, height));
  return bitmap;
}

TEST_F(ExtCtrlsTest, ImageDrawsItsPictureUnscaledAtTheTopLeft) {
  auto* image = new TImage(form_.get());
  image->SetParent(form_.get());
  image->SetBounds(20, 30, 30, 30);
  image->Picture().Bitmap().Assign(Solid(10, 8, clRed));
  TBitmap face;
  form_->PaintTo(face);
  EXPECT_EQ(BoundsOf(PixelsOf(face, clRed)), Bounds(20, 30, 10, 8));
  image->SetCenter(true);
  form_->PaintTo(face);
  EXPECT_EQ(BoundsOf(PixelsOf(face, clRed)), Bounds(30, 41, 10, 8));
  image->SetStretch(true);
  form_->PaintTo(face);
  EXPECT_EQ(BoundsOf(PixelsOf(face, clRed)), Bounds(20, 30, 30, 30));
  image->SetProportional(true);
  form_->PaintTo(face);
  EXPECT_EQ(BoundsOf(PixelsOf(face, clRed)), Bounds(20, 33, 30, 24));
}

TEST_F(ExtCtrlsTest, TransparentImageLeavesItsKeyColourUnpainted) {
  auto* image = new TImage(form_.get());
  image->SetParent(form_.get());
  image->SetBounds(0, 0, 10, 10);
  TBitmap picture = Solid(10, 10, clFuchsia);
  picture.Canvas().Brush().SetColor(clRed);
  picture.Canvas().FillRect(Rect(2, 2, 6, 6));
  image->Picture().Bitmap().Assign(picture);
  image->SetTransparent(true);  // the bottom-left pixel (fuchsia) is the key
  TBitmap face;
  form_->PaintTo(face);
  EXPECT_EQ(PixelsOf(face, clFuchsia).size(), 0u);
  EXPECT_EQ(BoundsOf(PixelsOf(face, clRed)), Rect(2, 2, 6, 6));
  EXPECT_EQ(face.Canvas().Pixels(0, 0), ColorToRGB(clBlue));
}

TEST_F(ExtCtrlsTest, PictureReadsTheStoredFormAndAutoSizes) {
  TBitmap source = Solid(7, 5, clGreen);
  TMemoryStream bmp;
  source.SaveToStream(bmp);
  const std::vector<std::uint8_t> stored = MakeStoredPicture("TBitmap", bmp.Data());
  auto* image = new TImage(form_.get());
  image->SetParent(form_.get());
  image->SetAutoSize(true);
  int changes = 0;
  image->Picture().OnChange = [&] { ++changes; };
  image->Picture().LoadFromStoredData(stored);
  EXPECT_GE(changes, 1);
  ASSERT_NE(dynamic_cast<TBitmap*>(image->Picture().Graphic()), nullptr);
  EXPECT_EQ(image->Picture().Width(), 7);
  EXPECT_EQ(image->Width(), 7);
  EXPECT_EQ(image->Height(), 5);
  // Damaged data is refused and the picture stays as it was.
  std::vector<std::uint8_t> damaged = stored;
  damaged.resize(damaged.size() / 2);
  EXPECT_THROW(image->Picture().LoadFromStoredData(damaged), Exception);
  EXPECT_EQ(image->Picture().Width(), 7);
  EXPECT_THROW(image->Picture().LoadFromFile("/nonexistent/picture.xyz"), EInvalidGraphic);
}

}  // namespace
