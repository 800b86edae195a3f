// Reading rounded controls from layouts: every published property, the colour sets as
// dotted sub-properties, the style manager reference, and the order rule of Gradient after
// Antialiased.
#include <gtest/gtest.h>

#include "controls/RbButton.h"
#include "controls/RbPanel.h"
#include "controls/RoundedLayoutClasses.h"
#include "platform/control_fixture.h"
#include "platform/layout/LayoutReader.h"
#include "platform/layout/LayoutValue.h"

namespace {

class RoundedLayouts : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    RegisterRoundedLayoutClasses();
    RegisterRoundedLayoutClasses();  // a second run adds nothing and breaks nothing
  }
};

const char* const kSettingsLayout = R"(object Form2: TForm
  BorderStyle = bsNone
  Width = 420
  Height = 260
  object RbPanel1: TRbPanel
    Left = 2
    Top = 2
    Width = 201
    Height = 229
    Caption = 'Настройка текста'
    CaptionPosition = cpGroupBox
    CornerWidth = 12
    BorderWidth = 3
    BorderColor = 27090
    OuterColor = 4892159
    TextShadowColor = 12180735
    Antialiased = True
    Gradient = True
    DefaultFrom = 12180735
    DefaultTo = 9685503
    GradientType = gtRadial
    TextShadow = False
    ShowCaption = True
    Color = 4892159
    Font.Name = 'Arial Black'
    Font.Height = -12
    Font.Style = [fsBold, fsItalic, fsUnderline]
    Font.Color = 16512
    About = 'someone else''s text'
    RbStyleManager = RbStyleManager1
    object RbButton1: TRbButton
      Left = 69
      Top = 112
      Width = 61
      Height = 17
      Caption = 'Выход'
      ModalResult = 2
      CornerWidth = 8
      Spacing = 3
      Layout = blGlyphTop
      Colors.DefaultFrom = 9685503
      Colors.DefaultTo = 1149183
      Colors.OverFrom = 9685503
      Colors.OverTo = 16512
      Colors.ClickedFrom = 9685503
      Colors.ClickedTo = 9685504
      Colors.HotTrack = 1411839
      Colors.BorderColor = 16512
      Colors.TextShadow = 12706047
      FadeSpeed = fsFast
      ShowFocusRect = False
      HotTrack = True
      Default = True
      Cancel = True
      GradientBorder = False
      GroupIndex = 4
      AllowAllUp = True
      Down = True
      GradientType = gtDoubleVert
      Color = 27090
      Cursor = crHandPoint
      TabOrder = 6
    end
  end
  object RbStyleManager1: TRbStyleManager
    Colors.HotTrack = 255
    SplitterColors.OverTo = 65280
    ShowFocusRect = False
    HotTrack = True
    GradientBorder = False
    TextShadow = False
    CheckColor = clRed
    FadeSpeed = fsSlow
    PanelColor = 1
    BorderColor = 2
    Font.Name = 'Arial'
  end
end
)";

