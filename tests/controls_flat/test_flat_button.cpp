// The flat button: frame and face per state, glyph cells, the disabled image, glyph and caption
// placement, the press / drag / release machine, groups, accelerators, modal results and the
// shared hover timer.
#include <functional>

#include "controls/HSLUtils.h"
#include "controls/TFlatButtonUnit.h"
#include "flat_fixture.h"
#include "platform/framework/Timer.h"

namespace {

using namespace TestInput;
using TButtonState = TFlatButton::TButtonState;

constexpr TColor kFace = RGB(10, 20, 30);
constexpr TColor kFocused = RGB(40, 50, 60);
constexpr TColor kDown = RGB(70, 80, 90);
constexpr TColor kBorder = RGB(100, 110, 120);
constexpr TColor kHighLight = RGB(130, 140, 150);
constexpr TColor kShadow = RGB(160, 170, 180);

class FlatButtonTest : public FlatTest {
 protected:
  TFlatButton* MakeButton(TRect bounds) {
    auto* button = new TFlatButton(form.get());
    button->SetBoundsRect(bounds);
    button->SetParent(form.get());
    return button;
  }
  TFlatButton* ColouredButton(TRect bounds) {
    TFlatButton* b = MakeButton(bounds);
    b->SetColor(kFace);
    b->SetColorFocused(kFocused);
    b->SetColorDown(kDown);
    b->SetColorBorder(kBorder);
    b->SetColorHighLight(kHighLight);
    b->SetColorShadow(kShadow);
    return b;
  }
  // A strip of cells filled with colours[i]; the bottom-left pixel of every cell is magenta,
  // the transparent colour of the strip.
  static TBitmap Strip(const std::vector<TColor>& colours, int cell) {
    TBitmap strip(cell * static_cast<int>(colours.size()), cell);
    for (std::size_t i = 0; i < colours.size(); ++i) {
      const int left = static_cast<int>(i) * cell;
      strip.Canvas().Brush().SetColor(colours[i]);
      strip.Canvas().FillRect(Rect(left, 0, left + cell, cell));
      strip.Canvas().SetPixels(left, cell - 1, clFuchsia);
    }
    return strip;
  }
};

// --- Frame and face

struct FrameCase {
  const char* name;
  std::function<void(FlatButtonTest&, TFlatButton*)> setUp;
  TButtonState state;
  TColor top;
  TColor bottom;
  TColor face;
};

const FrameCase kFrames[] = {
    {"up", [](FlatButtonTest&, TFlatButton*) {}, TButtonState::bsUp, kBorder, kBorder, kFace},
    {"up, mouse over", [](FlatButtonTest&, TFlatButton* b) { MouseMove(b, Point(5, 5)); },
     TButtonState::bsUp, kHighLight, kShadow, kFocused},
    {"pressed",
     [](FlatButtonTest&, TFlatButton* b) {
       MouseMove(b, Point(5, 5));
       MouseDown(b, mbLeft, Point(5, 5));
     },
     TButtonState::bsPressed, kShadow, kHighLight, kDown},
    {"pressed, dragged out",
     [](FlatButtonTest&, TFlatButton* b) {
       MouseMove(b, Point(5, 5));
       MouseDown(b, mbLeft, Point(5, 5));
       MouseMove(b, Point(200, 5), ssLeft);
     },
     TButtonState::bsUp, kHighLight, kShadow, kFocused},
    {"latched",
     [](FlatButtonTest&, TFlatButton* b) {
       b->SetGroupIndex(1);
       b->SetDown(true);
     },
     TButtonState::bsExclusive, kShadow, kHighLight, kDown},
    {"latched, mouse over",
     [](FlatButtonTest&, TFlatButton* b) {
       b->SetGroupIndex(1);
       b->SetDown(true);
       MouseMove(b, Point(5, 5));
     },
     TButtonState::bsExclusive, kShadow, kHighLight, kFocused},
    {"disabled", [](FlatButtonTest&, TFlatButton* b) { b->SetEnabled(false); },
     TButtonState::bsDisabled, kBorder, kBorder, kFace},
    {"disabled under the mouse",
     [](FlatButtonTest&, TFlatButton* b) {
       MouseMove(b, Point(5, 5));
       b->SetEnabled(false);
     },
     TButtonState::bsDisabled, kBorder, kBorder, kFace},
};

TEST_F(FlatButtonTest, FramePixelsAndFaceFollowTheState) {
  for (const FrameCase& row : kFrames) {
    SCOPED_TRACE(row.name);
    TFlatButton* b = ColouredButton(Bounds(10, 10, 30, 20));
    ShowForm();
    row.setUp(*this, b);
    TBitmap face = Face(b);
    EXPECT_EQ(b->State(), row.state);
    const int w = 30;
    const int h = 20;
    PixelSet top;
    PixelSet bottom;
    for (int x = 0; x <= w - 2; ++x) top.insert({x, 0});
    for (int y = 1; y <= h - 2; ++y) top.insert({0, y});
    for (int y = 0; y < h; ++y) bottom.insert({w - 1, y});
    for (int x = 0; x < w; ++x) bottom.insert({x, h - 1});
    if (row.top == row.bottom) {
      top.insert(bottom.begin(), bottom.end());
      EXPECT_EQ(PixelsOf(face, row.top), top);
    } else {
      EXPECT_EQ(PixelsOf(face, row.top), top);
      EXPECT_EQ(PixelsOf(face, row.bottom), bottom);
      // The two corners that belong to the bottom colour.
      EXPECT_EQ(face.Canvas().Pixels(w - 1, 0), row.bottom);
      EXPECT_EQ(face.Canvas().Pixels(0, h - 1), row.bottom);
    }
    EXPECT_EQ(PixelsOf(face, row.face).size(), std::size_t((w - 2) * (h - 2)));
    EXPECT_EQ(BoundsOf(PixelsOf(face, row.face)), Rect(1, 1, w - 1, h - 1));
    MouseUp(b, mbLeft, Point(200, 5));
    delete b;
  }
}

TEST_F(FlatButtonTest, ToolbarButtonsWithOneColourOnlyShiftTheGlyph) {
  TFlatButton* b = MakeButton(Bounds(10, 10, 46, 46));
  for (auto set :
       {&TFlatButton::SetColorFocused, &TFlatButton::SetColorDown, &TFlatButton::SetColorBorder,
        &TFlatButton::SetColorHighLight, &TFlatButton::SetColorShadow})
    (b->*set)(kFace);
  b->SetColor(kFace);
  TBitmap glyph(40, 40);
  glyph.Canvas().Brush().SetColor(clBlue);
  glyph.Canvas().FillRect(Rect(0, 0, 40, 40));
  glyph.Canvas().SetPixels(0, 39, clFuchsia);
  b->SetGlyph(glyph);
  int clicks = 0;
  b->OnClick = [&](TComponent*) { ++clicks; };
  ShowForm();
  TBitmap up = Face(b);
  EXPECT_EQ(BoundsOf(PixelsOf(up, clBlue)), Rect(3, 3, 43, 43));
  EXPECT_EQ(PixelsOf(up, kFace).size(), std::size_t(46 * 46 - 40 * 40 + 1));
  MouseMove(b, Point(20, 20));
  MouseDown(b, mbLeft, Point(20, 20));
  TBitmap pressed = Face(b);
  EXPECT_EQ(BoundsOf(PixelsOf(pressed, clBlue)), Rect(4, 4, 44, 44));
  EXPECT_EQ(PixelsOf(pressed, kFace).size(), std::size_t(46 * 46 - 40 * 40 + 1));
  MouseMove(b, Point(60, 20), ssLeft);
  MouseUp(b, mbLeft, Point(60, 20));
  EXPECT_EQ(clicks, 0);
}

// --- Glyph cells

struct CellCase {
  int numGlyphs;
  TButtonState state;
  TColor shown;
};

const TColor kCells[] = {clRed, clLime, clBlue, clYellow};

// Which cell each state shows: cells 1 to 4 are red, lime, blue and yellow.
const CellCase kCellChoice[] = {
    {2, TButtonState::bsUp, clRed},        {2, TButtonState::bsDisabled, clLime},
    {2, TButtonState::bsPressed, clRed},   {2, TButtonState::bsExclusive, clRed},
    {3, TButtonState::bsUp, clRed},        {3, TButtonState::bsDisabled, clLime},
    {3, TButtonState::bsPressed, clBlue},  {3, TButtonState::bsExclusive, clBlue},
    {4, TButtonState::bsUp, clRed},        {4, TButtonState::bsDisabled, clLime},
    {4, TButtonState::bsPressed, clBlue},  {4, TButtonState::bsExclusive, clYellow},
    {1, TButtonState::bsUp, clRed},        {1, TButtonState::bsPressed, clRed},
    {1, TButtonState::bsExclusive, clRed},
};

TEST_F(FlatButtonTest, EachStateShowsItsGlyphCell) {
  for (const CellCase& row : kCellChoice) {
    SCOPED_TRACE(testing::Message()
                 << row.numGlyphs << " glyphs, state " << static_cast<int>(row.state));
    TFlatButton* b = ColouredButton(Bounds(10, 10, 30, 30));
    b->SetGlyph(Strip(std::vector<TColor>(kCells, kCells + row.numGlyphs), 10));
    ASSERT_EQ(b->NumGlyphs(), row.numGlyphs);
    ShowForm();
    if (row.state == TButtonState::bsDisabled) b->SetEnabled(false);
    if (row.state == TButtonState::bsExclusive) {
      b->SetGroupIndex(1);
      b->SetDown(true);
    }
    if (row.state == TButtonState::bsPressed) {
      MouseMove(b, Point(2, 2));
      MouseDown(b, mbLeft, Point(2, 2));
    }
    TBitmap face = Face(b);
    ASSERT_EQ(b->State(), row.state);
    // 30 x 30 with a 10 x 10 cell: at (10, 10), one pixel further while pressed or latched.
    const int at =
        row.state == TButtonState::bsPressed || row.state == TButtonState::bsExclusive ? 11 : 10;
    PixelSet cell;
    for (int y = at; y < at + 10; ++y)
      for (int x = at; x < at + 10; ++x) cell.insert({x, y});
    cell.erase({at, at + 9});  // the transparent bottom-left pixel lets the face through
    EXPECT_EQ(PixelsOf(face, row.shown), cell);
    const bool sunken =
        row.state == TButtonState::bsPressed || row.state == TButtonState::bsExclusive;
    EXPECT_EQ(face.Canvas().Pixels(at, at + 9), sunken ? kDown : kFace);
    MouseUp(b, mbLeft, Point(2, 2));
    delete b;
  }
}

TEST_F(FlatButtonTest, ADisabledSingleGlyphShowsOnlyItsBlackPixelsEmbossed) {
  TFlatButton* b = ColouredButton(Bounds(10, 10, 30, 30));
  TBitmap glyph(10, 10);  // white, with a black L and a red block that must not show
  glyph.Canvas().Brush().SetColor(clBlack);
  glyph.Canvas().FillRect(Rect(2, 2, 3, 8));
  glyph.Canvas().FillRect(Rect(2, 7, 7, 8));
  glyph.Canvas().Brush().SetColor(clRed);
  glyph.Canvas().FillRect(Rect(5, 1, 9, 4));
  b->SetGlyph(glyph);
  b->SetEnabled(false);
  TBitmap face = Face(b);
  PixelSet shadow;
  PixelSet highlight;
  for (int y = 2; y < 8; ++y) shadow.insert({10 + 2, 10 + y});
  for (int x = 2; x < 7; ++x) shadow.insert({10 + x, 10 + 7});
  for (int y = 3; y <= 8; ++y) highlight.insert({10 + 3, 10 + y});
  for (int x = 3; x < 8; ++x) highlight.insert({10 + x, 10 + 8});
  for (const auto& p : shadow) highlight.erase(p);
  EXPECT_EQ(PixelsOf(face, clBtnShadow), shadow);
  EXPECT_EQ(PixelsOf(face, clBtnHighlight), highlight);
  EXPECT_TRUE(PixelsOf(face, clRed).empty());
  // Everything else of the glyph cell is transparent: the face colour shows.
  EXPECT_EQ(PixelsOf(face, kFace).size(), std::size_t(28 * 28 - shadow.size() - highlight.size()));
}

TEST_F(FlatButtonTest, GlyphWidthSetsNumGlyphs) {
  TFlatButton* b = MakeButton(Bounds(0, 0, 30, 30));
  b->SetNumGlyphs(2);
  b->SetGlyph(TBitmap(50, 40));  // not a whole multiple of the height: unchanged
  EXPECT_EQ(b->NumGlyphs(), 2);
  b->SetGlyph(TBitmap(160, 40));
  EXPECT_EQ(b->NumGlyphs(), 4);
  b->SetGlyph(TBitmap(200, 40));  // quotient 5
  EXPECT_EQ(b->NumGlyphs(), 1);
  b->SetGlyph(TBitmap(120, 40));
  EXPECT_EQ(b->NumGlyphs(), 3);
  b->SetGlyph(TBitmap());  // empty: unchanged
  EXPECT_EQ(b->NumGlyphs(), 3);
  EXPECT_TRUE(b->Glyph().Empty());
  EXPECT_THROW(b->SetNumGlyphs(5), Exception);
  EXPECT_THROW(b->SetNumGlyphs(0), Exception);
  EXPECT_EQ(b->NumGlyphs(), 3);
}

TEST_F(FlatButtonTest, DefaultsAreTheDocumentedOnes) {
  TFlatButton b(nullptr);
  EXPECT_EQ(b.Width(), 25);
  EXPECT_EQ(b.Height(), 25);
  EXPECT_EQ(b.ControlStyle(), csCaptureMouse | csOpaque | csDoubleClicks);
  EXPECT_EQ(b.Color(), 14805739u);
  EXPECT_TRUE(b.ParentColor());
  EXPECT_TRUE(b.ParentFont());
  EXPECT_EQ(b.ColorFocused(), 14805739u);
  EXPECT_EQ(b.ColorDown(), 12965593u);
  EXPECT_EQ(b.ColorBorder(), 8623776u);
  EXPECT_EQ(b.ColorHighLight(), 16777215u);
  EXPECT_EQ(b.ColorShadow(), 0u);
  EXPECT_EQ(b.AdvColorFocused(), 10);
  EXPECT_EQ(b.AdvColorDown(), 10);
  EXPECT_EQ(b.AdvColorBorder(), 50);
  EXPECT_FALSE(b.UseAdvColors());
  EXPECT_EQ(b.GroupIndex(), 0);
  EXPECT_FALSE(b.Down());
  EXPECT_FALSE(b.AllowAllUp());
  EXPECT_EQ(b.Layout(), TButtonLayout::blGlyphTop);
  EXPECT_EQ(b.Margin(), -1);
  EXPECT_EQ(b.NumGlyphs(), 1);
  EXPECT_EQ(b.Spacing(), 4);
  EXPECT_EQ(b.ModalResult(), mrNone);
  EXPECT_FALSE(b.TabStop());
  EXPECT_EQ(b.TabOrder(), -1);
}

TEST_F(FlatButtonTest, MarginBelowMinusOneIsIgnored) {
  TFlatButton* b = MakeButton(Bounds(0, 0, 30, 30));
  b->SetMargin(3);
  b->SetMargin(-2);
  EXPECT_EQ(b->Margin(), 3);
  b->SetMargin(-1);
  EXPECT_EQ(b->Margin(), -1);
}

// --- Caption

TEST_F(FlatButtonTest, TheCaptionIsCentredInItsRectangle) {
  TFlatButton* b = ColouredButton(Bounds(10, 10, 75, 25));
  b->SetCaption("Файл");
  b->Font().SetColor(clWhite);
  TBitmap face = Face(b);
  TCanvas measure;
  measure.SetFont(b->Font());
  const TRect text = MeasureButtonCaption(measure, "Файл", 75);
  // Caption only: centred horizontally, and vertically at the margin (25 - th + 1) div 2.
  const TRect expected =
      OffsetRect(text, (75 - text.Width() + 1) / 2, (25 - text.Height() + 1) / 2);
  const PixelSet ink = PixelsOf(face, clWhite);
  ASSERT_FALSE(ink.empty());
  const TRect inked = BoundsOf(ink);
  EXPECT_GE(inked.Left, expected.Left);
  EXPECT_LE(inked.Right, expected.Right);
  EXPECT_GE(inked.Top, expected.Top);
  EXPECT_LE(inked.Bottom, expected.Bottom);
}

TEST_F(FlatButtonTest, ADisabledCaptionIsEmbossed) {
  TFlatButton* b = ColouredButton(Bounds(10, 10, 75, 25));
  b->SetCaption("Файл");
  b->Font().SetColor(clWhite);
  b->SetColorHighLight(kHighLight);
  b->SetEnabled(false);
  TBitmap face = Face(b);
  const PixelSet shadow = PixelsOf(face, clBtnShadow);
  const PixelSet light = PixelsOf(face, clBtnHighlight);  // white: the font colour is not used
  ASSERT_FALSE(shadow.empty());
  // Every highlight pixel is a shadow pixel's echo one to the right and down.
  for (const auto& [x, y] : light) EXPECT_TRUE(shadow.count({x - 1, y - 1})) << x << "," << y;
  // And every shadow pixel has its echo unless another shadow pixel covers it.
  for (const auto& [x, y] : shadow)
    EXPECT_TRUE(light.count({x + 1, y + 1}) || shadow.count({x + 1, y + 1})) << x << "," << y;
}

// --- Press, drag, release

TEST_F(FlatButtonTest, PressDragAndReleaseDecideTheClick) {
  TFlatButton* b = MakeButton(Bounds(10, 10, 40, 30));
  int clicks = 0;
  b->OnClick = [&](TComponent*) { ++clicks; };
  ShowForm();
  MouseMove(b, Point(5, 5));
  MouseDown(b, mbLeft, Point(5, 5));
  EXPECT_EQ(b->State(), TButtonState::bsPressed);
  EXPECT_TRUE(b->Dragging());
  MouseMove(b, Point(45, 5), ssLeft);
  EXPECT_EQ(b->State(), TButtonState::bsUp);
  MouseMove(b, Point(39, 30), ssLeft);  // the row below the button still counts as inside
  EXPECT_EQ(b->State(), TButtonState::bsPressed);
  MouseMove(b, Point(39, 31), ssLeft);
  EXPECT_EQ(b->State(), TButtonState::bsUp);
  MouseMove(b, Point(-1, 5), ssLeft);
  EXPECT_EQ(b->State(), TButtonState::bsUp);
  MouseMove(b, Point(0, 0), ssLeft);
  EXPECT_EQ(b->State(), TButtonState::bsPressed);
  EXPECT_EQ(clicks, 0);
  MouseUp(b, mbLeft, Point(5, 30));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(b->State(), TButtonState::bsUp);
  EXPECT_FALSE(b->Dragging());
  // Released outside: no click.
  MouseDown(b, mbLeft, Point(5, 5));
  MouseUp(b, mbLeft, Point(5, 31));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(b->State(), TButtonState::bsUp);
}

TEST_F(FlatButtonTest, OtherMouseButtonsOnlyReportThePress) {
  TFlatButton* b = MakeButton(Bounds(10, 10, 40, 30));
  int clicks = 0;
  int downs = 0;
  b->OnClick = [&](TComponent*) { ++clicks; };
  b->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++downs; };
  ShowForm();
  MouseMove(b, Point(5, 5));
  MouseDown(b, mbMiddle, Point(5, 5));
  EXPECT_EQ(b->State(), TButtonState::bsUp);
  EXPECT_FALSE(b->Dragging());
  MouseUp(b, mbMiddle, Point(5, 5));
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(clicks, 0);
}

