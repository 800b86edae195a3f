// Reading the panels and the link button from layout text under their stored names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/AtomButton.h"
#include "controls/PanelLayoutClasses.h"
#include "controls/SmoothPanel.h"
#include "controls/VasPanel.h"
#include "panels_fixture.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "platform/graphics/Graphic.h"
#include "platform/layout/LayoutClass.h"
#include "platform/layout/LayoutReader.h"
#include "platform/layout/LayoutValue.h"

namespace {

// A window with the handlers the layouts below name.
class TPanelsForm : public TForm {
 public:
  using TForm::TForm;
  std::string ClassName() const override { return "TPanelsForm"; }

  TSmoothPanel* SmoothPanel1 = nullptr;
  TSmoothPanel* SmoothPanel4 = nullptr;
  TVasPanel* VasPanel1 = nullptr;
  tAtomButton* tAtomButton1 = nullptr;

  std::vector<std::string> log;
  void SmoothPanel1MouseDown(TComponent*, TMouseButton, TShiftState, int x, int y) {
    log.push_back("drag@" + std::to_string(x) + "," + std::to_string(y));
  }
  void SmoothPanel4Click(TComponent*) { log.push_back("time"); }
  void PanelResize(TComponent*) { log.push_back("resize"); }
  void PanelWheel(TComponent*, TShiftState, int delta, TPoint, bool&) {
    log.push_back("wheel" + std::to_string(delta));
  }
  void PanelWheelUp(TComponent*, TShiftState, TPoint, bool&) { log.push_back("wheelup"); }
  void AtomClick(TComponent*) { log.push_back("open"); }
  void AtomNotify(TComponent*) { log.push_back("notify"); }
};

class PanelLayoutTest : public PanelsTest {
 protected:
  void SetUp() override {
    PanelsTest::SetUp();
    RegisterPanelLayoutClasses();
    RegisterPanelLayoutClasses();  // a second run adds nothing and fails nothing
    LayoutClass<TPanelsForm, TForm>("TPanelsForm")
        .Field("SmoothPanel1", &TPanelsForm::SmoothPanel1)
        .Field("SmoothPanel4", &TPanelsForm::SmoothPanel4)
        .Field("VasPanel1", &TPanelsForm::VasPanel1)
        .Field("tAtomButton1", &TPanelsForm::tAtomButton1)
        .Handler("SmoothPanel1MouseDown", &TPanelsForm::SmoothPanel1MouseDown)
        .Handler("SmoothPanel4Click", &TPanelsForm::SmoothPanel4Click)
        .Handler("PanelResize", &TPanelsForm::PanelResize)
        .Handler("PanelWheel", &TPanelsForm::PanelWheel)
        .Handler("PanelWheelUp", &TPanelsForm::PanelWheelUp)
        .Handler("AtomClick", &TPanelsForm::AtomClick)
        .Handler("AtomNotify", &TPanelsForm::AtomNotify);
  }

  std::unique_ptr<TPanelsForm> Read(const std::string& text) {
    auto window = std::make_unique<TPanelsForm>(nullptr);
    ReadLayoutText(*window, text, "TPanelsForm");
    return window;
  }

