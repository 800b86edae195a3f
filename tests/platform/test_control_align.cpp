// Alignment of children inside the parent's adjusted client rectangle: top, bottom, left,
// right, client, in that priority; hidden controls take no space; a loading window lays out once
// at the end.
#include "control_fixture.h"

namespace {

// A panel whose children stay inside its border, as the rounded panel's do (border 10 plus a
// one-pixel bevel: 11 on every side).
class BorderPanel : public TCustomControl {
 public:
  BorderPanel(TComponent* owner, int inset) : TCustomControl(owner), inset_(inset) {}
  void AdjustClientRect(TRect& rect) const override { rect = InflateRect(rect, -inset_, -inset_); }
  int resizes = 0;
  void Resize() override {
    ++resizes;
    TCustomControl::Resize();
  }

 private:
  int inset_;
};

TWinControl* MakeChild(TComponent* owner, TWinControl* parent, TAlign align, TRect bounds) {
  auto* c = new TCustomControl(owner);
  c->SetBoundsRect(bounds);
  c->SetAlign(align);
  c->SetParent(parent);
  return c;
}

TEST_F(ControlTest, AlignedChildrenOfAnInsetPanelStartInsideItsBorder) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 745, 498);
  auto* frame = new BorderPanel(&form, 11);
  frame->SetAlign(alClient);
  frame->SetParent(&form);
  EXPECT_EQ(frame->BoundsRect(), Rect(0, 0, 745, 498));
  TWinControl* title = MakeChild(&form, frame, alTop, Bounds(0, 0, 10, 33));
  TWinControl* toolbar = MakeChild(&form, frame, alTop, Bounds(0, 50, 10, 77));
  TWinControl* ruler = MakeChild(&form, frame, alTop, Bounds(0, 200, 10, 25));
  TWinControl* status = MakeChild(&form, frame, alBottom, Bounds(0, 300, 10, 19));
  TWinControl* editor = MakeChild(&form, frame, alClient, Bounds(0, 0, 10, 10));
  EXPECT_EQ(title->BoundsRect(), Bounds(11, 11, 723, 33));
  EXPECT_EQ(toolbar->BoundsRect(), Bounds(11, 44, 723, 77));
  EXPECT_EQ(ruler->BoundsRect(), Bounds(11, 121, 723, 25));
  EXPECT_EQ(status->BoundsRect(), Bounds(11, 468, 723, 19));
  EXPECT_EQ(editor->BoundsRect(), Bounds(11, 146, 723, 322));

  // A hidden top-aligned control gives its space to the client-aligned one, and takes it back.
  ruler->Hide();
  EXPECT_EQ(editor->BoundsRect(), Bounds(11, 121, 723, 347));
  ruler->Show();
  EXPECT_EQ(ruler->BoundsRect(), Bounds(11, 121, 723, 25));
  EXPECT_EQ(editor->BoundsRect(), Bounds(11, 146, 723, 322));

  // The parent's new size reaches every aligned child.
  form.SetBounds(0, 0, 800, 600);
  EXPECT_EQ(frame->BoundsRect(), Rect(0, 0, 800, 600));
  EXPECT_EQ(title->BoundsRect(), Bounds(11, 11, 778, 33));
  EXPECT_EQ(status->BoundsRect(), Bounds(11, 570, 778, 19));
  EXPECT_EQ(editor->BoundsRect(), Bounds(11, 146, 778, 424));
}