TEST_F(FlatButtonTest, ADoubleClickGivesTwoClicksUnlessTheButtonIsDown) {
  TFlatButton* b = MakeButton(Bounds(10, 10, 40, 30));
  int clicks = 0;
  int doubles = 0;
  b->OnClick = [&](TComponent*) { ++clicks; };
  b->OnDblClick = [&](TComponent*) { ++doubles; };
  ShowForm();
  MouseMove(b, Point(5, 5));
  DoubleClick(b, Point(5, 5));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(doubles, 0);
  // A latched button (group without AllowAllUp) reports the double click as well.
  b->SetGroupIndex(1);
  b->SetDown(true);
  clicks = 0;
  DoubleClick(b, Point(5, 5));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(doubles, 1);
  EXPECT_TRUE(b->Down());
}

TEST_F(FlatButtonTest, AClickGivesTheFormTheModalResult) {
  TFlatButton* b = MakeButton(Bounds(10, 10, 40, 30));
  b->SetModalResult(mrYes);
  ShowForm();
  MouseMove(b, Point(5, 5));
  Click(b, Point(5, 5));
  EXPECT_EQ(form->ModalResult(), mrYes);
  // A button whose ModalResult is 0 sets 0 too.
  TFlatButton* plain = MakeButton(Bounds(60, 10, 40, 30));
  MouseMove(plain, Point(5, 5));
  Click(plain, Point(5, 5));
  EXPECT_EQ(form->ModalResult(), mrNone);
  // Without a parent there is no form to tell.
  TFlatButton loose(nullptr);
  loose.SetModalResult(mrOk);
  int clicks = 0;
  loose.OnClick = [&](TComponent*) { ++clicks; };
  loose.Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form->ModalResult(), mrNone);
}

