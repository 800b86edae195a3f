#include "platform/layout/StdLayoutClasses.h"

#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/StatusBar.h"
#include "platform/controls/UpDown.h"
#include "platform/graphics/ImageList.h"
#include "platform/layout/LayoutClass.h"
#include "platform/menus/Menus.h"

namespace {

const TLayoutEnum<TAlignment> kAlignments = {
    {"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}};
const TLayoutEnum<TTextLayout> kTextLayouts = {
    {"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}};
const TLayoutEnum<TBevelCut> kBevelCuts = {
    {"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}};
// Controls know only these two of the window border styles.
const TLayoutEnum<TFormBorderStyle> kBorderStyles = {{"bsNone", TFormBorderStyle::bsNone},
                                                     {"bsSingle", TFormBorderStyle::bsSingle}};
const TLayoutEnum<TUDAlignButton> kAlignButtons = {{"udLeft", udLeft}, {"udRight", udRight}};
const TLayoutEnum<TUDOrientation> kOrientations = {{"udHorizontal", udHorizontal},
                                                   {"udVertical", udVertical}};
const TLayoutEnum<TStatusPanelBevel> kPanelBevels = {
    {"pbNone", pbNone}, {"pbLowered", pbLowered}, {"pbRaised", pbRaised}};
const TLayoutEnum<TStatusPanelStyle> kPanelStyles = {{"psText", psText},
                                                     {"psOwnerDraw", psOwnerDraw}};
const TLayoutEnum<TComboBoxStyle> kComboStyles = {
    {"csDropDown", TComboBoxStyle::csDropDown},
    {"csSimple", TComboBoxStyle::csSimple},
    {"csDropDownList", TComboBoxStyle::csDropDownList},
    {"csOwnerDrawFixed", TComboBoxStyle::csOwnerDrawFixed},
    {"csOwnerDrawVariable", TComboBoxStyle::csOwnerDrawVariable}};
const TLayoutEnum<TPopupAlignment> kPopupAlignments = {
    {"paLeft", paLeft}, {"paRight", paRight}, {"paCenter", paCenter}};
const TLayoutEnum<TTrackButton> kTrackButtons = {{"tbRightButton", tbRightButton},
                                                 {"tbLeftButton", tbLeftButton}};

void RegisterStdCtrls() {
  LayoutClass<TLabel, TGraphicControl>("TLabel")
      .Enum("Alignment", kAlignments, &TLabel::SetAlignment)
      .Bool("AutoSize", &TLabel::SetAutoSize)
      .Reference("FocusControl", &TLabel::SetFocusControl)
      .Enum("Layout", kTextLayouts, &TLabel::SetLayout)
      .Bool("ShowAccelChar", &TLabel::SetShowAccelChar)
      .Bool("Transparent", &TLabel::SetTransparent)
      .Bool("WordWrap", &TLabel::SetWordWrap);
  LayoutClass<TEdit, TCustomControl>("TEdit")
      .Bool("AutoSelect", &TEdit::SetAutoSelect)
      .Enum("BorderStyle", kBorderStyles, &TEdit::SetBorderStyle)
      .Int("MaxLength", &TEdit::SetMaxLength)
      .Bool("ReadOnly", &TEdit::SetReadOnly)
      .String("Text", [](TEdit& edit, const std::string& text) { edit.SetText(text); })
      .Event("OnChange", &TEdit::OnChange);
}

void RegisterExtCtrls() {
  LayoutClass<TPicture>("TPicture")
      .Graphic("Data", [](TPicture& picture, std::unique_ptr<TGraphic> graphic) {
        picture.SetGraphic(std::move(graphic));
      });
  LayoutClass<TImage, TGraphicControl>("TImage")
      .Object("Picture", [](TImage& image) -> TPicture& { return image.Picture(); })
      .Bool("AutoSize", &TImage::SetAutoSize)
      .Bool("Center", &TImage::SetCenter)
      .Bool("Proportional", &TImage::SetProportional)
      .Bool("Stretch", &TImage::SetStretch)
      .Bool("Transparent", &TImage::SetTransparent);
  LayoutClass<TPanel, TCustomControl>("TPanel")
      .Enum("Alignment", kAlignments, &TPanel::SetAlignment)
      .Enum("BevelInner", kBevelCuts, &TPanel::SetBevelInner)
      .Enum("BevelOuter", kBevelCuts, &TPanel::SetBevelOuter)
      .Int("BevelWidth", &TPanel::SetBevelWidth)
      .Int("BorderWidth", &TPanel::SetBorderWidth)
      .Enum("BorderStyle", kBorderStyles, &TPanel::SetBorderStyle);
}

void RegisterComCtrls() {
  LayoutClass<TUpDown, TCustomControl>("TUpDown")
      .Enum("AlignButton", kAlignButtons, &TUpDown::SetAlignButton)
      .Bool("ArrowKeys", &TUpDown::SetArrowKeys)
      .Reference("Associate", &TUpDown::SetAssociate)
      .Int("Increment", &TUpDown::SetIncrement)
      .Int("Max", &TUpDown::SetMax)
      .Int("Min", &TUpDown::SetMin)
      .Enum("Orientation", kOrientations, &TUpDown::SetOrientation)
      .Int("Position", &TUpDown::SetPosition)
      .Bool("Wrap", &TUpDown::SetWrap)
      .Event("OnChanging", &TUpDown::OnChanging)
      .Event("OnClick", &TUpDown::OnClick);
  LayoutClass<TStatusPanel>("TStatusPanel")
      .Enum("Alignment", kAlignments, &TStatusPanel::SetAlignment)
      .Enum("Bevel", kPanelBevels, &TStatusPanel::SetBevel)
      .Enum("Style", kPanelStyles, &TStatusPanel::SetStyle)
      .String("Text", &TStatusPanel::SetText)
      .Int("Width", &TStatusPanel::SetWidth);
  LayoutClass<TStatusBar, TCustomControl>("TStatusBar")
      .Collection(
          "Panels", [](TStatusBar& bar) -> TStatusPanel& { return bar.Panels().Add(); },
          [](TStatusBar& bar) { bar.Panels().Clear(); })
      .Bool("AutoHint", &TStatusBar::SetAutoHint)
      .Bool("SimplePanel", &TStatusBar::SetSimplePanel)
      .String("SimpleText", &TStatusBar::SetSimpleText)
      .Bool("SizeGrip", &TStatusBar::SetSizeGrip)
      .Event("OnDrawPanel", &TStatusBar::OnDrawPanel)
      .Event("OnHint", &TStatusBar::OnHint);
}

void RegisterRadioGroup() {
  LayoutClass<TRadioGroup, TCustomControl>("TRadioGroup")
      .Int("Columns", &TRadioGroup::SetColumns)
      .Int("ItemIndex", &TRadioGroup::SetItemIndex)
      .Strings("Items", &TRadioGroup::SetItems)
      .Strings("Items.Strings", &TRadioGroup::SetItems);
}

void RegisterComboBox() {
  LayoutClass<TCustomComboBox, TCustomControl>("TCustomComboBox")
      .Int("DropDownCount", &TCustomComboBox::SetDropDownCount)
      .Int("ItemHeight", &TCustomComboBox::SetItemHeight)
      .Int("ItemIndex", &TCustomComboBox::SetItemIndex)
      .Strings("Items", &TCustomComboBox::SetItems)
      .Strings("Items.Strings", &TCustomComboBox::SetItems)
      .Int("MaxLength", &TCustomComboBox::SetMaxLength)
      .Bool("Sorted", &TCustomComboBox::SetSorted)
      .Enum("Style", kComboStyles, &TCustomComboBox::SetStyle)
      .String("Text", [](TCustomComboBox& combo, const std::string& text) { combo.SetText(text); })
      .Event("OnChange", &TCustomComboBox::OnChange)
      .Event("OnCloseUp", &TCustomComboBox::OnCloseUp)
      .Event("OnDrawItem", &TCustomComboBox::OnDrawItem)
      .Event("OnDropDown", &TCustomComboBox::OnDropDown)
      .Event("OnMeasureItem", &TCustomComboBox::OnMeasureItem)
      .Event("OnSelect", &TCustomComboBox::OnSelect);
  LayoutClass<TComboBox, TCustomComboBox>("TComboBox");
}

// A shortcut is written as its number (16467) or as its text ('Ctrl+S').
void SetShortCutValue(TMenuItem& item, const TLayoutValue& value, TLayoutBinder& binder) {
  if (value.kind == TLayoutValue::vkString) {
    const std::string text = binder.String(value);
    const TShortCut shortCut = TextToShortCut(text);
    if (shortCut == scNone && !text.empty())
      binder.FailValue(value, "\"" + text + "\" is not a shortcut");
    item.SetShortCut(shortCut);
    return;
  }
  item.SetShortCut(static_cast<TShortCut>(binder.Integer(value, 0, 0xFFFF)));
}

void RegisterMenus() {
  LayoutClass<TMenuItem, TComponent>("TMenuItem")
      .Bool("AutoCheck", &TMenuItem::SetAutoCheck)
      .String("Caption", &TMenuItem::SetCaption)
      .Bool("Checked", &TMenuItem::SetChecked)
      .Bool("Default", &TMenuItem::SetDefault)
      .Bool("Enabled", &TMenuItem::SetEnabled)
      .Int("GroupIndex", &TMenuItem::SetGroupIndex)
      .Int("HelpContext", &TMenuItem::SetHelpContext)
      .String("Hint", &TMenuItem::SetHint)
      .Int("ImageIndex", &TMenuItem::SetImageIndex)
      .Bool("RadioItem", &TMenuItem::SetRadioItem)
      .Value("ShortCut", SetShortCutValue)
      .Bool("Visible", &TMenuItem::SetVisible)
      .Event("OnClick", &TMenuItem::OnClick)
      .Parent([](TMenuItem& item, TMenu* menu) { menu->Items()->Add(&item); })
      .Parent([](TMenuItem& item, TMenuItem* parent) { parent->Add(&item); });
  LayoutClass<TMenu, TComponent>("TMenu").Bool("OwnerDraw", &TMenu::SetOwnerDraw);
  LayoutClass<TPopupMenu, TMenu>("TPopupMenu")
      .Enum("Alignment", kPopupAlignments, &TPopupMenu::SetAlignment)
      .Bool("AutoPopup", &TPopupMenu::SetAutoPopup)
      .Enum("TrackButton", kTrackButtons, &TPopupMenu::SetTrackButton)
      .Event("OnPopup", &TPopupMenu::OnPopup);
  LayoutClass<TImageList, TComponent>("TImageList")
      .Int("Height", &TImageList::SetHeight)
      .Int("Width", &TImageList::SetWidth);
}

}  // namespace

void RegisterStdLayoutClasses() {
  RegisterStdCtrls();
  RegisterExtCtrls();
  RegisterComCtrls();
  RegisterRadioGroup();
  RegisterComboBox();
  RegisterMenus();
}