TEST_F(ControlTest, AlignmentPriorityIsTopBottomLeftRightClient) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 100);
  // Created in an order that differs from the priority.
  TWinControl* client = MakeChild(&form, &form, alClient, Bounds(0, 0, 1, 1));
  TWinControl* right = MakeChild(&form, &form, alRight, Bounds(0, 0, 30, 1));
  TWinControl* left = MakeChild(&form, &form, alLeft, Bounds(0, 0, 20, 1));
  TWinControl* bottom = MakeChild(&form, &form, alBottom, Bounds(0, 0, 1, 15));
  TWinControl* top = MakeChild(&form, &form, alTop, Bounds(0, 0, 1, 10));
  EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 200, 10));
  EXPECT_EQ(bottom->BoundsRect(), Bounds(0, 85, 200, 15));
  EXPECT_EQ(left->BoundsRect(), Bounds(0, 10, 20, 75));
  EXPECT_EQ(right->BoundsRect(), Bounds(170, 10, 30, 75));
  EXPECT_EQ(client->BoundsRect(), Bounds(20, 10, 150, 75));
  // alNone children keep their place.
  TWinControl* free = MakeChild(&form, &form, alNone, Bounds(5, 6, 7, 8));
  form.Realign();
  EXPECT_EQ(free->BoundsRect(), Bounds(5, 6, 7, 8));
  // Too little room: sizes stop at zero instead of going negative.
  form.SetBounds(0, 0, 40, 20);
  EXPECT_EQ(client->Width(), 0);
  EXPECT_EQ(client->Height(), 0);
}

TEST_F(ControlTest, NestedAlignedPanelsLayOutToExactCoordinates) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 400, 300);
  auto* outer = new BorderPanel(&form, 11);
  outer->SetAlign(alClient);
  outer->SetParent(&form);
  auto* bar = new BorderPanel(&form, 1);
  bar->SetBounds(0, 0, 10, 33);
  bar->SetAlign(alTop);
  bar->SetParent(outer);
  TWinControl* buttons = MakeChild(&form, bar, alRight, Bounds(0, 0, 95, 23));
  TWinControl* body = MakeChild(&form, outer, alClient, Bounds(0, 0, 1, 1));
  EXPECT_EQ(bar->BoundsRect(), Bounds(11, 11, 378, 33));
  EXPECT_EQ(buttons->BoundsRect(), Bounds(378 - 1 - 95, 1, 95, 31));
  EXPECT_EQ(body->BoundsRect(), Bounds(11, 44, 378, 245));
  // Screen positions add up through the nesting.
  EXPECT_EQ(buttons->ClientOrigin(), Point(11 + 282, 11 + 1));
}

TEST_F(ControlTest, TopAlignedControlsStackInTheOrderOfTheirPositions) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 100, 200);
  TWinControl* second = MakeChild(&form, &form, alTop, Bounds(0, 50, 1, 20));
  TWinControl* first = MakeChild(&form, &form, alTop, Bounds(0, 0, 1, 10));
  // The second was created first, at top 0: once the first arrives (also at 0 after layout),
  // the one that asked for the layout goes first among equals.
  EXPECT_EQ(first->Top(), 0);
  EXPECT_EQ(second->Top(), 10);
  // Moving a control below another reorders the stack.
  first->SetTop(100);
  EXPECT_EQ(second->Top(), 0);
  EXPECT_EQ(first->Top(), 20);
}

TEST_F(ControlTest, LoadingStoresValuesAndLaysOutOnceAtTheEnd) {
  TForm form(nullptr);
  form.BeginLoading();
  form.SetBounds(0, 0, 300, 200);
  auto* panel = new BorderPanel(&form, 11);
  panel->BeginLoading();
  panel->SetBounds(0, 0, 10, 10);
  panel->SetAlign(alClient);
  panel->SetParent(&form);
  auto* top = new TCustomControl(&form);
  top->BeginLoading();
  top->SetBounds(0, 0, 10, 40);
  top->SetAlign(alTop);
  top->SetParent(panel);
  // Nothing is laid out, painted or notified while loading.
  EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 10, 10));
  EXPECT_EQ(panel->resizes, 0);
  form.EndLoading();
  EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 300, 200));
  EXPECT_EQ(top->BoundsRect(), Bounds(11, 11, 278, 40));
  EXPECT_GE(panel->resizes, 1);
}

}  // namespace