TEST_F(RoundedLayouts, EveryPublishedPropertyIsRead) {
  TForm form(nullptr);
  ReadLayoutText(form, kSettingsLayout, "Form2");
  auto* panel = dynamic_cast<TRbPanel*>(form.FindComponent("RbPanel1"));
  auto* button = dynamic_cast<TRbButton*>(form.FindComponent("RbButton1"));
  auto* manager = dynamic_cast<TRbStyleManager*>(form.FindComponent("RbStyleManager1"));
  ASSERT_TRUE(panel && button && manager);

  EXPECT_EQ(panel->Caption(), "Настройка текста");
  EXPECT_EQ(panel->CaptionPosition(), TRbCaptionPos::cpGroupBox);
  EXPECT_EQ(panel->CornerWidth(), 12);
  EXPECT_EQ(panel->BorderWidth(), 3);
  EXPECT_EQ(panel->BorderColor(), 27090u);
  EXPECT_EQ(panel->OuterColor(), 4892159u);
  EXPECT_EQ(panel->TextShadowColor(), 12180735u);
  EXPECT_TRUE(panel->Antialiased());
  EXPECT_FALSE(panel->Gradient()) << "Gradient after Antialiased stays off";
  EXPECT_EQ(panel->DefaultFrom(), 12180735u);
  EXPECT_EQ(panel->DefaultTo(), 9685503u);
  EXPECT_EQ(panel->GradientType(), TGradientType::gtRadial);
  EXPECT_FALSE(panel->TextShadow());
  EXPECT_TRUE(panel->ShowCaption());
  EXPECT_EQ(panel->Color(), 4892159u);
  EXPECT_EQ(panel->Font().Name(), "Arial Black");
  EXPECT_EQ(panel->Font().Style(), unsigned(fsBold | fsItalic | fsUnderline));
  EXPECT_NE(panel->About(), "someone else's text");
  EXPECT_EQ(panel->RbStyleManager(), manager);
  EXPECT_EQ(manager->ControlCount(), 1);
  // Drawn at construction (default size), not while reading, once at the end (final size).
  EXPECT_EQ(panel->BufferRedraws(), 2);
  EXPECT_EQ(panel->Buffer().Width(), 201);
  EXPECT_EQ(panel->Buffer().Height(), 229);

  EXPECT_EQ(button->Caption(), "Выход");
  EXPECT_EQ(button->ModalResult(), mrCancel);
  EXPECT_EQ(button->CornerWidth(), 8);
  EXPECT_EQ(button->Spacing(), 3);
  EXPECT_EQ(button->Layout(), TButtonLayout::blGlyphTop);
  const TRbControlColors& c = button->Colors();
  EXPECT_EQ(c.DefaultFrom(), 9685503u);
  EXPECT_EQ(c.DefaultTo(), 1149183u);
  EXPECT_EQ(c.OverFrom(), 9685503u);
  EXPECT_EQ(c.OverTo(), 16512u);
  EXPECT_EQ(c.ClickedFrom(), 9685503u);
  EXPECT_EQ(c.ClickedTo(), 9685504u);
  EXPECT_EQ(c.HotTrack(), 1411839u);
  EXPECT_EQ(c.BorderColor(), 16512u);
  EXPECT_EQ(c.TextShadow(), 12706047u);
  EXPECT_EQ(button->FadeSpeed(), TFadeSpeed::fsFast);
  EXPECT_FALSE(button->ShowFocusRect());
  EXPECT_TRUE(button->HotTrack());
  EXPECT_TRUE(button->Default());
  EXPECT_TRUE(button->Cancel());
  EXPECT_FALSE(button->GradientBorder());
  EXPECT_EQ(button->GroupIndex(), 4);
  EXPECT_TRUE(button->AllowAllUp());
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(button->GradientType(), TGradientType::gtDoubleVert);
  EXPECT_EQ(button->Color(), 27090u);
  EXPECT_EQ(button->Cursor(), crHandPoint);
  EXPECT_EQ(button->DefaultBitmap().Width(), 61);
  EXPECT_EQ(button->Parent(), panel);

  EXPECT_EQ(manager->Colors().HotTrack(), 255u);
  EXPECT_EQ(manager->SplitterColors().OverTo(), 65280u);
  EXPECT_FALSE(manager->ShowFocusRect());
  EXPECT_TRUE(manager->HotTrack());
  EXPECT_FALSE(manager->GradientBorder());
  EXPECT_FALSE(manager->TextShadow());
  EXPECT_EQ(manager->CheckColor(), clRed);
  EXPECT_EQ(manager->FadeSpeed(), TFadeSpeed::fsSlow);
  EXPECT_EQ(manager->PanelColor(), 1u);
  EXPECT_EQ(manager->BorderColor(), 2u);
  EXPECT_EQ(manager->Font().Name(), "Arial");
}

TEST_F(RoundedLayouts, GradientBeforeSmoothingIsOffAndWithoutSmoothingOn) {
  struct Case {
    const char* lines;
    bool antialiased;
    bool gradient;
  };
  const Case cases[] = {
      {"Antialiased = True\n    Gradient = True\n", true, false},
      {"Gradient = True\n    Antialiased = True\n", true, false},
      {"Antialiased = False\n    Gradient = True\n", false, true},
      {"Gradient = True\n    Antialiased = False\n", false, false},
  };
  for (const Case& c : cases) {
    TForm form(nullptr);
    const std::string text =
        std::string("object F: TForm\n  object P: TRbPanel\n    ") + c.lines + "  end\nend\n";
    ReadLayoutText(form, text, "F");
    auto* panel = dynamic_cast<TRbPanel*>(form.FindComponent("P"));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Antialiased(), c.antialiased) << c.lines;
    EXPECT_EQ(panel->Gradient(), c.gradient) << c.lines;
  }
}

TEST_F(RoundedLayouts, MistakesNameTheLineAndTheProperty) {
  const struct {
    const char* className;
    const char* property;
    const char* expected;
  } cases[] = {
      {"TRbPanel", "CaptionPosition = cpNowhere", "cpNowhere"},
      {"TRbButton", "Colors.Purple = 1", "Purple"},
      {"TRbButton", "FadeSpeed = fsLightning", "fsLightning"},
      {"TRbPanel", "Colors.OverTo = 1", "Colors"},
  };
  for (const auto& c : cases) {
    TForm form(nullptr);
    const std::string text = std::string("object F: TForm\n  object B: ") + c.className + "\n    " +
                             c.property + "\n  end\nend\n";
    try {
      ReadLayoutText(form, text, "F");
      ADD_FAILURE() << "no error for " << c.property;
    } catch (const EInvalidLayout& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find(c.expected), std::string::npos) << message;
      EXPECT_NE(message.find("line 3"), std::string::npos) << message;
    }
  }
}

}  // namespace
