// A window read from its layout lays out to exact coordinates: nested aligned panels inside a
// control whose client rectangle is inset, hidden top-aligned controls giving their space to the
// client-aligned one, and the later of two assignments winning.
#include <gtest/gtest.h>

#include "platform/framework/Control.h"
#include "platform/framework/Form.h"
#include "platform/layout/LayoutClass.h"
#include "platform/layout/LayoutReader.h"

namespace {

// A panel whose children keep BorderWidth + 1 pixels from its edges, as the rounded panel does.
class TInsetPanel : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  std::string ClassName() const override { return "TInsetPanel"; }
  void SetBorderWidth(int width) {
    borderWidth_ = width;
    if (!Loading()) Realign();
  }

 protected:
  void AdjustClientRect(TRect& rect) const override {
    TCustomControl::AdjustClientRect(rect);
    rect = InflateRect(rect, -(borderWidth_ + 1), -(borderWidth_ + 1));
  }

 private:
  int borderWidth_ = 0;
};

class TGeometryForm : public TForm {
 public:
  using TForm::TForm;
  std::string ClassName() const override { return "TGeometryForm"; }
  TInsetPanel* Frame = nullptr;
  TInsetPanel* Title = nullptr;
  TInsetPanel* Buttons = nullptr;
  TInsetPanel* Toolbar = nullptr;
  TInsetPanel* Ruler = nullptr;
  TInsetPanel* Editor = nullptr;
  TInsetPanel* Status = nullptr;
};

void Register() {
  static bool done = false;
  if (done) return;
  LayoutClass<TInsetPanel, TCustomControl>("TInsetPanel")
      .Int("BorderWidth", &TInsetPanel::SetBorderWidth);
  LayoutClass<TGeometryForm, TForm>("TGeometryForm")
      .Field("Frame", &TGeometryForm::Frame)
      .Field("Title", &TGeometryForm::Title)
      .Field("Buttons", &TGeometryForm::Buttons)
      .Field("Toolbar", &TGeometryForm::Toolbar)
      .Field("Ruler", &TGeometryForm::Ruler)
      .Field("Editor", &TGeometryForm::Editor)
      .Field("Status", &TGeometryForm::Status);
  done = true;
}

TEST(LayoutGeometry, AlignedPanelsLayOutToExactCoordinates) {
  Register();
  TGeometryForm form;
  ReadLayoutFile(form, TARVIK_SOURCE_DIR "/tests/platform/layouts/GeometryForm.layout");

  EXPECT_EQ(form.ClientWidth(), 745);
  EXPECT_EQ(form.ClientHeight(), 498);
  EXPECT_EQ(form.Frame->BoundsRect(), Bounds(0, 0, 745, 498));
  EXPECT_EQ(form.Frame->Parent(), &form);
  EXPECT_EQ(form.Title->Parent(), form.Frame);
  EXPECT_EQ(form.Buttons->Parent(), form.Title);

  // Border 10: the first top-aligned child starts at (11, 11).
  EXPECT_EQ(form.Title->BoundsRect(), Bounds(11, 11, 723, 33));
  // Its own child is right-aligned inside its 1-pixel inset.
  EXPECT_EQ(form.Buttons->BoundsRect(), Bounds(723 - 1 - 95, 1, 95, 31));
  // The later Height wins; the stored Left of an aligned control does not count.
  EXPECT_EQ(form.Toolbar->BoundsRect(), Bounds(11, 44, 723, 77));
  EXPECT_FALSE(form.Ruler->Visible());
  EXPECT_EQ(form.Status->BoundsRect(), Bounds(11, 468, 723, 19));
  // The hidden ruler gives its 25 pixels to the editor.
  EXPECT_EQ(form.Editor->BoundsRect(), Bounds(11, 121, 723, 347));

  // Showing it stacks it below the toolbar and shrinks the editor.
  form.Ruler->SetVisible(true);
  EXPECT_EQ(form.Ruler->BoundsRect(), Bounds(11, 121, 723, 25));
  EXPECT_EQ(form.Editor->BoundsRect(), Bounds(11, 146, 723, 322));
  form.Ruler->SetVisible(false);
  EXPECT_EQ(form.Editor->BoundsRect(), Bounds(11, 121, 723, 347));

  // A wider border moves everything in.
  form.Frame->SetBorderWidth(3);
  EXPECT_EQ(form.Title->BoundsRect(), Bounds(4, 4, 737, 33));
  EXPECT_EQ(form.Status->BoundsRect(), Bounds(4, 475, 737, 19));
}

}  // namespace
