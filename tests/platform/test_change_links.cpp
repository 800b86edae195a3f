// Fonts, pictures and image lists tell every listener linked to them; drawing on a bitmap is a
// change its listeners hear; references across owners are dropped when the other side goes.
#include <gtest/gtest.h>

#include "control_fixture.h"
#include "platform/controls/Label.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Picture.h"
#include "platform/menus/PopupMenuBase.h"
#include "platform/qt/ControlHost.h"
#include "platform/testing/TestInput.h"

namespace {

// A menu that opens nowhere.
class QuietPopup : public TPopupMenuBase {
 public:
  using TPopupMenuBase::TPopupMenuBase;
  void Popup(int, int) override {}
};

}  // namespace

TEST_F(ControlTest, AControlAndAnotherListenerBothHearTheControlsFont) {
  TForm form(nullptr);
  Probe probe(nullptr, &form, Bounds(0, 0, 20, 20));
  ASSERT_TRUE(probe.ParentFont());
  int heard = 0;
  const TChangeLink cache = probe.Font().OnChange.Add([&](TFont&) { ++heard; });
  probe.Font().SetColor(clRed);
  EXPECT_EQ(heard, 1);
  // The control heard it too: its own font now differs from the parent's.
  EXPECT_FALSE(probe.ParentFont());
}

TEST(ChangeLinks, APictureAndACacheBothHearOneGraphic) {
  int pictureChanges = 0;
  TPicture picture([&] { ++pictureChanges; });
  TBitmap& bitmap = picture.Bitmap();
  pictureChanges = 0;
  int cacheChanges = 0;
  const TChangeLink cache = bitmap.OnChange.Add([&](TGraphic&) { ++cacheChanges; });
  bitmap.SetSize(8, 8);
  EXPECT_EQ(pictureChanges, 1);
  EXPECT_EQ(cacheChanges, 1);
}

TEST(ChangeLinks, DrawingOnABitmapsCanvasIsAChangeEveryListenerHears) {
  struct Case {
    const char* drawing;
    void (*draw)(TCanvas&);
  };
  const Case cases[] = {
      {"FillRect", [](TCanvas& c) { c.FillRect(Rect(0, 0, 4, 4)); }},
      {"LineTo",
       [](TCanvas& c) {
         c.MoveTo(0, 0);
         c.LineTo(5, 5);
       }},
      {"SetPixels", [](TCanvas& c) { c.SetPixels(1, 1, clRed); }},
      {"TextOut", [](TCanvas& c) { c.TextOut(0, 0, "Ш"); }},
      {"Ellipse", [](TCanvas& c) { c.Ellipse(0, 0, 6, 6); }},
  };
  for (const Case& c : cases) {
    int pictureChanges = 0;
    TPicture picture([&] { ++pictureChanges; });
    picture.Bitmap().SetSize(10, 10);
    int cacheChanges = 0;
    const TChangeLink cache = picture.Bitmap().OnChange.Add([&](TGraphic&) { ++cacheChanges; });
    pictureChanges = 0;
    c.draw(picture.Bitmap().Canvas());
    EXPECT_EQ(pictureChanges, 1) << c.drawing;
    EXPECT_EQ(cacheChanges, 1) << c.drawing;
  }
}

TEST(ChangeLinks, TwoListenersHearOneImageListAndADroppedOneNoMore) {
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(4);
  int menu = 0;
  int button = 0;
  const TChangeLink menuLink = list.OnChange.Add([&](TImageList&) { ++menu; });
  TChangeLink buttonLink = list.OnChange.Add([&](TImageList&) { ++button; });
  list.Add(TBitmap(8, 4));
  EXPECT_EQ(menu, 1);
  EXPECT_EQ(button, 1);
  buttonLink.Disconnect();
  list.Delete(0);
  EXPECT_EQ(menu, 2);
  EXPECT_EQ(button, 1);
}

TEST(ChangeLinks, AListenerThatWentFirstIsNeverCalled) {
  TFont font;
  int calls = 0;
  {
    const TChangeLink link = font.OnChange.Add([&](TFont&) { ++calls; });
    font.SetSize(10);
  }
  font.SetSize(12);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(font.OnChange.Count(), 0);
}

TEST_F(ControlTest, APopupMenuOfAnotherFormIsForgottenWhenItGoes) {
  TForm menus(nullptr);
  TForm window(nullptr);
  Probe probe(&window, &window, Bounds(0, 0, 20, 20));
  auto* menu = new QuietPopup(&menus);
  probe.SetPopupMenu(menu);
  auto* label = new TLabel(&window);
  auto* edit = new Probe(&menus, &menus, Bounds(0, 0, 20, 20));
  label->SetFocusControl(edit);
  delete menu;
  delete edit;
  EXPECT_EQ(probe.PopupMenu(), nullptr);
  EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST(Persistent, AComponentIsPersistentAndRefusesAnAssignmentItDoesNotKnow) {
  TComponent a(nullptr);
  TImageList b(nullptr);
  TPersistent& target = b;
  try {
    target.Assign(a);
    FAIL() << "assigning a component to an image list succeeded";
  } catch (const EConvertError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot assign a TComponent to a TImageList");
  }
}

TEST_F(ControlTest, DrawingOnAControlsCanvasOutsidePaintIsReplacedByTheNextRepaint) {
  auto form = MakeForm(0, 0, 100, 100);
  Probe probe(nullptr, form.get(), Bounds(10, 10, 30, 30), clLime);
  form->Show();
  TestInput::ProcessEvents(20);
  probe.Repaint();
  ASSERT_EQ(probe.host().surface.Canvas().Pixels(5, 5), ColorToRGB(clLime));
  probe.Canvas().Brush().SetColor(clRed);
  probe.Canvas().FillRect(Rect(0, 0, 30, 30));
  EXPECT_EQ(probe.host().surface.Canvas().Pixels(5, 5), clRed);
  probe.Repaint();
  EXPECT_EQ(probe.host().surface.Canvas().Pixels(5, 5), ColorToRGB(clLime));
}