TEST_F(FlatButtonTest, TheAcceleratorClicks) {
  TFlatButton* b = MakeButton(Bounds(10, 10, 60, 30));
  b->SetCaption("&Файл");
  int clicks = 0;
  b->OnClick = [&](TComponent*) { ++clicks; };
  EXPECT_TRUE(b->DialogChar(U'ф', 0));
  EXPECT_TRUE(b->DialogChar(U'Ф', 0));
  EXPECT_FALSE(b->DialogChar(U'а', 0));
  EXPECT_EQ(clicks, 2);
  b->SetEnabled(false);
  EXPECT_FALSE(b->DialogChar(U'ф', 0));
  EXPECT_EQ(clicks, 2);
  b->SetEnabled(true);
  // Through the window: a typed character that the focused control leaves alone.
  b->SetCaption("&Save");
  ShowForm();
  Key(form.get(), 'S', "s", ssAlt);
  EXPECT_EQ(clicks, 3);
  // "&&" is a literal ampersand, not an accelerator.
  b->SetCaption("R&&D");
  EXPECT_FALSE(b->DialogChar(U'd', 0));
}

// --- Groups

TEST_F(FlatButtonTest, DownIsIgnoredWithoutAGroup) {
  TFlatButton* b = MakeButton(Bounds(10, 10, 40, 30));
  b->SetDown(true);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(b->State(), TButtonState::bsUp);
}

