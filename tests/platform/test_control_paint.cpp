// Painting: a windowed control composes background, Paint and its graphic children into one
// surface that reaches the screen in one copy; Repaint paints now, Invalidate later; window
// regions clip what shows and what the mouse hits.
#include <QPixmap>

#include "control_fixture.h"
#include "platform/graphics/Bitmap.h"
#include "platform/qt/ControlHost.h"
#include "platform/qt/QtBridge.h"
#include "platform/graphics/Region.h"
#include "platform/testing/TestInput.h"

namespace {

// A graphic control that paints only its left half, so the parent shows through the rest.
class HalfPainter : public TGraphicControl {
 public:
  HalfPainter(TWinControl* parent, TRect bounds) : TGraphicControl(nullptr) {
    SetBoundsRect(bounds);
    SetParent(parent);
  }
  int paints = 0;
  void Paint() override {
    ++paints;
    Canvas().Brush().SetColor(clBlue);
    Canvas().FillRect(Rect(0, 0, Width() / 2, Height()));
  }
};

class CountingProbe : public Probe {
 public:
  using Probe::Probe;
  int paints = 0;
  TColor fontColorSeen = clNone;
  void Paint() override {
    ++paints;
    fontColorSeen = Canvas().Font().Color();
    Probe::Paint();
  }
};

TColor PixelOf(const QImage& image, int x, int y) {
  return FromQtColor(QColor(image.pixel(x, y)));
}

TEST_F(ControlTest, PaintToComposesBackgroundPaintAndGraphicChildren) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 100, 60);
  form.SetColor(clWhite);
  Probe probe(nullptr, &form, Bounds(10, 10, 20, 20), clRed);
  HalfPainter half(&form, Bounds(50, 10, 20, 20));
  TBitmap bitmap;
  form.PaintTo(bitmap);
  ASSERT_EQ(bitmap.Width(), 100);
  ASSERT_EQ(bitmap.Height(), 60);
  TCanvas& c = bitmap.Canvas();
  EXPECT_EQ(c.Pixels(0, 0), clWhite);
  EXPECT_EQ(c.Pixels(10, 10), clRed);
  EXPECT_EQ(c.Pixels(29, 29), clRed);
  EXPECT_EQ(c.Pixels(30, 30), clWhite);
  EXPECT_EQ(c.Pixels(50, 10), clBlue);
  EXPECT_EQ(c.Pixels(59, 29), clBlue);
  EXPECT_EQ(c.Pixels(60, 10), clWhite);  // the parent shows through the unpainted half
  // A graphic child partly outside its parent paints only the part inside.
  half.SetBounds(90, 50, 40, 20);
  form.PaintTo(bitmap);
  EXPECT_EQ(c.Pixels(90, 50), clBlue);
  EXPECT_EQ(c.Pixels(99, 59), clBlue);
  EXPECT_EQ(c.Pixels(89, 59), clWhite);
  // Hidden children are not painted.
  probe.Hide();
  form.PaintTo(bitmap);
  EXPECT_EQ(c.Pixels(10, 10), clWhite);
}

TEST_F(ControlTest, TheScreenShowsThePaintedSurface) {
  auto form = MakeForm(0, 0, 80, 50);
  form->SetColor(clLime);
  CountingProbe probe(nullptr, form.get(), Bounds(5, 5, 30, 20), clRed);
  probe.Font().SetColor(clNavy);
  form->Show();
  const QImage shot = HostWidget(form.get())->grab().toImage();
  EXPECT_EQ(PixelOf(shot, 1, 1), clLime);
  EXPECT_EQ(PixelOf(shot, 6, 6), clRed);
  EXPECT_EQ(PixelOf(shot, 34, 24), clRed);
  EXPECT_EQ(PixelOf(shot, 35, 25), clLime);
  // During Paint the canvas carries the control's font.
  EXPECT_EQ(probe.fontColorSeen, clNavy);
}

TEST_F(ControlTest, RepaintPaintsAtOnceAndInvalidateWhenEventsAreHandled) {
  auto form = MakeForm(0, 0, 80, 50);
  CountingProbe probe(nullptr, form.get(), Bounds(5, 5, 30, 20));
  form->Show();
  TestInput::ProcessEvents();
  const int afterShow = probe.paints;
  probe.Repaint();
  EXPECT_EQ(probe.paints, afterShow + 1);
  probe.Invalidate();
  probe.Invalidate();
  EXPECT_EQ(probe.paints, afterShow + 1);
  TestInput::ProcessEvents(20);
  EXPECT_GE(probe.paints, afterShow + 2);
}

TEST_F(ControlTest, AWindowRegionLimitsWhereTheMouseHitsTheControl) {
  auto form = MakeForm(0, 0, 100, 100);
  Probe round(nullptr, form.get(), Bounds(10, 10, 40, 40));
  round.SetWindowRgn(CreateRoundRectRgn(0, 0, 41, 41, 20, 20));
  EXPECT_TRUE(round.HasWindowRgn());
  form->Show();
  EXPECT_EQ(FindControlAtScreenPoint(Point(30, 30)), &round);
  EXPECT_EQ(FindControlAtScreenPoint(Point(10, 10)), form.get());  // the cut-off corner
  EXPECT_FALSE(round.host().CurrentMask().isEmpty());
  round.ClearWindowRgn();
  EXPECT_EQ(FindControlAtScreenPoint(Point(10, 10)), &round);
  EXPECT_TRUE(round.host().CurrentMask().isEmpty());
  // PaintTo of the parent leaves the corners outside the region to the parent.
  form->SetColor(clWhite);
  round.SetWindowRgn(CreateRoundRectRgn(0, 0, 41, 41, 20, 20));
  TBitmap bitmap;
  form->PaintTo(bitmap);
  EXPECT_EQ(bitmap.Canvas().Pixels(10, 10), clWhite);
  EXPECT_EQ(bitmap.Canvas().Pixels(30, 30), clRed);
}

TEST_F(ControlTest, EmptyControlsPaintWithoutHarm) {
  auto form = MakeForm(0, 0, 60, 40);
  CountingProbe empty(nullptr, form.get(), Bounds(5, 5, 0, 0));
  HalfPainter flat(form.get(), Bounds(10, 10, 0, 7));
  form->Show();
  empty.Repaint();
  form->Repaint();
  TBitmap bitmap;
  empty.PaintTo(bitmap);
  EXPECT_TRUE(bitmap.Empty());
  form->PaintTo(bitmap);
  EXPECT_EQ(bitmap.Width(), 60);
}

}  // namespace