  static std::string ErrorOf(const std::string& text) {
    TForm form(nullptr);
    try {
      ReadLayoutText(form, text, "Test");
    } catch (const EInvalidLayout& e) {
      return e.what();
    }
    return "no error";
  }
};

const char* const kWindow = R"(object PanelsForm: TPanelsForm
  ClientWidth = 723
  ClientHeight = 498
  object SmoothPanel1: TSmoothPanel
    Left = 11
    Top = 11
    Width = 723
    Height = 33
    Align = alTop
    Color = 3644415
    BevelInner = bsRaised
    BorderWidth = 1
    onMouseDown = SmoothPanel1MouseDown
    onResize = PanelResize
    onMouseWheel = PanelWheel
    onMouseWheelUp = PanelWheelUp
    object SmoothPanel3: TSmoothPanel
      Left = 623
      Top = 5
      Width = 95
      Height = 23
      Align = alRight
      Color = 3644415
      BevelInner = bsLowered
      Caption = ''
    end
  end
  object SmoothPanel2: TSmoothPanel
    Top = 44
    Width = 723
    Height = 77
    Align = alTop
    Color = 6205183
    CustomColor = ccTeal
    BevelInner = bsRaised
    BevelOuter = bsLowered
    Layout = plRight
    ShadowText = False
    Caption = 'Панель'
    Enabled = False
    Visible = True
    ShowHint = True
    ParentShowHint = False
    Anchors = [akLeft, akTop]
    object SmoothPanel4: TSmoothPanel
      Left = 621
      Top = 6
      Width = 85
      Height = 18
      Cursor = crHandPoint
      Color = 3119103
      BevelInner = bsLowered
      ShadowDepth = 0
      Font.Charset = RUSSIAN_CHARSET
      Font.Color = 16512
      Font.Height = -13
      Font.Name = 'Arial'
      Font.Style = []
      ParentFont = False
      Caption = '00 :00 :00'
      onClick = SmoothPanel4Click
    end
  end
  object VasPanel1: TVasPanel
    Left = 5
    Top = 130
    Width = 251
    Height = 29
    BorderWidth = 2
    BevelOuter = bvLowered
    BevelWidth = 2
    Alignment = taLeftJustify
    Caption = 'Сохранить?'
    Color = 3972607
    ShadowColor = clRed
    ShadowPos = spLeftBottom
    ShadowSize = 4
    StyleKind = skShadow
  end
  object tAtomButton1: tAtomButton
    onClick = AtomClick
    onMouseMove = AtomNotify
    onMouseEnter = AtomNotify
    onMouseUp = AtomNotify
    onMouseDown = AtomNotify
    onMouseLeave = AtomNotify
    BtnColorNormal1 = 7715583
    BtnColorNormal2 = 28895
    BtnColorMouseOn1 = 28637
    BtnColorMouseOn2 = 8240895
    BtnColorMouseDown1 = 4227327
    BtnColorMouseDown2 = 16512
    BtnColorEnable1 = 1543167
    BtnColorEnable2 = 33023
    enabled = True
    caption = 'http://example.org'
    BtnFontNormal.Charset = DEFAULT_CHARSET
    BtnFontNormal.Color = clWindowText
    BtnFontNormal.Height = -11
    BtnFontNormal.Name = 'MS Sans Serif'
    BtnFontNormal.Style = [fsBold]
    BtnFontMouseOn.Style = [fsBold]
    BtnFontMouseDown.Style = [fsBold, fsItalic]
    BtnFontMouseEneble.Height = -12
    textBitmapWidth = 3
    Left = 18
    Top = 200
    Width = 233
    Height = 21
    Cursor = crHandPoint
    Hint = 'Сайт'
    Tag = 7
  end
end
)";

