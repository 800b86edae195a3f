// Mouse input reaching controls through the real event path: capture while a button is held,
// enter/leave notifications, clicks, double clicks, disabled controls, graphic controls and the
// control found at a screen point.
#include "control_fixture.h"
#include "platform/testing/TestInput.h"

namespace {

using namespace TestInput;

// A windowless control that logs presses and clicks.
class GraphicProbe : public TGraphicControl {
 public:
  GraphicProbe(TWinControl* parent, TRect bounds) : TGraphicControl(nullptr) {
    SetBoundsRect(bounds);
    SetParent(parent);
  }
  std::vector<std::string> log;
  void MouseDown(TMouseButton, TShiftState, int x, int y) override {
    log.push_back("down@" + std::to_string(x) + "," + std::to_string(y));
  }
  void MouseMove(TShiftState, int x, int y) override {
    log.push_back("move@" + std::to_string(x) + "," + std::to_string(y));
  }
  void Click() override { log.push_back("click"); }
  void MouseEnter() override { log.push_back("enter"); }
  void MouseLeave() override { log.push_back("leave"); }
  void Paint() override {
    Canvas().Brush().SetColor(clBlue);
    Canvas().FillRect(Rect(0, 0, Width(), Height()));
  }
};

// A control that asks where the cursor is while it handles a move.
class CursorAsker : public TCustomControl {
 public:
  CursorAsker(TWinControl* parent, TRect bounds) : TCustomControl(nullptr) {
    SetBoundsRect(bounds);
    SetParent(parent);
  }
  std::vector<TPoint> seen;
  void MouseMove(TShiftState, int, int) override { seen.push_back(Screen->CursorPos()); }
};

TEST_F(ControlTest, TheCursorPositionDuringAMoveIsThatMovesPosition) {
  auto form = MakeForm(100, 100, 200, 200);
  CursorAsker asker(form.get(), Bounds(10, 10, 80, 80));
  form->Show();
  const TPoint points[] = {Point(5, 5), Point(30, 7), Point(70, 60)};
  for (const TPoint& p : points) MouseMove(&asker, p);
  ASSERT_EQ(asker.seen.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(asker.seen[i], asker.ClientToScreen(points[i])) << i;
}

TEST_F(ControlTest, CaptureKeepsMovesGoingToThePressedControlOutsideItsBounds) {
  auto form = MakeForm(100, 100, 200, 200);
  Probe probe(nullptr, form.get(), Bounds(10, 10, 40, 40));
  Probe other(nullptr, form.get(), Bounds(100, 100, 40, 40));
  form->Show();
  MouseMove(&probe, Point(5, 5));
  MouseDown(&probe, mbLeft, Point(5, 5));
  EXPECT_TRUE(probe.MouseCapture());
  probe.Clear();
  // Over the other control, and beyond the form: still the pressed probe, in its coordinates.
  MouseMove(&probe, Point(100, 100), ssLeft);
  MouseMove(&probe, Point(250, 5), ssLeft);
  EXPECT_TRUE(probe.Has("move@100,100")) << probe.Joined();
  EXPECT_TRUE(probe.Has("move@250,5")) << probe.Joined();
  EXPECT_TRUE(other.log.empty() || !other.Has("move@10,10")) << other.Joined();
  // Released outside: no click, and the capture ends.
  MouseUp(&probe, mbLeft, Point(100, 100));
  EXPECT_FALSE(probe.Has("click")) << probe.Joined();
  EXPECT_TRUE(probe.Has("up0"));
  EXPECT_FALSE(probe.MouseCapture());
  // Without a button held, moves go to whatever is under the mouse again.
  probe.Clear();
  other.Clear();
  MouseMove(&other, Point(3, 4));
  EXPECT_TRUE(other.Has("move@3,4")) << other.Joined();
  EXPECT_FALSE(probe.Has("move@93,94")) << probe.Joined();
}

TEST_F(ControlTest, ReleaseInsideClicksBeforeMouseUpAndOnlyWithTheLeftButton) {
  auto form = MakeForm(50, 50, 120, 120);
  Probe probe(nullptr, form.get(), Bounds(10, 10, 50, 50));
  int clicks = 0;
  TComponent* sender = nullptr;
  probe.OnClick = [&](TComponent* s) {
    ++clicks;
    sender = s;
  };
  form->Show();
  Click(&probe, Point(20, 20));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(sender, &probe);
  // The window system reports the move to the press position first.
  EXPECT_EQ(probe.Joined(), "move@20,20 enter down0@20,20 click up0");
  probe.Clear();
  Click(&probe, Point(20, 20), mbRight);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(probe.Joined(), "down1@20,20 up1");
}

TEST_F(ControlTest, DoubleClickFiresDblClickAndMarksTheSecondPress) {
  auto form = MakeForm(50, 50, 120, 120);
  Probe probe(nullptr, form.get(), Bounds(10, 10, 50, 50));
  form->Show();
  DoubleClick(&probe, Point(5, 6));
  EXPECT_EQ(probe.Joined(), "move@5,6 enter down0@5,6 click up0 dblclick down0@5,6d up0");
  // Without csDoubleClicks the second press is a plain press that clicks again.
  probe.SetControlStyle(probe.ControlStyle() & ~csDoubleClicks);
  probe.Clear();
  DoubleClick(&probe, Point(5, 6));
  EXPECT_EQ(probe.Joined(), "down0@5,6 click up0 down0@5,6 click up0");
}

TEST_F(ControlTest, EnterAndLeaveFollowTheMouseBetweenControls) {
  auto form = MakeForm(0, 0, 200, 100);
  Probe a(nullptr, form.get(), Bounds(10, 10, 40, 40));
  Probe b(nullptr, form.get(), Bounds(60, 10, 40, 40));
  form->Show();
  MouseMove(form.get(), Point(5, 5));
  EXPECT_TRUE(a.log.empty());
  MouseMove(form.get(), Point(20, 20));
  EXPECT_EQ(a.Joined(), "move@10,10 enter");
  MouseMove(form.get(), Point(70, 20));
  EXPECT_EQ(a.Joined(), "move@10,10 enter leave");
  EXPECT_EQ(b.Joined(), "move@10,10 enter");
  EXPECT_EQ(Application->MouseControl(), &b);
  MouseMove(form.get(), Point(150, 80));
  EXPECT_TRUE(b.Has("leave"));
  EXPECT_EQ(Application->MouseControl(), form.get());
}

TEST_F(ControlTest, WhileCapturedOnlyTheCapturingControlHearsEnterAndLeave) {
  auto form = MakeForm(0, 0, 200, 100);
  Probe a(nullptr, form.get(), Bounds(10, 10, 40, 40));
  Probe b(nullptr, form.get(), Bounds(60, 10, 40, 40));
  form->Show();
  MouseMove(&a, Point(5, 5));
  MouseDown(&a, mbLeft, Point(5, 5));
  a.Clear();
  b.Clear();
  MouseMove(&a, Point(55, 5), ssLeft);  // over b
  EXPECT_TRUE(a.Has("leave")) << a.Joined();
  EXPECT_FALSE(b.Has("enter")) << b.Joined();
  MouseMove(&a, Point(5, 5), ssLeft);  // back over a
  EXPECT_TRUE(a.Has("enter")) << a.Joined();
  EXPECT_FALSE(b.Has("leave")) << b.Joined();
  MouseUp(&a, mbLeft, Point(5, 5));
  EXPECT_TRUE(a.Has("click"));
}

TEST_F(ControlTest, DisabledControlsGetNoClicksButAreFoundAtTheirScreenPoint) {
  auto form = MakeForm(100, 100, 200, 100);
  Probe probe(nullptr, form.get(), Bounds(10, 10, 40, 40));
  GraphicProbe label(form.get(), Bounds(100, 10, 40, 20));
  int formDowns = 0;
  form->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++formDowns; };
  probe.SetEnabled(false);
  label.SetEnabled(false);
  form->Show();
  Click(&probe, Point(10, 10));
  Click(&label, Point(5, 5));
  EXPECT_FALSE(probe.Has("click")) << probe.Joined();
  EXPECT_FALSE(probe.Has("down0@10,10")) << probe.Joined();
  // A disabled control still hears the mouse come and go (its look may depend on it).
  EXPECT_EQ(label.log, (std::vector<std::string>{"enter"}));
  // The press lands on the form beneath, as on the classic desktop.
  EXPECT_EQ(formDowns, 2);
  EXPECT_EQ(FindControlAtScreenPoint(Point(120, 120)), &probe);
  EXPECT_EQ(FindControlAtScreenPoint(Point(210, 115)), &label);
  EXPECT_EQ(FindDragTarget(Point(120, 120), false), form.get());
  EXPECT_EQ(FindDragTarget(Point(210, 115), false), form.get());
  EXPECT_EQ(FindControlAtScreenPoint(Point(150, 180)), form.get());
  EXPECT_EQ(FindControlAtScreenPoint(Point(20, 20)), nullptr);
  // Enabled again, it takes clicks.
  probe.SetEnabled(true);
  Click(&probe, Point(10, 10));
  EXPECT_TRUE(probe.Has("click"));
}

TEST_F(ControlTest, NestedControlsAreFoundAtTheirScreenPoint) {
  auto form = MakeForm(10, 20, 300, 200);
  Probe panel(nullptr, form.get(), Bounds(50, 50, 200, 100));
  Probe inner(nullptr, &panel, Bounds(10, 10, 30, 30));
  GraphicProbe image(&panel, Bounds(100, 10, 30, 30));
  form->Show();
  EXPECT_EQ(FindControlAtScreenPoint(Point(10 + 50 + 10, 20 + 50 + 10)), &inner);
  EXPECT_EQ(FindControlAtScreenPoint(Point(10 + 50 + 39, 20 + 50 + 39)), &inner);
  EXPECT_EQ(FindControlAtScreenPoint(Point(10 + 50 + 40, 20 + 50 + 40)), &panel);
  EXPECT_EQ(FindControlAtScreenPoint(Point(10 + 50 + 100, 20 + 50 + 10)), &image);
  inner.Hide();
  EXPECT_EQ(FindControlAtScreenPoint(Point(10 + 50 + 10, 20 + 50 + 10)), &panel);
  EXPECT_EQ(inner.ClientToScreen(Point(1, 2)), Point(71, 82));
  EXPECT_EQ(image.ScreenToClient(Point(161, 82)), Point(1, 2));
}

TEST_F(ControlTest, GraphicControlsGetMouseEventsInTheirOwnCoordinates) {
  auto form = MakeForm(0, 0, 200, 100);
  GraphicProbe label(form.get(), Bounds(20, 30, 50, 20));
  form->Show();
  MouseMove(form.get(), Point(25, 35));
  MouseDown(form.get(), mbLeft, Point(25, 35));
  // Capture: the graphic control keeps the moves while the button is held.
  MouseMove(form.get(), Point(150, 90), ssLeft);
  MouseUp(form.get(), mbLeft, Point(30, 35));
  ASSERT_GE(label.log.size(), 4u);
  EXPECT_EQ(label.log[0], "move@5,5");
  EXPECT_EQ(label.log[1], "enter");
  EXPECT_EQ(label.log[2], "down@5,5");
  EXPECT_EQ(label.log[3], "move@130,60");
  EXPECT_EQ(label.log.back(), "click");
}

TEST_F(ControlTest, ExceptionsFromHandlersReachTheErrorHandlerAndInputGoesOn) {
  auto form = MakeForm(0, 0, 100, 100);
  Probe probe(nullptr, form.get(), Bounds(0, 0, 50, 50));
  std::vector<std::string> errors;
  Application->OnException = [&](TComponent* sender, const std::exception& e) {
    errors.push_back(e.what());
    EXPECT_EQ(sender, &probe);
  };
  probe.OnClick = [](TComponent*) { throw Exception("Cannot open file"); };
  form->Show();
  Click(&probe, Point(5, 5));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "Cannot open file");
  // The mouse-up after the failing click still arrived.
  EXPECT_TRUE(probe.Has("up0"));
}

