// The shadow panel: presets, the switch to skCustom, and where the caption's shadow lies.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/VasPanel.h"
#include "panels_fixture.h"

namespace {

class VasPanelTest : public PanelsTest {
 protected:
  TVasPanel* MakePanel(int width, int height) {
    auto* panel = Make<TVasPanel>(0, 0, width, height);
    panel->SetColor(RGB(255, 157, 60));
    return panel;
  }
};

TEST_F(VasPanelTest, ConstructionKeepsThePanelDefaultsAndTheLoweredPreset) {
  auto* panel = new TVasPanel(form_.get());
  EXPECT_EQ(panel->ShadowColor(), clBtnHighlight);
  EXPECT_EQ(panel->ShadowPos(), TShadowPosition::spRightBottom);
  EXPECT_EQ(panel->ShadowSize(), 1);
  EXPECT_EQ(panel->StyleKind(), TStyleKind::skLowered);
  const TPanel plain(nullptr);
  EXPECT_EQ(panel->Width(), plain.Width());
  EXPECT_EQ(panel->Height(), plain.Height());
  EXPECT_EQ(panel->BevelOuter(), plain.BevelOuter());
  EXPECT_EQ(panel->BevelInner(), plain.BevelInner());
  EXPECT_EQ(panel->BevelWidth(), plain.BevelWidth());
  EXPECT_EQ(panel->Alignment(), plain.Alignment());
  EXPECT_EQ(panel->ControlStyle(), plain.ControlStyle());
}

TEST_F(VasPanelTest, PresetsSetPositionColourAndSize) {
  struct Case {
    TStyleKind kind;
    TShadowPosition pos;
    TColor color;
    int size;
  };
  const std::vector<Case> cases = {
      {TStyleKind::skRaised, TShadowPosition::spLeftTop, clBtnHighlight, 1},
      {TStyleKind::skLowered, TShadowPosition::spRightBottom, clBtnHighlight, 1},
      {TStyleKind::skShadow, TShadowPosition::spRightBottom, clBtnShadow, 2},
  };
  TVasPanel* panel = MakePanel(100, 30);
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.kind));
    // Start from something else each time.
    panel->SetShadowPos(TShadowPosition::spRightTop);
    panel->SetShadowColor(clRed);
    panel->SetShadowSize(7);
    panel->SetStyleKind(c.kind);
    EXPECT_EQ(panel->StyleKind(), c.kind);
    EXPECT_EQ(panel->ShadowPos(), c.pos);
    EXPECT_EQ(panel->ShadowColor(), c.color);
    EXPECT_EQ(panel->ShadowSize(), c.size);
  }
}

TEST_F(VasPanelTest, NoneKeepsColourAndSideButDropsTheSize) {
  TVasPanel* panel = MakePanel(100, 30);
  panel->SetShadowPos(TShadowPosition::spLeftBottom);
  panel->SetShadowColor(clRed);
  panel->SetShadowSize(4);
  panel->SetStyleKind(TStyleKind::skNone);
  EXPECT_EQ(panel->StyleKind(), TStyleKind::skNone);
  EXPECT_EQ(panel->ShadowPos(), TShadowPosition::spLeftBottom);
  EXPECT_EQ(panel->ShadowColor(), clRed);
  EXPECT_EQ(panel->ShadowSize(), 0);
}

TEST_F(VasPanelTest, CustomKeepsEverything) {
  TVasPanel* panel = MakePanel(100, 30);
  panel->SetStyleKind(TStyleKind::skShadow);
  panel->SetStyleKind(TStyleKind::skCustom);
  EXPECT_EQ(panel->ShadowPos(), TShadowPosition::spRightBottom);
  EXPECT_EQ(panel->ShadowColor(), clBtnShadow);
  EXPECT_EQ(panel->ShadowSize(), 2);
}

TEST_F(VasPanelTest, ChangingAShadowPropertyMakesTheStyleCustom) {
  struct Case {
    std::string what;
    std::function<void(TVasPanel&)> change;
  };
  const std::vector<Case> cases = {
      {"size 3", [](TVasPanel& p) { p.SetShadowSize(3); }},
      {"colour", [](TVasPanel& p) { p.SetShadowColor(clBlack); }},
      {"position", [](TVasPanel& p) { p.SetShadowPos(TShadowPosition::spLeftTop); }},
  };
  TVasPanel* panel = MakePanel(100, 30);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    panel->SetStyleKind(TStyleKind::skLowered);
    c.change(*panel);
    EXPECT_EQ(panel->StyleKind(), TStyleKind::skCustom);
  }
}

TEST_F(VasPanelTest, AnEqualValueLeavesTheStyleAlone) {
  TVasPanel* panel = MakePanel(100, 30);
  panel->SetStyleKind(TStyleKind::skShadow);
  panel->SetShadowSize(2);
  panel->SetShadowColor(clBtnShadow);
  panel->SetShadowPos(TShadowPosition::spRightBottom);
  EXPECT_EQ(panel->StyleKind(), TStyleKind::skShadow);
}

// The face the panel should paint without bevels: the body, then the caption in the shadow
// colour and in the font colour, each moved from the centred text rectangle by its offset.
TBitmap ExpectedFace(TVasPanel& panel, TPoint shadowAt, TPoint textAt, TColor shadowColor) {
  TBitmap expected = Filled(panel.Width(), panel.Height(), panel.Color());
  TCanvas& canvas = expected.Canvas();
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.SetFont(panel.Font());
  const int h = canvas.TextHeight("W");
  TRect rect = Rect(0, (panel.Height() - h) / 2, panel.Width(), 0);
  rect.Bottom = rect.Top + h;
  const unsigned flags = DT_CENTER | DT_VCENTER | DT_EXPANDTABS;
  TRect shadow = OffsetRect(rect, shadowAt.X, shadowAt.Y);
  canvas.Font().SetColor(shadowColor);
  canvas.DrawText(panel.Caption(), shadow, flags);
  TRect text = OffsetRect(rect, textAt.X, textAt.Y);
  canvas.Font().SetColor(panel.Font().Color());
  canvas.DrawText(panel.Caption(), text, flags);
  return expected;
}

