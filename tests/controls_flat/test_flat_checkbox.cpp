// The flat check box: box, check mark and caption pixels in both layouts, the click sequence
// of mouse, keyboard and code, focus and hover looks, the disabled look and its shared timer.
#include <vector>

#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "flat_fixture.h"
#include "platform/framework/Timer.h"

namespace {

using namespace TestInput;

constexpr TColor kBack = RGB(10, 20, 30);
constexpr TColor kFocused = RGB(40, 50, 60);
constexpr TColor kDown = RGB(70, 80, 90);
constexpr TColor kCheck = RGB(100, 110, 120);
constexpr TColor kBorder = RGB(130, 140, 150);

// The check mark relative to the box's top-left corner.
const PixelSet kMark = {{2, 4}, {3, 5}, {4, 6}, {5, 7}, {2, 5}, {3, 6}, {4, 7},
                        {2, 6}, {3, 7}, {4, 8}, {8, 2}, {7, 3}, {6, 4}, {5, 5},
                        {8, 3}, {7, 4}, {6, 5}, {5, 6}, {8, 4}, {7, 5}, {6, 6}};

PixelSet Moved(const PixelSet& pixels, int dx, int dy) {
  PixelSet moved;
  for (const auto& [x, y] : pixels) moved.insert({x + dx, y + dy});
  return moved;
}

PixelSet FrameOf(TRect r) {
  PixelSet frame;
  for (int x = r.Left; x < r.Right; ++x) frame.insert({x, r.Top}), frame.insert({x, r.Bottom - 1});
  for (int y = r.Top; y < r.Bottom; ++y) frame.insert({r.Left, y}), frame.insert({r.Right - 1, y});
  return frame;
}

PixelSet InsideOf(TRect r) {
  PixelSet inside;
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y)
    for (int x = r.Left + 1; x < r.Right - 1; ++x) inside.insert({x, y});
  return inside;
}

class FlatCheckBoxTest : public FlatTest {
 protected:
  TFlatCheckBox* MakeBox(TRect bounds, const std::string& caption = "") {
    auto* box = new TFlatCheckBox(form.get());
    box->SetBoundsRect(bounds);
    box->SetParent(form.get());
    box->SetCaption(caption);
    box->SetColor(kBack);
    box->SetColorFocused(kFocused);
    box->SetColorDown(kDown);
    box->SetColorCheck(kCheck);
    box->SetColorBorder(kBorder);
    box->Font().SetColor(clWhite);
    return box;
  }
  // Records the state OnClick sees each time it fires.
  void Record(TFlatCheckBox* box) {
    box->OnClick = [this, box](TComponent* sender) {
      EXPECT_EQ(sender, box);
      clicks.push_back(box->Checked());
    };
  }
  std::vector<bool> clicks;
};

TEST_F(FlatCheckBoxTest, DefaultsAreTheDocumentedOnes) {
  TFlatCheckBox box(nullptr);
  EXPECT_EQ(box.Width(), 121);
  EXPECT_EQ(box.Height(), 17);
  EXPECT_EQ(box.ControlStyle(), csCaptureMouse | csClickEvents | csDoubleClicks);
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(box.Color(), 14805739u);
  EXPECT_TRUE(box.ParentColor());
  EXPECT_EQ(box.ColorFocused(), 16777215u);
  EXPECT_EQ(box.ColorDown(), 12965593u);
  EXPECT_EQ(box.ColorCheck(), 0u);
  EXPECT_EQ(box.ColorBorder(), 8623776u);
  EXPECT_EQ(box.AdvColorFocused(), 10);
  EXPECT_EQ(box.AdvColorDown(), 10);
  EXPECT_EQ(box.AdvColorBorder(), 50);
  EXPECT_FALSE(box.UseAdvColors());
  EXPECT_EQ(box.Layout(), TCheckBoxLayout::checkboxLeft);
  EXPECT_TRUE(box.TabStop());
  EXPECT_EQ(box.TabOrder(), -1);
}