TEST_F(PanelLayoutTest, SmoothPanelsReadTheirPublishedProperties) {
  auto window = Read(kWindow);
  TSmoothPanel* title = window->SmoothPanel1;
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->Color(), 3644415u);
  EXPECT_EQ(title->BevelInner(), TBevelStyle::bsRaised);
  EXPECT_EQ(title->BorderWidth(), 1);
  EXPECT_EQ(title->Caption(), "");  // created by the reader: no name yet, so no caption
  auto* strip = dynamic_cast<TSmoothPanel*>(window->FindComponent("SmoothPanel3"));
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(strip->Parent(), title);
  EXPECT_EQ(strip->BevelInner(), TBevelStyle::bsLowered);
  EXPECT_EQ(strip->BoundsRect(), Bounds(623, 5, 95, 23));

  auto* toolbar = dynamic_cast<TSmoothPanel*>(window->FindComponent("SmoothPanel2"));
  ASSERT_NE(toolbar, nullptr);
  EXPECT_EQ(toolbar->CustomColor(), TCustomColor::ccTeal);
  EXPECT_EQ(toolbar->BevelOuter(), TBevelStyle::bsLowered);
  EXPECT_EQ(toolbar->Layout(), TLayout::plRight);
  EXPECT_FALSE(toolbar->ShadowText());
  EXPECT_EQ(toolbar->Caption(), "Панель");
  EXPECT_FALSE(toolbar->Enabled());
  EXPECT_TRUE(toolbar->ShowHint());

  TSmoothPanel* clock = window->SmoothPanel4;
  ASSERT_NE(clock, nullptr);
  EXPECT_EQ(clock->Parent(), toolbar);
  EXPECT_EQ(clock->ShadowDepth(), 0);
  EXPECT_EQ(clock->Caption(), "00 :00 :00");
  EXPECT_EQ(clock->Font().Name(), "Arial");
  EXPECT_EQ(clock->Font().Height(), -13);
  EXPECT_EQ(clock->Font().Color(), 16512u);
  EXPECT_EQ(clock->Cursor(), crHandPoint);
  EXPECT_EQ(clock->BoundsRect(), Bounds(621, 6, 85, 18));
}

TEST_F(PanelLayoutTest, SmoothPanelEventsUseTheirLowerCaseNames) {
  auto window = Read(kWindow);
  window->log.clear();
  TSmoothPanel* title = window->SmoothPanel1;
  ASSERT_TRUE(title->OnMouseDown);
  title->OnMouseDown(title, TMouseButton::mbLeft, 0, 3, 4);
  window->SmoothPanel4->OnClick(window->SmoothPanel4);
  title->OnResize(title);
  EXPECT_TRUE(title->DoMouseWheel(0, 120, Point(0, 0)) == false);
  EXPECT_EQ(window->log,
            (std::vector<std::string>{"drag@3,4", "time", "resize", "wheel120", "wheelup"}));
}

TEST_F(PanelLayoutTest, StoredStyleKindReadLastOverridesTheShadowValues) {
  auto window = Read(kWindow);
  TVasPanel* panel = window->VasPanel1;
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->StyleKind(), TStyleKind::skShadow);
  EXPECT_EQ(panel->ShadowColor(), clBtnShadow);
  EXPECT_EQ(panel->ShadowPos(), TShadowPosition::spRightBottom);
  EXPECT_EQ(panel->ShadowSize(), 2);
  EXPECT_EQ(panel->BorderWidth(), 2);
  EXPECT_EQ(panel->Color(), 3972607u);
  // The standard panel's properties come along.
  EXPECT_EQ(panel->BevelOuter(), TBevelCut::bvLowered);
  EXPECT_EQ(panel->BevelWidth(), 2);
  EXPECT_EQ(panel->Alignment(), TAlignment::taLeftJustify);
  EXPECT_EQ(panel->Caption(), "Сохранить?");
}

TEST_F(PanelLayoutTest, ShadowValuesWithoutAStyleMakeItCustom) {
  auto window = Read(R"(object PanelsForm: TPanelsForm
  object VasPanel1: TVasPanel
    ShadowColor = clRed
    ShadowPos = spLeftBottom
    ShadowSize = 4
  end
  object SmoothPanel1: TSmoothPanel
  end
  object SmoothPanel4: TSmoothPanel
  end
  object tAtomButton1: tAtomButton
  end
end
)");
  TVasPanel* panel = window->VasPanel1;
  EXPECT_EQ(panel->StyleKind(), TStyleKind::skCustom);
  EXPECT_EQ(panel->ShadowColor(), clRed);
  EXPECT_EQ(panel->ShadowPos(), TShadowPosition::spLeftBottom);
  EXPECT_EQ(panel->ShadowSize(), 4);
}

