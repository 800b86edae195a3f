// The settings window as its layout builds it: the window, every control's place, size, text,
// colours, font and tab order, and the properties of the rounded panels, the spinner, the style
// group, the check boxes, the swatch and "Выход".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/RbButton.h"
#include "controls/RbPanel.h"
#include "controls/RxCombos.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/RadioGroup.h"
#include "platform/environment/Dialogs.h"
#include "settings_fixture.h"

namespace {

constexpr TFontStyles kBoldItalic = fsBold | fsItalic;

struct FontRow {
  const char* name;
  int height;
  TFontStyles style;
  TColor color;
};

struct ControlRow {
  const char* name;
  const char* parent;
  int left, top, width, height;
  const char* caption;  // the control's caption or text
  FontRow font;
  int tabOrder;  // -1: not a windowed control
};

const FontRow kLabelFont{"Arial", -11, kBoldItalic, 16512};
const FontRow kPanelFont{"Arial Black", -12, fsBold | fsItalic | fsUnderline, 16512};

const ControlRow kControls[] = {
    {"RbPanel1", "Form2", 2, 2, 201, 229, "Настройка текста", kPanelFont, 0},
    {"Label1", "RbPanel1", 54, 19, 79, 13, "Цвет текста", kLabelFont, -1},
    {"ColorComboBox1", "RbPanel1", 21, 32, 150, 22, "", {"Arial", -12, 0, 12900}, 1},
    {"Label2", "RbPanel1", 47, 57, 92, 13, "Шрифт текста", kLabelFont, -1},
    {"FontComboBox1", "RbPanel1", 22, 72, 150, 22, "", {"Arial", -12, 0, 11867}, 2},
    {"Label3", "RbPanel1", 49, 96, 90, 13, "Размер текста", kLabelFont, -1},
    {"Edit1", "RbPanel1", 24, 112, 127, 23, "10", {"Arial", -12, kBoldItalic, 16512}, 3},
    {"UpDown1", "RbPanel1", 151, 112, 18, 23, "", {}, 4},
    {"RadioGroup1", "RbPanel1", 24, 142, 147, 81, "Стиль текста", kLabelFont, 0},
    {"RbPanel2", "Form2", 2, 233, 201, 136, "Настройка редактора", kPanelFont, 1},
    {"FlatCheckBox1", "RbPanel2", 8, 21, 145, 17, "Окно во весь экран", kLabelFont, 0},
    {"FlatCheckBox2", "RbPanel2", 8, 35, 189, 17, "Включить звук клавиатуры", kLabelFont, 1},
    {"FlatCheckBox4", "RbPanel2", 8, 49, 149, 17, "Показывать часы", kLabelFont, 3},
    {"FlatCheckBox3", "RbPanel2", 8, 63, 181, 17, "Включить звук редактора", kLabelFont, 2},
    {"FlatCheckBox5", "RbPanel2", 8, 77, 161, 17, "Показывать линейку", kLabelFont, 4},
    {"FlatButton3", "RbPanel2", 8, 93, 13, 13, "", {}, 5},
    {"Label4", "RbPanel2", 25, 92, 128, 13, "Цвет поля редактора", kLabelFont, -1},
    {"RbButton1", "RbPanel2", 69, 112, 61, 17, "Выход", kLabelFont, 6},
};

using SettingsLayout = SettingsTest;

TEST_F(SettingsLayout, TheWindowIsABorderlessStayOnTopWindowOfItsSizeAndColour) {
  EXPECT_EQ(form2->BorderStyle(), TFormBorderStyle::bsNone);
  EXPECT_EQ(form2->FormStyle(), fsStayOnTop);
  EXPECT_EQ(form2->ClientWidth(), 204);
  EXPECT_EQ(form2->ClientHeight(), 372);
  EXPECT_EQ(form2->Color(), 4892159u);
  EXPECT_EQ(form2->Font().Name(), "MS Sans Serif");
  EXPECT_EQ(form2->Font().Height(), -11);
  EXPECT_FALSE(form2->Visible());
}

TEST_F(SettingsLayout, EveryControlHasItsPlaceTextFontAndTabOrder) {
  for (const ControlRow& row : kControls) {
    SCOPED_TRACE(row.name);
    auto* control = dynamic_cast<TControl*>(form2->FindComponent(row.name));
    ASSERT_NE(control, nullptr);
    ASSERT_NE(control->Parent(), nullptr);
    EXPECT_EQ(control->Parent()->Name(), row.parent);
    EXPECT_EQ(control->Left(), row.left);
    EXPECT_EQ(control->Top(), row.top);
    EXPECT_EQ(control->Width(), row.width);
    if (dynamic_cast<TCustomComboBox*>(control)) {
      // A drop-down list is as high as its font makes its field: Arial here measures a pixel
      // less than on the desktop the layout was drawn on.
      EXPECT_GE(control->Height(), row.height - 1);
      EXPECT_LE(control->Height(), row.height);
    } else {
      EXPECT_EQ(control->Height(), row.height);
    }
    // The lists' text is their chosen entry (see the value tests).
    if (!dynamic_cast<TCustomComboBox*>(control)) {
      EXPECT_EQ(control->Caption(), row.caption);
    }
    if (row.font.name) {
      EXPECT_EQ(control->Font().Name(), row.font.name);
      EXPECT_EQ(control->Font().Height(), row.font.height);
      EXPECT_EQ(control->Font().Style(), row.font.style);
      EXPECT_EQ(control->Font().Color(), row.font.color);
    }
    if (row.tabOrder >= 0) {
      auto* windowed = dynamic_cast<TWinControl*>(control);
      ASSERT_NE(windowed, nullptr);
      EXPECT_EQ(windowed->TabOrder(), row.tabOrder);
    }
  }
}

TEST_F(SettingsLayout, TheFieldsAreTheLayoutsControls) {
  const std::vector<std::pair<const char*, TComponent*>> fields = {
      {"RbPanel1", form2->RbPanel1},
      {"Label1", form2->Label1},
      {"ColorComboBox1", form2->ColorComboBox1},
      {"Label2", form2->Label2},
      {"FontComboBox1", form2->FontComboBox1},
      {"Label3", form2->Label3},
      {"Edit1", form2->Edit1},
      {"UpDown1", form2->UpDown1},
      {"RadioGroup1", form2->RadioGroup1},
      {"RbPanel2", form2->RbPanel2},
      {"FlatCheckBox1", form2->FlatCheckBox1},
      {"FlatCheckBox2", form2->FlatCheckBox2},
      {"FlatCheckBox3", form2->FlatCheckBox3},
      {"FlatCheckBox4", form2->FlatCheckBox4},
      {"FlatCheckBox5", form2->FlatCheckBox5},
      {"FlatButton3", form2->FlatButton3},
      {"Label4", form2->Label4},
      {"RbButton1", form2->RbButton1},
      {"ColorDialog1", form2->ColorDialog1}};
  for (const auto& [name, field] : fields) {
    ASSERT_NE(field, nullptr) << name;
    EXPECT_EQ(field, form2->FindComponent(name)) << name;
  }
}

TEST_F(SettingsLayout, TheRoundedPanelsShareTheirLook) {
  for (TRbPanel* panel : {form2->RbPanel1, form2->RbPanel2}) {
    SCOPED_TRACE(panel->Name());
    EXPECT_TRUE(panel->ShowCaption());
    EXPECT_EQ(panel->CaptionPosition(), TRbCaptionPos::cpTopLeft);
    EXPECT_TRUE(panel->TextShadow());
    EXPECT_EQ(panel->TextShadowColor(), 12180735u);
    EXPECT_EQ(panel->Color(), 4892159u);
    EXPECT_EQ(panel->CornerWidth(), 10);
    EXPECT_EQ(panel->BorderWidth(), 3);
    EXPECT_EQ(panel->BorderColor(), 27090u);
    EXPECT_EQ(panel->OuterColor(), 4892159u);
    EXPECT_TRUE(panel->Antialiased());
    EXPECT_FALSE(panel->Gradient());
    EXPECT_EQ(panel->DefaultFrom(), 12180735u);
    EXPECT_EQ(panel->DefaultTo(), 9685503u);
    EXPECT_EQ(panel->GradientType(), TGradientType::gtVertical);
  }
}

TEST_F(SettingsLayout, TheListsTheSpinnerAndTheStyleGroupStartAtTheirValues) {
  for (TControl* list :
       std::initializer_list<TControl*>{form2->ColorComboBox1, form2->FontComboBox1, form2->Edit1})
    EXPECT_EQ(list->Color(), 1149183u) << list->Name();
  EXPECT_EQ(form2->ColorComboBox1->ColorValue(), 0u);
  EXPECT_EQ(form2->FontComboBox1->FontName(), "");
  EXPECT_EQ(form2->UpDown1->Associate(), form2->Edit1);
  EXPECT_EQ(form2->UpDown1->Min(), 6);
  EXPECT_EQ(form2->UpDown1->Max(), 30);
  EXPECT_EQ(form2->UpDown1->Position(), 10);
  const std::vector<std::string> styles = {"Простой", "Курсив", "Жирный", "Жирный курсив"};
  ASSERT_EQ(form2->RadioGroup1->Items().Count(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(form2->RadioGroup1->Items().Strings(i), styles[i]);
  EXPECT_EQ(form2->RadioGroup1->Columns(), 1);
  EXPECT_EQ(form2->RadioGroup1->ItemIndex(), 0);
  EXPECT_EQ(form2->ColorDialog1->Color(), 0u);
}

TEST_F(SettingsLayout, TheFiveCheckBoxesShareTheirLookAndStartChecked) {
  for (TFlatCheckBox* box : {form2->FlatCheckBox1, form2->FlatCheckBox2, form2->FlatCheckBox3,
                             form2->FlatCheckBox4, form2->FlatCheckBox5}) {
    SCOPED_TRACE(box->Name());
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(box->Color(), 4892159u);
    EXPECT_EQ(box->ColorFocused(), 9685503u);
    EXPECT_EQ(box->ColorDown(), 27090u);
    EXPECT_EQ(box->ColorCheck(), 16512u);
    EXPECT_EQ(box->ColorBorder(), 16512u);
    EXPECT_EQ(box->Cursor(), crHandPoint);
    EXPECT_TRUE(box->TabStop());
  }
}

TEST_F(SettingsLayout, TheSwatchKeepsItsOwnColours) {
  const TFlatButton& swatch = *form2->FlatButton3;
  EXPECT_EQ(swatch.Color(), 27090u);
  EXPECT_EQ(swatch.ColorFocused(), 3119103u);
  EXPECT_EQ(swatch.ColorDown(), 4892159u);
  EXPECT_EQ(swatch.ColorBorder(), 16512u);
  EXPECT_EQ(swatch.ColorHighLight(), 3119103u);
  EXPECT_EQ(swatch.ColorShadow(), 16512u);
  EXPECT_EQ(swatch.Cursor(), crHandPoint);
}

TEST_F(SettingsLayout, TheExitButtonHasItsColoursAndBehaviour) {
  TRbButton& exit = *form2->RbButton1;
  EXPECT_EQ(exit.Color(), 27090u);
  EXPECT_EQ(exit.CornerWidth(), 10);
  EXPECT_EQ(exit.Spacing(), 2);
  EXPECT_EQ(exit.Layout(), TButtonLayout::blGlyphLeft);
  EXPECT_TRUE(exit.TextShadow());
  EXPECT_TRUE(exit.ShowCaption());
  EXPECT_EQ(exit.ModalResult(), mrNone);
  EXPECT_EQ(exit.Colors().DefaultFrom(), 9685503u);
  EXPECT_EQ(exit.Colors().DefaultTo(), 1149183u);
  EXPECT_EQ(exit.Colors().OverFrom(), 9685503u);
  EXPECT_EQ(exit.Colors().OverTo(), 16512u);
  EXPECT_EQ(exit.Colors().ClickedFrom(), 9685503u);
  EXPECT_EQ(exit.Colors().ClickedTo(), 9685503u);
  EXPECT_EQ(exit.Colors().HotTrack(), 1411839u);
  EXPECT_EQ(exit.Colors().BorderColor(), 16512u);
  EXPECT_EQ(exit.Colors().TextShadow(), 12706047u);
  EXPECT_EQ(exit.FadeSpeed(), TFadeSpeed::fsMedium);
  EXPECT_TRUE(exit.ShowFocusRect());
  EXPECT_FALSE(exit.HotTrack());
  EXPECT_TRUE(exit.GradientBorder());
  EXPECT_EQ(exit.GroupIndex(), 0);
  EXPECT_FALSE(exit.AllowAllUp());
  EXPECT_FALSE(exit.Down());
  EXPECT_EQ(exit.GradientType(), TGradientType::gtVertical);
  EXPECT_EQ(exit.Cursor(), crHandPoint);
}

}  // namespace