TEST_F(FlatCheckBoxTest, TheBoxAndItsCheckMarkArePixelExact) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17));
  TBitmap unchecked = Face(box);
  const TRect r = Rect(1, 3, 12, 14);
  EXPECT_EQ(PixelsOf(unchecked, kBorder), FrameOf(r));
  EXPECT_TRUE(PixelsOf(unchecked, kCheck).empty());
  EXPECT_EQ(PixelsNot(unchecked, kBack), FrameOf(r));
  box->SetChecked(true);
  TBitmap checked = Face(box);
  EXPECT_EQ(PixelsOf(checked, kCheck), Moved(kMark, 1, 3));
  EXPECT_EQ(PixelsOf(checked, kBorder), FrameOf(r));
  EXPECT_EQ(PixelsOf(checked, kBack).size(), std::size_t(121 * 17 - 40 - 21));
}

TEST_F(FlatCheckBoxTest, TheRightLayoutPutsTheBoxAtTheRightEdge) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 145, 17), "Звук");
  box->SetLayout(TCheckBoxLayout::checkboxRight);
  box->SetChecked(true);
  TBitmap face = Face(box);
  EXPECT_EQ(box->BoxRect(), Rect(133, 3, 144, 14));  // columns 133 to 143
  EXPECT_EQ(PixelsOf(face, kBorder), FrameOf(Rect(133, 3, 144, 14)));
  EXPECT_EQ(PixelsOf(face, kCheck), Moved(kMark, 133, 3));
  EXPECT_EQ(box->CaptionRect(), Rect(1, 1, 129, 16));
  // Right-aligned: the caption's last column is at most 128, and close to it.
  const TRect ink = BoundsOf(PixelsOf(face, clWhite));
  EXPECT_LE(ink.Right, 129);
  EXPECT_GE(ink.Right, 126);
  EXPECT_GE(ink.Top, 1);
}

TEST_F(FlatCheckBoxTest, TheLeftLayoutStartsTheCaptionAtColumn16) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 145, 17), "Звук");
  TBitmap face = Face(box);
  EXPECT_EQ(box->CaptionRect(), Rect(16, 1, 144, 16));
  const TRect ink = BoundsOf(PixelsOf(face, clWhite));
  EXPECT_GE(ink.Left, 16);
  EXPECT_LE(ink.Left, 18);
  EXPECT_LT(ink.Right, 80);
}

TEST_F(FlatCheckBoxTest, ALongCaptionWrapsAndALowControlCutsTheSecondLine) {
  const std::string caption = "Звуковое сопровождение клавиатуры";
  TFlatCheckBox* tall = MakeBox(Bounds(10, 10, 121, 40), caption);
  TCanvas measure;
  measure.SetFont(tall->Font());
  ASSERT_GT(measure.TextWidth(caption), 121 - 17);
  const int lineHeight = measure.TextHeight(caption);
  TBitmap twoLines = Face(tall);
  EXPECT_GT(BoundsOf(PixelsOf(twoLines, clWhite)).Bottom, 1 + lineHeight);
  EXPECT_LE(BoundsOf(PixelsOf(twoLines, clWhite)).Right, 120);
  TFlatCheckBox* low = MakeBox(Bounds(10, 60, 121, 17), caption);
  TBitmap oneLine = Face(low);
  EXPECT_LE(BoundsOf(PixelsOf(oneLine, clWhite)).Bottom, 16);
}

struct BoxLookCase {
  const char* name;
  bool hover;
  bool focus;
  bool press;
  TColor fill;
};

const BoxLookCase kBoxLooks[] = {
    {"plain", false, false, false, kBack},
    {"hovered", true, false, false, kFocused},
    {"focused", false, true, false, kFocused},
    {"hovered and pressed", true, false, true, kDown},
};