// A control whose client area leaves out a 3-pixel border.
class FramedProbe : public Probe {
 public:
  using Probe::Probe;
  TRect ClientRect() const override { return Rect(3, 3, Width() - 3, Height() - 3); }
};

TEST_F(ControlTest, ClientWidthAndHeightAreTheClientRectanglesRightAndBottom) {
  auto form = MakeForm(50, 50, 120, 120);
  FramedProbe framed(nullptr, form.get(), Bounds(10, 10, 50, 40));
  EXPECT_EQ(framed.ClientWidth(), 47);
  EXPECT_EQ(framed.ClientHeight(), 37);
  framed.SetClientWidth(60);
  framed.SetClientHeight(30);
  EXPECT_EQ(framed.Width(), 63);
  EXPECT_EQ(framed.Height(), 33);
  EXPECT_EQ(framed.ClientRect(), Rect(3, 3, 60, 30));
}

TEST_F(ControlTest, AClickCountsOnlyWhenReleasedInsideTheClientRectangle) {
  auto form = MakeForm(50, 50, 120, 120);
  FramedProbe framed(nullptr, form.get(), Bounds(10, 10, 50, 50));
  int clicks = 0;
  framed.OnClick = [&](TComponent*) { ++clicks; };
  form->Show();
  struct Case {
    TPoint release;
    int clicks;
  };
  // Pressed inside, released at: the border (inside the bounds), the client area's corners.
  const Case cases[] = {{{1, 1}, 0}, {{48, 20}, 0}, {{3, 3}, 1}, {{46, 46}, 1}, {{47, 46}, 0}};
  for (const Case& c : cases) {
    clicks = 0;
    MouseDown(&framed, mbLeft, Point(20, 20));
    MouseUp(&framed, mbLeft, c.release);
    EXPECT_EQ(clicks, c.clicks) << c.release.X << "," << c.release.Y;
  }
}

}  // namespace