TEST_F(VasPanelTest, ShadowLiesOnTheSideOfItsPosition) {
  // Where shadow and text land, from the centred text rectangle.
  struct Case {
    TShadowPosition pos;
    int size;
    TPoint shadowAt;
    TPoint textAt;
  };
  const std::vector<Case> cases = {
      {TShadowPosition::spLeftTop, 1, {0, 0}, {1, 1}},
      {TShadowPosition::spLeftBottom, 1, {0, 1}, {1, 0}},
      {TShadowPosition::spRightBottom, 1, {1, 1}, {0, 0}},
      {TShadowPosition::spRightTop, 1, {1, 0}, {0, 1}},
      {TShadowPosition::spLeftTop, 3, {0, 0}, {3, 3}},
      {TShadowPosition::spLeftBottom, 3, {0, 3}, {3, 0}},
      {TShadowPosition::spRightBottom, 3, {3, 3}, {0, 0}},
      {TShadowPosition::spRightTop, 3, {3, 0}, {0, 3}},
      {TShadowPosition::spRightBottom, 0, {0, 0}, {0, 0}},
  };
  TVasPanel* panel = MakePanel(120, 40);
  panel->SetBevelOuter(TBevelCut::bvNone);
  panel->SetCaption("Тень");
  panel->Font().SetHeight(-16);
  panel->Font().SetColor(clNavy);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(int(c.pos)) + " size " + std::to_string(c.size));
    panel->SetShadowPos(c.pos);
    panel->SetShadowSize(std::uint8_t(c.size));
    panel->SetShadowColor(clWhite);
    TBitmap face = Face(*panel);
    TBitmap expected = ExpectedFace(*panel, c.shadowAt, c.textAt, clWhite);
    EXPECT_EQ(ImageDifference(face, expected), "");
  }
}

TEST_F(VasPanelTest, ShadowPresetDrawsTwoPixelsDownAndRightInButtonShadow) {
  TVasPanel* panel = MakePanel(120, 40);
  panel->SetBevelOuter(TBevelCut::bvNone);
  panel->SetCaption("I");
  panel->Font().SetHeight(-16);
  panel->Font().SetColor(clNavy);
  panel->SetStyleKind(TStyleKind::skShadow);
  TBitmap face = Face(*panel);
  const TRect text = BoundsOf(PixelsOf(face, clNavy));
  ASSERT_FALSE(text.IsEmpty());
  // The text's own pixels; the shadow shows 2 pixels to the right and below them.
  const PixelSet shadow = PixelsOf(face, clBtnShadow);
  EXPECT_EQ(BoundsOf(shadow), Rect(text.Left + 2, text.Top + 2, text.Right + 2, text.Bottom + 2));
  TBitmap expected = ExpectedFace(*panel, {2, 2}, {0, 0}, clBtnShadow);
  EXPECT_EQ(ImageDifference(face, expected), "");
}

TEST_F(VasPanelTest, EmptyCaptionPaintsLikeThePlainPanel) {
  struct Case {
    TBevelCut outer;
    TBevelCut inner;
    int border;
  };
  const std::vector<Case> cases = {{TBevelCut::bvRaised, TBevelCut::bvNone, 2},
                                   {TBevelCut::bvLowered, TBevelCut::bvNone, 0},
                                   {TBevelCut::bvRaised, TBevelCut::bvLowered, 1},
                                   {TBevelCut::bvNone, TBevelCut::bvRaised, 3}};
  TVasPanel* panel = MakePanel(60, 30);
  auto* plain = Make<TPanel>(0, 40, 60, 30);
  plain->SetColor(panel->Color());
  panel->SetCaption("");
  plain->SetCaption("");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(int(c.outer)) + "/" + std::to_string(int(c.inner)));
    for (TPanel* p : {static_cast<TPanel*>(panel), plain}) {
      p->SetBevelOuter(c.outer);
      p->SetBevelInner(c.inner);
      p->SetBorderWidth(c.border);
      p->SetBevelWidth(2);
    }
    TBitmap face = Face(*panel);
    TBitmap expected = Face(*plain);
    EXPECT_EQ(ImageDifference(face, expected), "");
  }
}

TEST_F(VasPanelTest, LoweredOuterBevelExchangesTheColours) {
  TVasPanel* panel = MakePanel(30, 20);
  panel->SetCaption("");
  panel->SetBevelOuter(TBevelCut::bvLowered);
  TBitmap face = Face(*panel);
  EXPECT_EQ(face.Canvas().Pixels(0, 5), ColorToRGB(clBtnShadow));
  EXPECT_EQ(face.Canvas().Pixels(5, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(face.Canvas().Pixels(29, 5), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(face.Canvas().Pixels(5, 19), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(face.Canvas().Pixels(5, 5), RGB(255, 157, 60));
}

TEST_F(VasPanelTest, SpaceBevelShowsAsARaisedLine) {
  TVasPanel* panel = MakePanel(30, 20);
  panel->SetCaption("");
  panel->SetBevelOuter(TBevelCut::bvSpace);
  TBitmap face = Face(*panel);
  EXPECT_EQ(face.Canvas().Pixels(0, 5), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(face.Canvas().Pixels(29, 5), ColorToRGB(clBtnShadow));
}

}  // namespace