TEST_F(FlatCheckBoxTest, TheBoxInteriorShowsHoverFocusAndPress) {
  for (const BoxLookCase& row : kBoxLooks) {
    SCOPED_TRACE(row.name);
    TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17));
    TFlatCheckBox* other = MakeBox(Bounds(10, 50, 121, 17));
    ShowForm();
    other->SetFocus();
    ProcessEvents();
    if (row.hover) MouseMove(box, Point(50, 8));
    if (row.focus) {
      box->SetFocus();
      ProcessEvents();
    }
    if (row.press) MouseDown(box, mbLeft, Point(50, 8));
    TBitmap face = Face(box);
    EXPECT_EQ(PixelsOf(face, row.fill).count({6, 8}), 1u);
    PixelSet inside = InsideOf(Rect(1, 3, 12, 14));
    for (const auto& p : inside) EXPECT_EQ(face.Canvas().Pixels(p.first, p.second), row.fill);
    if (row.press) MouseUp(box, mbLeft, Point(300, 200));
    MouseMove(form.get(), Point(390, 290));
    delete box;
    delete other;
  }
}

TEST_F(FlatCheckBoxTest, ADisabledBoxShowsItsMarkInShadowAndItsCaptionEmbossed) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17));
  box->SetChecked(true);
  box->SetEnabled(false);
  TBitmap mark = Face(box);
  EXPECT_EQ(PixelsOf(mark, clBtnShadow), Moved(kMark, 1, 3));
  EXPECT_TRUE(PixelsOf(mark, kCheck).empty());
  TFlatCheckBox* captioned = MakeBox(Bounds(10, 40, 121, 17), "Часы");
  captioned->SetEnabled(false);
  TBitmap face = Face(captioned);
  const PixelSet shadow = PixelsOf(face, clBtnShadow);
  const PixelSet light = PixelsOf(face, clBtnHighlight);
  ASSERT_FALSE(shadow.empty());
  for (const auto& [x, y] : light) EXPECT_TRUE(shadow.count({x - 1, y - 1})) << x << "," << y;
  for (const auto& [x, y] : shadow)
    EXPECT_TRUE(light.count({x + 1, y + 1}) || shadow.count({x + 1, y + 1})) << x << "," << y;
  EXPECT_GE(BoundsOf(shadow).Left, 16);
}

// --- Clicks

TEST_F(FlatCheckBoxTest, AClickInsideFiresOnClickTwiceOldStateFirst) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17), "Звук");
  Record(box);
  ShowForm();
  MouseMove(box, Point(40, 8));
  Click(box, Point(40, 8));
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, (std::vector<bool>{false, true}));
  EXPECT_TRUE(box->Focused());
}

TEST_F(FlatCheckBoxTest, PressInsideReleaseOutsideTogglesWithOneClick) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17));
  Record(box);
  ShowForm();
  MouseMove(box, Point(40, 8));
  MouseDown(box, mbLeft, Point(40, 8));
  EXPECT_TRUE(box->MouseIsDown());
  MouseMove(box, Point(40, 100), ssLeft);
  TTimer* timer = TFlatCheckBox::SharedTimer();
  timer->OnTimer()(timer);  // the hover look is held while the button is down
  EXPECT_TRUE(box->MouseInControl());
  MouseUp(box, mbLeft, Point(40, 100));
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, (std::vector<bool>{true}));
  EXPECT_FALSE(box->MouseIsDown());
}

TEST_F(FlatCheckBoxTest, ADoubleClickTogglesTwiceWithThreeClicks) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17));
  Record(box);
  ShowForm();
  MouseMove(box, Point(40, 8));
  DoubleClick(box, Point(40, 8));
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, (std::vector<bool>{false, true, false}));
}

TEST_F(FlatCheckBoxTest, OtherMouseButtonsDoNothing) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17));
  Record(box);
  int downs = 0;
  int ups = 0;
  box->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++downs; };
  box->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++ups; };
  ShowForm();
  MouseMove(box, Point(40, 8));
  Click(box, Point(40, 8), mbRight);
  EXPECT_EQ(downs, 0);
  EXPECT_EQ(ups, 0);
  EXPECT_FALSE(box->Checked());
  EXPECT_TRUE(clicks.empty());
  Click(box, Point(40, 8));
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(ups, 1);
}