TEST_F(FlatButtonTest, ClickingTheSecondButtonOfAGroupRaisesTheFirst) {
  TFlatButton* first = MakeButton(Bounds(10, 10, 40, 30));
  TFlatButton* second = MakeButton(Bounds(60, 10, 40, 30));
  TFlatButton* elsewhere = MakeButton(Bounds(110, 10, 40, 30));
  first->SetGroupIndex(1);
  second->SetGroupIndex(1);
  elsewhere->SetGroupIndex(2);
  elsewhere->SetDown(true);
  int clicks = 0;
  first->OnClick = second->OnClick = [&](TComponent*) { ++clicks; };
  ShowForm();
  MouseMove(first, Point(5, 5));
  Click(first, Point(5, 5));
  EXPECT_TRUE(first->Down());
  EXPECT_EQ(first->State(), TButtonState::bsExclusive);
  MouseMove(second, Point(5, 5));
  Click(second, Point(5, 5));
  EXPECT_TRUE(second->Down());
  EXPECT_FALSE(first->Down());
  EXPECT_EQ(first->State(), TButtonState::bsUp);
  EXPECT_TRUE(elsewhere->Down());  // another group is left alone
  // AllowAllUp off: clicking the down button leaves it down but still clicks.
  Click(second, Point(5, 5));
  EXPECT_TRUE(second->Down());
  EXPECT_EQ(clicks, 3);
  second->SetDown(false);  // not by code either
  EXPECT_TRUE(second->Down());
}

