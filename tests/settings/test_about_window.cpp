// The about window: its layout, the logo drawn unscaled, centring at every showing from its size
// at that moment, the two web addresses and "Х".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/AtomButton.h"
#include "controls/RbPanel.h"
#include "pictures/RxGIF.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/framework/Timer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "settings_fixture.h"

namespace {

class AboutWindow : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    znak = MakeWindow<TZnak>();
  }
  void TearDown() override {
    znak.reset();
    SettingsTest::TearDown();
  }
  // Shows the window modal as "О программе" does; once it is up, the user clicks "Х".
  TModalResult ShowAndCloseWithX() {
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.SetOnTimer([&](TComponent*) {
      timer.SetEnabled(false);
      shownBounds.push_back(znak->BoundsRect());
      wasModal = znak->Modal();
      ClickButton(znak->tAtomButton3);
    });
    return znak->ShowModal();
  }
  void ClickButton(tAtomButton* button) {
    const TPoint middle{button->Width() / 2, button->Height() / 2};
    TestInput::MouseMove(button, middle);
    TestInput::Click(button, middle);
  }

  std::unique_ptr<TZnak> znak;
  std::vector<TRect> shownBounds;
  bool wasModal = false;
};

TEST_F(AboutWindow, TheWindowAndItsPanelHaveTheirLayoutValues) {
  EXPECT_EQ(znak->BorderStyle(), TFormBorderStyle::bsNone);
  EXPECT_EQ(znak->ClientWidth(), 266);
  EXPECT_EQ(znak->ClientHeight(), 194);
  EXPECT_EQ(znak->Color(), clBtnFace);
  EXPECT_FALSE(znak->Visible());
  const TRbPanel& panel = *znak->RbPanel1;
  EXPECT_EQ(panel.Align(), TAlign::alClient);
  EXPECT_EQ(panel.BoundsRect(), Rect(0, 0, 266, 194));
  EXPECT_EQ(panel.Color(), 5614335u);
  EXPECT_EQ(panel.Font().Name(), "MS Sans Serif");
  EXPECT_EQ(panel.Font().Height(), -11);
  EXPECT_EQ(panel.Font().Style(), 0u);
  EXPECT_EQ(panel.Font().Color(), 13500416u);
  EXPECT_TRUE(panel.ShowCaption());
  EXPECT_EQ(panel.Caption(), "");
  EXPECT_EQ(panel.CaptionPosition(), TRbCaptionPos::cpTopLeft);
  EXPECT_TRUE(panel.TextShadow());
  EXPECT_EQ(panel.TextShadowColor(), clWhite);
  EXPECT_EQ(panel.CornerWidth(), 10);
  EXPECT_EQ(panel.BorderWidth(), 3);
  EXPECT_EQ(panel.BorderColor(), 16512u);
  EXPECT_EQ(panel.OuterColor(), clBtnFace);
  EXPECT_TRUE(panel.Antialiased());
  EXPECT_FALSE(panel.Gradient());
  EXPECT_EQ(panel.DefaultFrom(), clWhite);
  EXPECT_EQ(panel.DefaultTo(), 14933983u);
  EXPECT_EQ(panel.GradientType(), TGradientType::gtVertical);
}

TEST_F(AboutWindow, TheLogoIsTheTwoHundredByThirtyGifDrawnUnscaled) {
  const TImage& image = *znak->Image1;
  EXPECT_EQ(image.Parent(), znak->RbPanel1);
  EXPECT_EQ(image.BoundsRect(), Rect(24, 4, 229, 37));
  ASSERT_NE(image.Picture().Graphic(), nullptr);
  EXPECT_NE(dynamic_cast<const TGIFImage*>(image.Picture().Graphic()), nullptr);
  EXPECT_EQ(image.Picture().Width(), 200);
  EXPECT_EQ(image.Picture().Height(), 30);
  EXPECT_FALSE(image.Stretch());
  EXPECT_FALSE(image.Center());
  EXPECT_EQ(image.DestRect(), Rect(0, 0, 200, 30));
}

TEST_F(AboutWindow, TheNoticeIsSevenLinesInItsFont) {
  const TLabel& notice = *znak->Label1;
  EXPECT_EQ(notice.BoundsRect(), Rect(8, 40, 254, 131));
  int lines = 1;
  for (std::size_t at = 0; (at = notice.Caption().find("\r\n", at)) != std::string::npos; at += 2)
    ++lines;
  EXPECT_EQ(lines, 7);
  EXPECT_NE(notice.Caption().find("Тарвик"), std::string::npos);
  EXPECT_EQ(notice.Font().Name(), "MS Sans Serif");
  EXPECT_EQ(notice.Font().Height(), -11);
  EXPECT_EQ(notice.Font().Style(), fsBold);
  EXPECT_EQ(notice.Font().Color(), 8256u);
}