TEST_F(FlatCheckBoxTest, ADisabledBoxIgnoresPresses) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17));
  Record(box);
  int downs = 0;
  box->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++downs; };
  box->SetEnabled(false);
  box->MouseDown(mbLeft, 0, 40, 8);
  box->MouseUp(mbLeft, 0, 40, 8);
  EXPECT_EQ(downs, 0);
  EXPECT_FALSE(box->MouseIsDown());
  EXPECT_FALSE(box->Checked());
}

TEST_F(FlatCheckBoxTest, CheckedFiresOnClickOnlyWhenItChanges) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17));
  Record(box);
  box->SetChecked(false);
  EXPECT_TRUE(clicks.empty());
  box->SetChecked(true);
  EXPECT_EQ(clicks, (std::vector<bool>{true}));
  box->SetChecked(true);
  EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(FlatCheckBoxTest, SpaceTogglesTheFocusedBox) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17), "Звук");
  TFlatCheckBox* other = MakeBox(Bounds(10, 40, 121, 17), "Часы");
  Record(box);
  ShowForm();
  box->SetFocus();
  ProcessEvents();
  ASSERT_TRUE(box->FocusLook());
  Key(form.get(), VK_SPACE, " ");
  EXPECT_TRUE(box->Checked());
  EXPECT_FALSE(other->Checked());
  Key(form.get(), VK_SPACE, " ");
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(clicks, (std::vector<bool>{true, false}));
  // The space is not consumed: a box without the focus look ignores it.
  EXPECT_FALSE(other->DialogChar(U' ', 0));
  EXPECT_FALSE(box->DialogChar(U'x', 0));
}

TEST_F(FlatCheckBoxTest, TheAcceleratorFocusesAndToggles) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17), "&Звук");
  TFlatCheckBox* other = MakeBox(Bounds(10, 40, 121, 17), "&Часы");
  Record(box);
  ShowForm();
  other->SetFocus();
  ProcessEvents();
  Key(form.get(), 0, "з", ssAlt);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->Focused());
  EXPECT_TRUE(box->FocusLook());
  EXPECT_FALSE(other->FocusLook());
  EXPECT_EQ(clicks, (std::vector<bool>{true}));
  // A box that cannot take the focus leaves the character alone.
  box->SetEnabled(false);
  EXPECT_FALSE(box->DialogChar(U'з', 0));
  EXPECT_TRUE(box->Checked());
}

// --- Focus and hover

TEST_F(FlatCheckBoxTest, LosingTheFocusEndsTheFocusAndHoverLooks) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17));
  TFlatCheckBox* other = MakeBox(Bounds(10, 40, 121, 17));
  int enters = 0;
  int exits = 0;
  box->OnEnter = [&](TComponent*) { ++enters; };
  box->OnExit = [&](TComponent*) { ++exits; };
  ShowForm();
  MouseMove(box, Point(40, 8));
  box->SetFocus();
  ProcessEvents();
  EXPECT_TRUE(box->FocusLook());
  EXPECT_TRUE(box->MouseInControl());
  other->SetFocus();
  ProcessEvents();
  EXPECT_FALSE(box->FocusLook());
  EXPECT_FALSE(box->MouseInControl());
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(exits, 1);
}

TEST_F(FlatCheckBoxTest, TheHoverLookLeavesAtTheNextTick) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17));
  TFlatCheckBox* next = MakeBox(Bounds(10, 40, 121, 17));
  ShowForm();
  MouseMove(box, Point(40, 8));
  EXPECT_TRUE(box->MouseInControl());
  EXPECT_EQ(TFlatCheckBox::TrackedCheckBox(), box);
  MouseMove(next, Point(40, 8));  // straight onto another box: at once
  EXPECT_FALSE(box->MouseInControl());
  EXPECT_TRUE(next->MouseInControl());
  MouseMove(form.get(), Point(300, 200));
  EXPECT_TRUE(next->MouseInControl());
  TTimer* timer = TFlatCheckBox::SharedTimer();
  timer->OnTimer()(timer);
  EXPECT_FALSE(next->MouseInControl());
  EXPECT_EQ(TFlatCheckBox::TrackedCheckBox(), nullptr);
  EXPECT_FALSE(timer->Enabled());
}