TEST_F(FlatButtonTest, WithAllowAllUpTheDownButtonComesUp) {
  TFlatButton* first = MakeButton(Bounds(10, 10, 40, 30));
  TFlatButton* second = MakeButton(Bounds(60, 10, 40, 30));
  first->SetGroupIndex(1);
  second->SetGroupIndex(1);
  second->SetAllowAllUp(true);  // the group notification passes it on
  EXPECT_TRUE(first->AllowAllUp());
  int clicks = 0;
  first->OnClick = [&](TComponent*) { ++clicks; };
  ShowForm();
  MouseMove(first, Point(5, 5));
  Click(first, Point(5, 5));
  EXPECT_TRUE(first->Down());
  Click(first, Point(5, 5));
  EXPECT_FALSE(first->Down());
  EXPECT_EQ(first->State(), TButtonState::bsUp);
  EXPECT_EQ(clicks, 2);
  // Released outside, a latched button stays latched.
  Click(first, Point(5, 5));
  MouseDown(first, mbLeft, Point(5, 5));
  MouseUp(first, mbLeft, Point(5, 40));
  EXPECT_TRUE(first->Down());
  EXPECT_EQ(first->State(), TButtonState::bsExclusive);
}

TEST_F(FlatButtonTest, JoiningAGroupRaisesAnotherDownButton) {
  TFlatButton* first = MakeButton(Bounds(10, 10, 40, 30));
  TFlatButton* second = MakeButton(Bounds(60, 10, 40, 30));
  first->SetGroupIndex(1);
  first->SetDown(true);
  second->SetGroupIndex(2);
  second->SetDown(true);
  second->SetGroupIndex(1);  // both down in one group: the first comes up
  EXPECT_FALSE(first->Down());
  EXPECT_TRUE(second->Down());
  // Down set by code raises the group's down button too, even without AllowAllUp.
  TFlatButton* third = MakeButton(Bounds(110, 10, 40, 30));
  third->SetGroupIndex(1);
  third->SetDown(true);
  EXPECT_TRUE(third->Down());
  EXPECT_FALSE(second->Down());
  EXPECT_EQ(second->State(), TButtonState::bsUp);
  // A button on another parent is in another group.
  auto* panel = new TCustomControl(form.get());
  panel->SetBounds(0, 100, 200, 50);
  panel->SetParent(form.get());
  auto* away = new TFlatButton(form.get());
  away->SetParent(panel);
  away->SetGroupIndex(1);
  away->SetDown(true);
  EXPECT_TRUE(third->Down());
}

