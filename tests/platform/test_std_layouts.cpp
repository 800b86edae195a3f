// Every standard control, menu and image list is created from a layout with its published
// properties, and nothing fires while the layout is read.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "control_fixture.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/UpDown.h"
#include "platform/core/Stream.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include "platform/layout/LayoutClass.h"
#include "platform/layout/LayoutReader.h"
#include "platform/menus/Menus.h"

namespace {

class TStdForm : public TForm {
 public:
  using TForm::TForm;
  std::string ClassName() const override { return "TStdForm"; }

  TLabel* Label1 = nullptr;
  TEdit* Edit1 = nullptr;
  TUpDown* UpDown1 = nullptr;
  TRadioGroup* RadioGroup1 = nullptr;
  TComboBox* ComboBox1 = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TPanel* Panel1 = nullptr;
  TImage* Image1 = nullptr;
  TPopupMenu* PopupMenu1 = nullptr;
  TImageList* ImageList1 = nullptr;
  std::vector<std::string> log;

  void Edit1Change(TComponent*) { log.push_back("Edit1Change"); }
  void UpDown1Click(TComponent*, TUDBtnType) { log.push_back("UpDown1Click"); }
  void ComboBox1Change(TComponent*) { log.push_back("ComboBox1Change"); }
  void ComboBox1DrawItem(TComponent*, int, const TRect&, TOwnerDrawState) {
    log.push_back("ComboBox1DrawItem");
  }
  void RadioGroup1Click(TComponent*) { log.push_back("RadioGroup1Click"); }
  void N1Click(TComponent*) { log.push_back("N1Click"); }
  void PopupMenu1Popup(TComponent*) { log.push_back("PopupMenu1Popup"); }
};

void RegisterStdForm() {
  LayoutClass<TStdForm, TForm>("TStdForm")
      .Field("Label1", &TStdForm::Label1)
      .Field("Edit1", &TStdForm::Edit1)
      .Field("UpDown1", &TStdForm::UpDown1)
      .Field("RadioGroup1", &TStdForm::RadioGroup1)
      .Field("ComboBox1", &TStdForm::ComboBox1)
      .Field("StatusBar1", &TStdForm::StatusBar1)
      .Field("Panel1", &TStdForm::Panel1)
      .Field("Image1", &TStdForm::Image1)
      .Field("PopupMenu1", &TStdForm::PopupMenu1)
      .Field("ImageList1", &TStdForm::ImageList1)
      .Handler("Edit1Change", &TStdForm::Edit1Change)
      .Handler("UpDown1Click", &TStdForm::UpDown1Click)
      .Handler("ComboBox1Change", &TStdForm::ComboBox1Change)
      .Handler("ComboBox1DrawItem", &TStdForm::ComboBox1DrawItem)
      .Handler("RadioGroup1Click", &TStdForm::RadioGroup1Click)
      .Handler("N1Click", &TStdForm::N1Click)
      .Handler("PopupMenu1Popup", &TStdForm::PopupMenu1Popup);
}

// A 3 x 2 bitmap in the stored picture form, as hexadecimal layout data.
std::string StoredBitmapHex() {
  TBitmap bitmap(3, 2);
  bitmap.Canvas().SetPixels(0, 0, clRed);
  TMemoryStream bmp;
  bitmap.SaveToStream(bmp);
  std::string hex;
  for (std::uint8_t b : MakeStoredPicture("TBitmap", bmp.Data())) {
    char two[3];
    std::snprintf(two, sizeof two, "%02X", b);
    hex += two;
  }
  return hex;
}

std::string Layout() {
  return R"(object StdForm: TStdForm
  Left = 10
  Top = 10
  Width = 300
  Height = 400
  PopupMenu = PopupMenu1
  object Panel1: TPanel
    Left = 0
    Top = 0
    Width = 300
    Height = 60
    Align = alTop
    BevelInner = bvLowered
    BevelOuter = bvRaised
    BevelWidth = 2
    BorderWidth = 3
    BorderStyle = bsNone
    Alignment = taLeftJustify
    Caption = 'Заголовок'
    object Image1: TImage
      Left = 8
      Top = 8
      Width = 26
      Height = 26
      Center = True
      Stretch = False
      Proportional = False
      Transparent = True
      Picture.Data = {)" +
         StoredBitmapHex() + R"(}
    end
  end
  object Label1: TLabel
    Left = 54
    Top = 70
    Width = 79
    Height = 13
    Caption = '&Цвет текста'
    FocusControl = Edit1
    Alignment = taRightJustify
    Layout = tlCenter
    AutoSize = False
    WordWrap = True
    Transparent = True
    ShowAccelChar = True
    Font.Name = 'Arial'
    Font.Height = -11
    Font.Style = [fsBold, fsItalic]
    Font.Color = 16512
  end
  object Edit1: TEdit
    Left = 24
    Top = 112
    Width = 127
    Height = 23
    Color = 1149183
    MaxLength = 2
    ReadOnly = False
    AutoSelect = False
    TabOrder = 3
    Text = '10'
    OnChange = Edit1Change
  end
  object UpDown1: TUpDown
    Left = 151
    Top = 112
    Width = 18
    Height = 23
    Associate = Edit1
    Min = 6
    Max = 30
    Position = 10
    Increment = 2
    Wrap = True
    ArrowKeys = False
    AlignButton = udRight
    Orientation = udVertical
    TabOrder = 4
    OnClick = UpDown1Click
  end
  object RadioGroup1: TRadioGroup
    Left = 24
    Top = 142
    Width = 147
    Height = 81
    Caption = 'Стиль текста'
    ItemIndex = 3
    Columns = 1
    Items.Strings = (
      'Простой'
      'Курсив'
      'Жирный'
      'Жирный курсив')
    TabOrder = 0
    OnClick = RadioGroup1Click
  end
  object ComboBox1: TComboBox
    Left = 21
    Top = 240
    Width = 150
    Height = 22
    Style = csOwnerDrawFixed
    ItemHeight = 16
    ItemIndex = 1
    DropDownCount = 12
    Sorted = False
    Items.Strings = (
      'Black'
      'Maroon')
    OnChange = ComboBox1Change
    OnDrawItem = ComboBox1DrawItem
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 381
    Width = 300
    Height = 19
    Color = 9685503
    AutoHint = True
    SimplePanel = False
    SizeGrip = False
    Panels = <
      item
        Width = 150
        Text = 'Строка'
      end
      item
        Width = 50
        Alignment = taCenter
        Bevel = pbRaised
      end>
  end
  object PopupMenu1: TPopupMenu
    Alignment = paCenter
    TrackButton = tbLeftButton
    AutoPopup = False
    OwnerDraw = True
    OnPopup = PopupMenu1Popup
    object N1: TMenuItem
      Caption = 'Со&здать'
      Hint = 'Создать|Новый документ'
      ShortCut = 16462
      OnClick = N1Click
    end
    object N2: TMenuItem
      Caption = '-'
    end
    object N3: TMenuItem
      Caption = 'Ещё'
      object N4: TMenuItem
        Caption = 'Радио'
        RadioItem = True
        GroupIndex = 2
        Checked = True
        ShortCut = 'Ctrl+Shift+F4'
      end
      object N5: TMenuItem
        Caption = 'Скрыт'
        Visible = False
        Enabled = False
        Default = True
        ImageIndex = 3
        AutoCheck = True
      end
    end
  end
  object ImageList1: TImageList
    Width = 20
    Height = 12
  end
end
)";
}

class StdLayoutTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    RegisterStdForm();
  }
};

TEST_F(StdLayoutTest, EveryClassIsCreatedWithItsProperties) {
  TStdForm form(nullptr);
  ReadLayoutText(form, Layout(), "StdForm");
  EXPECT_TRUE(form.log.empty()) << form.log.front();  // nothing fires while reading

  TPanel& panel = *form.Panel1;
  EXPECT_EQ(panel.BevelInner(), bvLowered);
  EXPECT_EQ(panel.BevelWidth(), 2);
  EXPECT_EQ(panel.BorderWidth(), 3);
  EXPECT_EQ(panel.Alignment(), taLeftJustify);
  EXPECT_EQ(panel.Caption(), "Заголовок");

  TImage& image = *form.Image1;
  EXPECT_EQ(image.Parent(), &panel);
  EXPECT_TRUE(image.Center());
  EXPECT_TRUE(image.Transparent());
  ASSERT_NE(image.Picture().Graphic(), nullptr);
  EXPECT_EQ(image.Picture().Width(), 3);
  EXPECT_EQ(image.Picture().Height(), 2);

  TLabel& label = *form.Label1;
  EXPECT_EQ(label.FocusControl(), form.Edit1);
  EXPECT_EQ(label.Alignment(), taRightJustify);
  EXPECT_EQ(label.Layout(), tlCenter);
  EXPECT_FALSE(label.AutoSize());
  EXPECT_TRUE(label.WordWrap());
  EXPECT_TRUE(label.Transparent());
  EXPECT_EQ(label.BoundsRect(), Bounds(54, 70, 79, 13));
  EXPECT_EQ(label.Font().Style(), fsBold | fsItalic);

  TEdit& edit = *form.Edit1;
  EXPECT_EQ(edit.Text(), "10");
  EXPECT_EQ(edit.MaxLength(), 2);
  EXPECT_FALSE(edit.AutoSelect());
  EXPECT_EQ(edit.Color(), 1149183u);

  TUpDown& updown = *form.UpDown1;
  EXPECT_EQ(updown.Associate(), &edit);
  EXPECT_EQ(updown.Min(), 6);
  EXPECT_EQ(updown.Max(), 30);
  EXPECT_EQ(updown.Position(), 10);
  EXPECT_EQ(updown.Increment(), 2);
  EXPECT_TRUE(updown.Wrap());
  EXPECT_FALSE(updown.ArrowKeys());
  // Stored geometry stays as written: nothing moves while a layout is read.
  EXPECT_EQ(edit.BoundsRect(), Bounds(24, 112, 127, 23));
  EXPECT_EQ(updown.BoundsRect(), Bounds(151, 112, 18, 23));

  TRadioGroup& group = *form.RadioGroup1;
  EXPECT_EQ(group.Items().size(), 4u);
  EXPECT_EQ(group.ItemIndex(), 3);  // given before the items, kept once they are there

  TComboBox& combo = *form.ComboBox1;
  EXPECT_EQ(combo.Style(), TComboBoxStyle::csOwnerDrawFixed);
  EXPECT_EQ(combo.ItemIndex(), 1);
  EXPECT_EQ(combo.Text(), "Maroon");
  EXPECT_EQ(combo.DropDownCount(), 12);
  EXPECT_EQ(combo.Height(), 22);

  TStatusBar& bar = *form.StatusBar1;
  EXPECT_TRUE(bar.AutoHint());
  EXPECT_FALSE(bar.SizeGrip());
  ASSERT_EQ(bar.Panels().Count(), 2);
  EXPECT_EQ(bar.Panels()[0].Text(), "Строка");
  EXPECT_EQ(bar.Panels()[0].Width(), 150);
  EXPECT_EQ(bar.Panels()[1].Alignment(), taCenter);
  EXPECT_EQ(bar.Panels()[1].Bevel(), pbRaised);
  EXPECT_EQ(bar.BoundsRect(), Bounds(0, 381, 300, 19));

  TPopupMenu& menu = *form.PopupMenu1;
  EXPECT_EQ(form.PopupMenu(), &menu);
  EXPECT_EQ(menu.Alignment(), paCenter);
  EXPECT_EQ(menu.TrackButton(), tbLeftButton);
  EXPECT_FALSE(menu.AutoPopup());
  EXPECT_TRUE(menu.OwnerDraw());
  ASSERT_EQ(menu.Items()->Count(), 3);
  TMenuItem* n1 = menu.Items()->Items(0);
  EXPECT_EQ(n1->Name(), "N1");
  EXPECT_EQ(n1->Caption(), "Со&здать");
  EXPECT_EQ(n1->ShortCut(), ShortCut('N', ssCtrl));
  EXPECT_EQ(n1->Hint(), "Создать|Новый документ");
  EXPECT_TRUE(menu.Items()->Items(1)->IsLine());
  TMenuItem* more = menu.Items()->Items(2);
  ASSERT_EQ(more->Count(), 2);
  TMenuItem* n4 = more->Items(0);
  EXPECT_TRUE(n4->RadioItem());
  EXPECT_TRUE(n4->Checked());
  EXPECT_EQ(n4->GroupIndex(), 2);
  EXPECT_EQ(n4->ShortCut(), ShortCut(VK_F1 + 3, ssCtrl | ssShift));
  TMenuItem* n5 = more->Items(1);
  EXPECT_FALSE(n5->Visible());
  EXPECT_FALSE(n5->Enabled());
  EXPECT_TRUE(n5->Default());
  EXPECT_EQ(n5->ImageIndex(), 3);
  EXPECT_TRUE(n5->AutoCheck());

  EXPECT_EQ(form.ImageList1->Width(), 20);
  EXPECT_EQ(form.ImageList1->Height(), 12);

  // The handlers are wired.
  n1->Click();
  combo.OnDrawItem(&combo, 0, TRect{}, 0);
  updown.Step(btNext);
  EXPECT_EQ(form.log, (std::vector<std::string>{"N1Click", "ComboBox1DrawItem", "Edit1Change",
                                                "UpDown1Click"}));
}

TEST_F(StdLayoutTest, BadValuesNameTheLineAndTheProperty) {
  TStdForm form(nullptr);
  const std::string text = R"(object StdForm: TStdForm
  object ComboBox1: TComboBox
    Style = csFancy
  end
end
)";
  try {
    ReadLayoutText(form, text, "Bad");
    FAIL() << "no error";
  } catch (const EInvalidLayout& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find("Bad"), std::string::npos) << message;
    EXPECT_NE(message.find("3"), std::string::npos) << message;
    EXPECT_NE(message.find("csFancy"), std::string::npos) << message;
  }
  TStdForm other(nullptr);
  EXPECT_THROW(ReadLayoutText(other,
                              "object StdForm: TStdForm\n"
                              "  object PopupMenu1: TPopupMenu\n"
                              "    object N1: TMenuItem\n"
                              "      ShortCut = 'Ctrl+Nothing'\n"
                              "    end\n"
                              "  end\n"
                              "end\n",
                              "Bad"),
               EInvalidLayout);
}

}  // namespace