TEST_F(FlatCheckBoxTest, DisablingEndsHoverAndPress) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17));
  ShowForm();
  MouseMove(box, Point(40, 8));
  MouseDown(box, mbLeft, Point(40, 8));
  box->SetEnabled(false);
  EXPECT_FALSE(box->MouseInControl());
  EXPECT_FALSE(box->MouseIsDown());
  EXPECT_EQ(TFlatCheckBox::TrackedCheckBox(), nullptr);
  MouseUp(box, mbLeft, Point(40, 8));
  EXPECT_FALSE(box->Checked());
}

TEST_F(FlatCheckBoxTest, CheckBoxesHaveTheirOwnTimer) {
  ASSERT_EQ(TFlatCheckBox::InstanceCount(), 0);
  ASSERT_EQ(TFlatButton::InstanceCount(), 0);
  auto* box = new TFlatCheckBox(nullptr);
  TTimer* timer = TFlatCheckBox::SharedTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->Interval(), 100);
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(TFlatButton::SharedTimer(), nullptr);
  {
    TFlatButton button(nullptr);
    EXPECT_NE(TFlatButton::SharedTimer(), timer);
  }
  delete box;
  EXPECT_EQ(TFlatCheckBox::SharedTimer(), nullptr);
}

TEST_F(FlatCheckBoxTest, AdvancedColoursComeFromTheParent) {
  form->SetColor(14805739);
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17));
  box->SetUseAdvColors(true);
  EXPECT_TRUE(box->ParentColor());
  EXPECT_EQ(box->Color(), 14805739u);
  EXPECT_EQ(box->ColorFocused(), RGB(128, 123, 85));
  EXPECT_EQ(box->ColorDown(), RGB(235, 234, 224));
  EXPECT_EQ(box->ColorBorder(), RGB(201, 198, 173));
  EXPECT_EQ(box->ColorCheck(), kCheck);  // never derived
  EXPECT_THROW(box->SetAdvColorDown(-1), Exception);
}

}  // namespace

namespace {

TEST_F(FlatCheckBoxTest, ABoxFreedByItsClickHandlerIsNotTouchedAgain) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17));
  int clicks = 0;
  box->OnClick = [&](TComponent*) {
    // The first click (the platform's, old state) keeps it; the toggle's frees it.
    if (++clicks == 2) delete box;
  };
  ShowForm();
  MouseMove(box, Point(40, 8));
  // Straight to the hooks: the window system must not be inside the freed box's window.
  box->MouseDown(mbLeft, 0, 40, 8);
  box->Click();
  box->MouseUp(mbLeft, 0, 40, 8);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(TFlatCheckBox::InstanceCount(), 0);
  EXPECT_EQ(TFlatCheckBox::TrackedCheckBox(), nullptr);
}

}  // namespace

namespace {

TEST_F(FlatCheckBoxTest, TheWindowGivingTheFocusBackShowsTheFocusLook) {
  TFlatCheckBox* box = MakeBox(Bounds(10, 10, 121, 17));
  TFlatCheckBox* other = MakeBox(Bounds(10, 40, 121, 17));
  // What the window tells its controls when it gets the focus back (no enter notice).
  form->FocusChanged(box);
  EXPECT_TRUE(box->FocusLook());
  EXPECT_FALSE(other->FocusLook());
  TBitmap face = Face(box);
  EXPECT_EQ(face.Canvas().Pixels(6, 8), kFocused);
  other->SetEnabled(false);
  form->FocusChanged(other);
  EXPECT_FALSE(other->FocusLook());
}

}  // namespace