// --- Enabled state

TEST_F(FlatButtonTest, DisablingEndsTheHoverLookAndEnablingWaitsForThePaint) {
  TFlatButton* b = MakeButton(Bounds(10, 10, 40, 30));
  b->SetGroupIndex(1);
  b->SetDown(true);
  ShowForm();
  MouseMove(b, Point(5, 5));
  ASSERT_TRUE(b->MouseInControl());
  ASSERT_EQ(TFlatButton::TrackedButton(), b);
  b->SetEnabled(false);
  EXPECT_FALSE(b->MouseInControl());
  EXPECT_EQ(b->State(), TButtonState::bsDisabled);
  EXPECT_EQ(TFlatButton::TrackedButton(), nullptr);
  EXPECT_FALSE(TFlatButton::SharedTimer()->Enabled());
  // Enabled away from the cursor: nothing repaints at once, so the state waits for the paint.
  MouseMove(form.get(), Point(300, 200));
  b->SetEnabled(true);
  EXPECT_EQ(b->State(), TButtonState::bsDisabled);
  EXPECT_FALSE(b->MouseInControl());
  Face(b);
  EXPECT_EQ(b->State(), TButtonState::bsExclusive);
  // Under the cursor the hover look comes back with an immediate repaint.
  b->SetEnabled(false);
  MouseMove(b, Point(6, 6));
  b->SetEnabled(true);
  EXPECT_TRUE(b->MouseInControl());
  EXPECT_EQ(b->State(), TButtonState::bsExclusive);
}