TEST_F(AboutWindow, TheThreeButtonsShareTheirColoursAndFonts) {
  struct Row {
    tAtomButton* button;
    TRect bounds;
    std::string caption;
  };
  const Row rows[] = {{znak->tAtomButton1, Rect(18, 140, 251, 161), SecondSiteAddress()},
                      {znak->tAtomButton2, Rect(18, 164, 251, 185), HomePageAddress()},
                      {znak->tAtomButton3, Rect(236, 4, 261, 25), "\u0425"}};
  for (const Row& r : rows) {
    tAtomButton& b = *r.button;
    SCOPED_TRACE(b.Name());
    EXPECT_EQ(b.Parent(), znak->RbPanel1);
    EXPECT_EQ(b.BoundsRect(), r.bounds);
    EXPECT_EQ(b.caption(), r.caption);
    EXPECT_EQ(b.Cursor(), crHandPoint);
    EXPECT_TRUE(b.enabled());
    EXPECT_EQ(b.BtnColorNormal1(), 7715583u);
    EXPECT_EQ(b.BtnColorNormal2(), 28895u);
    EXPECT_EQ(b.BtnColorMouseOn1(), 28637u);
    EXPECT_EQ(b.BtnColorMouseOn2(), 8240895u);
    EXPECT_EQ(b.BtnColorMouseDown1(), 4227327u);
    EXPECT_EQ(b.BtnColorMouseDown2(), 16512u);
    EXPECT_EQ(b.BtnColorEnable1(), 1543167u);
    EXPECT_EQ(b.BtnColorEnable2(), 33023u);
    EXPECT_EQ(b.textBitmapWidth(), 0);
    for (TFont* font : {&b.BtnFontNormal(), &b.BtnFontMouseOn(), &b.BtnFontMouseDown(),
                        &b.BtnFontMouseEneble()}) {
      EXPECT_EQ(font->Name(), "MS Sans Serif");
      EXPECT_EQ(font->Height(), -11);
      EXPECT_EQ(font->Style(), fsBold);
      EXPECT_EQ(font->Color(), clWindowText);
    }
  }
}

TEST_F(AboutWindow, TheAddressesAreTwoDifferentWebAddresses) {
  const std::string home = HomePageAddress();
  const std::string second = SecondSiteAddress();
  EXPECT_NE(home, second);
  for (const std::string& address : {home, second})
    EXPECT_EQ(address.rfind("https://", 0), 0u) << address;
}

TEST_F(AboutWindow, EachShowingCentresTheWindowFromItsSizeAtThatMoment) {
  // First from the design size 266 x 194, then from 265 x 224.
  EXPECT_EQ(ShowAndCloseWithX(), mrCancel);
  EXPECT_EQ(ShowAndCloseWithX(), mrCancel);
  const std::vector<TRect> expected = {Bounds((1024 - 266) / 2, (768 - 194) / 2, 265, 224),
                                       Bounds((1024 - 265) / 2, (768 - 224) / 2, 265, 224)};
  EXPECT_EQ(shownBounds, expected);
  EXPECT_EQ(shownBounds[0], Rect(379, 287, 644, 511));  // grew 30 pixels downward
  EXPECT_EQ(shownBounds[1], Rect(379, 272, 644, 496));
}

TEST_F(AboutWindow, XEndsTheModalShowingAndHidesTheWindow) {
  EXPECT_EQ(ShowAndCloseWithX(), mrCancel);
  EXPECT_TRUE(wasModal);
  EXPECT_FALSE(znak->Visible());
  EXPECT_FALSE(znak->Modal());
  EXPECT_EQ(env.urls, std::vector<std::string>{});
}

TEST_F(AboutWindow, TheLinkButtonsOpenTheirAddressesAndIgnoreTheResult) {
  env.urlOpens = false;  // no browser: nothing is said
  znak->Show();
  TestInput::ProcessEvents();
  ClickButton(znak->tAtomButton1);
  ClickButton(znak->tAtomButton2);
  EXPECT_EQ(env.urls, (std::vector<std::string>{SecondSiteAddress(), HomePageAddress()}));
  EXPECT_EQ(env.messageBoxes.size(), 0u);
  EXPECT_TRUE(znak->Visible());
}

}  // namespace