TEST_F(PanelLayoutTest, AtomButtonReadsItsLowerCaseProperties) {
  auto window = Read(kWindow);
  tAtomButton* button = window->tAtomButton1;
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->caption(), "http://example.org");
  EXPECT_EQ(button->Caption(), "");
  EXPECT_TRUE(button->enabled());
  EXPECT_EQ(button->BtnColorNormal1(), 7715583u);
  EXPECT_EQ(button->BtnColorNormal2(), 28895u);
  EXPECT_EQ(button->BtnColorMouseOn1(), 28637u);
  EXPECT_EQ(button->BtnColorMouseOn2(), 8240895u);
  EXPECT_EQ(button->BtnColorMouseDown1(), 4227327u);
  EXPECT_EQ(button->BtnColorMouseDown2(), 16512u);
  EXPECT_EQ(button->BtnColorEnable1(), 1543167u);
  EXPECT_EQ(button->BtnColorEnable2(), 33023u);
  EXPECT_EQ(button->BtnFontNormal().Style(), unsigned(fsBold));
  EXPECT_EQ(button->BtnFontMouseDown().Style(), unsigned(fsBold | fsItalic));
  EXPECT_EQ(button->BtnFontMouseEneble().Height(), -12);
  EXPECT_EQ(button->textBitmapWidth(), 3);
  EXPECT_EQ(button->BoundsRect(), Bounds(18, 200, 233, 21));
  EXPECT_EQ(button->Cursor(), crHandPoint);
  EXPECT_EQ(button->Hint(), "Сайт");
  EXPECT_EQ(button->Tag(), 7);
}

TEST_F(PanelLayoutTest, AtomButtonEventsAreItsOwnNotifications) {
  auto window = Read(kWindow);
  window->Show();
  tAtomButton* button = window->tAtomButton1;
  window->log.clear();
  button->MouseEnter();
  button->MouseDown(TMouseButton::mbLeft, ssLeft, 4, 4);
  button->MouseUp(TMouseButton::mbLeft, 0, 4, 4);
  EXPECT_EQ(window->log, (std::vector<std::string>{"notify", "notify", "notify", "open"}));
}

TEST_F(PanelLayoutTest, AtomButtonPictureIsReadFromItsStoredForm) {
  TBitmap picture = Filled(3, 2, clRed);
  TMemoryStream stream;
  picture.SaveToStream(stream);
  const auto stored = MakeStoredPicture("TBitmap", stream.Data());
  std::string hex;
  static const char* digits = "0123456789ABCDEF";
  for (std::uint8_t b : stored) {
    hex += digits[b >> 4];
    hex += digits[b & 15];
  }
  auto window = Read(std::string(R"(object PanelsForm: TPanelsForm
  object SmoothPanel1: TSmoothPanel
  end
  object SmoothPanel4: TSmoothPanel
  end
  object VasPanel1: TVasPanel
  end
  object tAtomButton1: tAtomButton
    bitmap.Data = {)") +
                     hex + R"(}
  end
end
)");
  TBitmap& bitmap = window->tAtomButton1->bitmap();
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.Canvas().Pixels(1, 1), RGB(255, 0, 0));
}

TEST_F(PanelLayoutTest, WrongValuesAreNamedInTheMessage) {
  struct Case {
    std::string property;
    std::string fragment;
  };
  const std::vector<Case> cases = {
      {"object P: TSmoothPanel\n CustomColor = ccPink\n end", "ccPink"},
      {"object P: TSmoothPanel\n BevelInner = bvRaised\n end", "bvRaised"},
      {"object P: TSmoothPanel\n Layout = taCenter\n end", "taCenter"},
      {"object P: TVasPanel\n ShadowSize = 256\n end", "ShadowSize"},
      {"object P: TVasPanel\n StyleKind = skFlat\n end", "skFlat"},
      {"object P: tAtomButton\n enabled = 3\n end", "enabled"},
      {"object P: tAtomButton\n BtnFontNormal.Colour = clRed\n end", "Colour"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.property);
    const std::string message = ErrorOf("object Form1: TForm\n" + c.property + "\nend\n");
    EXPECT_NE(message.find(c.fragment), std::string::npos) << message;
    EXPECT_NE(message.find("line 3"), std::string::npos) << message;
  }
}

}  // namespace