// --- Advanced colours

TEST_F(FlatButtonTest, AdvancedColoursComeFromTheParentsColour) {
  form->SetColor(14805739);
  TFlatButton* b = MakeButton(Bounds(10, 10, 40, 30));
  b->SetColor(clRed);
  b->SetUseAdvColors(true);
  EXPECT_TRUE(b->ParentColor());
  EXPECT_EQ(b->Color(), 14805739u);
  EXPECT_EQ(b->ColorFocused(), RGB(128, 123, 85));
  EXPECT_EQ(b->ColorDown(), RGB(235, 234, 224));
  EXPECT_EQ(b->ColorBorder(), RGB(201, 198, 173));
  b->SetAdvColorDown(100);
  EXPECT_EQ(b->ColorDown(), RGB(158, 153, 110));
  b->SetAdvColorBorder(0);  // 0 keeps what there is
  EXPECT_EQ(b->ColorBorder(), RGB(201, 198, 173));
  EXPECT_THROW(b->SetAdvColorFocused(101), Exception);
  // The parent's colour changing derives again.
  form->SetColor(RGB(255, 255, 255));
  EXPECT_EQ(b->Color(), RGB(255, 255, 255));
  EXPECT_EQ(b->ColorDown(), HLSToRGB({0, 150, 0}));
  // Setting a colour by hand derives nothing.
  b->SetColorFocused(clLime);
  EXPECT_EQ(b->ColorFocused(), clLime);
}

TEST_F(FlatButtonTest, WithoutAdvancedColoursNothingIsDerived) {
  TFlatButton* b = MakeButton(Bounds(10, 10, 40, 30));
  b->SetAdvColorFocused(50);
  form->SetColor(RGB(1, 2, 3));
  EXPECT_EQ(b->ColorFocused(), 14805739u);
  EXPECT_EQ(b->Color(), RGB(1, 2, 3));  // ParentColor still copies the colour
}

// --- The shared hover timer

TEST_F(FlatButtonTest, TheSharedTimerLivesFromTheFirstToTheLastButton) {
  ASSERT_EQ(TFlatButton::InstanceCount(), 0);
  ASSERT_EQ(TFlatButton::SharedTimer(), nullptr);
  auto* first = new TFlatButton(nullptr);
  TTimer* timer = TFlatButton::SharedTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->Interval(), 100);
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(timer->Owner(), nullptr);
  auto* second = new TFlatButton(nullptr);
  EXPECT_EQ(TFlatButton::SharedTimer(), timer);
  EXPECT_EQ(TFlatButton::InstanceCount(), 2);
  delete first;
  EXPECT_EQ(TFlatButton::SharedTimer(), timer);
  delete second;
  EXPECT_EQ(TFlatButton::InstanceCount(), 0);
  EXPECT_EQ(TFlatButton::SharedTimer(), nullptr);
  TFlatButton again(nullptr);
  EXPECT_NE(TFlatButton::SharedTimer(), nullptr);
}

TEST_F(FlatButtonTest, TheHoverLookMovesAtOnceBetweenButtons) {
  TFlatButton* a = MakeButton(Bounds(10, 10, 40, 30));
  TFlatButton* b = MakeButton(Bounds(50, 10, 40, 30));
  ShowForm();
  MouseMove(a, Point(5, 5));
  EXPECT_TRUE(a->MouseInControl());
  EXPECT_EQ(TFlatButton::TrackedButton(), a);
  EXPECT_TRUE(TFlatButton::SharedTimer()->Enabled());
  MouseMove(b, Point(1, 5));
  EXPECT_FALSE(a->MouseInControl());
  EXPECT_TRUE(b->MouseInControl());
  EXPECT_EQ(TFlatButton::TrackedButton(), b);
}

TEST_F(FlatButtonTest, LeavingForSomethingElseEndsTheLookAtTheNextTick) {
  TFlatButton* b = MakeButton(Bounds(10, 10, 40, 30));
  ShowForm();
  MouseMove(b, Point(5, 5));
  ASSERT_TRUE(b->MouseInControl());
  TTimer* timer = TFlatButton::SharedTimer();
  MouseMove(form.get(), Point(150, 150));
  EXPECT_TRUE(b->MouseInControl());  // nothing tells the button but its timer
  ASSERT_TRUE(timer->Enabled());
  timer->OnTimer()(timer);
  EXPECT_FALSE(b->MouseInControl());
  EXPECT_EQ(TFlatButton::TrackedButton(), nullptr);
  EXPECT_FALSE(timer->Enabled());
}

TEST_F(FlatButtonTest, TheRealTimerEndsTheLook) {
  TFlatButton* b = MakeButton(Bounds(10, 10, 40, 30));
  ShowForm();
  MouseMove(b, Point(5, 5));
  MouseMove(form.get(), Point(150, 150));
  for (int i = 0; i < 100 && b->MouseInControl(); ++i) ProcessEvents(10);
  EXPECT_FALSE(b->MouseInControl());
}

TEST_F(FlatButtonTest, WhileHeldTheHoverLookStays) {
  TFlatButton* b = MakeButton(Bounds(10, 10, 40, 30));
  ShowForm();
  MouseMove(b, Point(5, 5));
  MouseDown(b, mbLeft, Point(5, 5));
  MouseMove(b, Point(140, 140), ssLeft);
  TTimer* timer = TFlatButton::SharedTimer();
  timer->OnTimer()(timer);
  EXPECT_TRUE(b->MouseInControl());
  MouseUp(b, mbLeft, Point(140, 140));
  EXPECT_FALSE(b->MouseInControl());
  EXPECT_EQ(TFlatButton::TrackedButton(), nullptr);
}

TEST_F(FlatButtonTest, AfterAClickTheButtonStillShowsTheHoverLook) {
  TFlatButton* b = MakeButton(Bounds(10, 10, 40, 30));
  ShowForm();
  MouseMove(b, Point(5, 5));
  Click(b, Point(5, 5));
  EXPECT_TRUE(b->MouseInControl());
  EXPECT_EQ(TFlatButton::TrackedButton(), b);
}

TEST_F(FlatButtonTest, AButtonFreedByItsClickHandlerIsNotTouchedAgain) {
  TFlatButton* b = MakeButton(Bounds(10, 10, 40, 30));
  b->OnClick = [&](TComponent*) { delete b; };
  ShowForm();
  MouseMove(b, Point(5, 5));
  // Straight to the hooks: the window system must not be inside the freed button's window.
  b->MouseDown(mbLeft, 0, 5, 5);
  b->MouseUp(mbLeft, 0, 5, 5);
  EXPECT_EQ(TFlatButton::InstanceCount(), 0);
  EXPECT_EQ(TFlatButton::TrackedButton(), nullptr);
}

}  // namespace
