// The seven menu buttons, the items of the five popup menus, the look the main window gives
// the menus (the margin gradient, dark red 10 pt items) and the tools. The layout binds all of
// them; RegisterEditingAndMenuLayout tells the layout reader their names.
#include <cstdint>

#include "app/Sounds.h"
#include "app/Tools.h"
#include "app/Unit1.h"
#include "controls/RxMenus.h"
#include "platform/environment/Dialogs.h"
#include "platform/environment/FindDialog.h"
#include "platform/framework/Application.h"
#include "platform/layout/LayoutClass.h"
#include "platform/richedit/RichEdit.h"
#include "settings/Unit2.h"
#include "settings/firma.h"

namespace {

constexpr TColor kMarginStartColor = 5943291;  // (251, 175, 90)
constexpr int kMenuLeftMargin = 30;
constexpr TColor kMenuItemColor = 124;  // (124, 0, 0)
constexpr int kMenuItemSize = 10;

// The start colour with each of red, green and blue halved: (125, 87, 45).
TColor HalvedColor(TColor color) {
  const auto half = [](std::uint8_t component) { return static_cast<std::uint8_t>(component / 2); };
  return RGB(half(GetRValue(color)), half(GetGValue(color)), half(GetBValue(color)));
}

}  // namespace

void TForm1::SetSecondaryWindows(TForm2* settingsWindow, TZnak* aboutWindow) {
  settingsWindow_ = settingsWindow;
  aboutWindow_ = aboutWindow;
}

// --- Menu buttons: the menu sound first, always.

void TForm1::PopupAtPointer(TRxPopupMenu& menu) {
  const TPoint pointer = Screen->CursorPos();
  menu.Popup(pointer.X, pointer.Y);
}

void TForm1::FlatButton17Click(TComponent*) {
  Play(sounds::kMenu);
  PopupAtPointer(*RxPopupMenu1);
}

void TForm1::FlatButton18Click(TComponent*) {
  Play(sounds::kMenu);
  PopupAtPointer(*RxPopupMenu2);
}

void TForm1::FlatButton19Click(TComponent*) {
  Play(sounds::kMenu);
  PopupAtPointer(*RxPopupMenu3);
}

void TForm1::FlatButton20Click(TComponent*) {
  Play(sounds::kMenu);
  PopupAtPointer(*RxPopupMenu4);
}

void TForm1::FlatButton21Click(TComponent*) {
  Play(sounds::kMenu);
  if (settingsWindow_) settingsWindow_->Show();
}

void TForm1::FlatButton22Click(TComponent*) {
  Play(sounds::kMenu);
  ShowFindDialog();
}

void TForm1::FlatButton23Click(TComponent*) {
  Play(sounds::kMenu);
  if (aboutWindow_) aboutWindow_->ShowModal();
}

// --- File menu: the document commands play their own click where they have one.

void TForm1::NewItemClick(TComponent*) {
  NewDocumentCommand();
}
void TForm1::OpenItemClick(TComponent*) {
  OpenCommand();
}
void TForm1::SaveItemClick(TComponent*) {
  SaveMenuCommand();
}
void TForm1::SaveAsItemClick(TComponent*) {
  SaveAsCommand();
}
void TForm1::PrintItemClick(TComponent*) {
  PrintCommand();
}
void TForm1::PrinterSetupItemClick(TComponent*) {
  PrinterSetupCommand();
}
void TForm1::ExitItemClick(TComponent*) {
  ExitCommand();
}

// --- Edit menu and the editor's context menu.

void TForm1::CopyItemClick(TComponent*) {
  CopyCommand();
}
void TForm1::CutItemClick(TComponent*) {
  CutCommand();
}
void TForm1::PasteItemClick(TComponent*) {
  PasteCommand();
}
void TForm1::SelectAllItemClick(TComponent*) {
  SelectAllCommand();
}
void TForm1::ClearItemClick(TComponent*) {
  ClearTextCommand();
}

// --- Insert menu: no sound.

void TForm1::InsertDateItemClick(TComponent*) {
  InsertDateCommand();
}
void TForm1::InsertTimeItemClick(TComponent*) {
  InsertTimeCommand();
}
void TForm1::InsertBulletItemClick(TComponent*) {
  InsertBulletCommand();
}

// --- Tools menu: no sound; a missing tool does nothing.

void TForm1::KeyboardItemClick(TComponent*) {
  StartTool(TTool::tlKeyboard);
  FocusEditor();
}
void TForm1::CalculatorItemClick(TComponent*) {
  StartTool(TTool::tlCalculator);
}
void TForm1::CharacterMapItemClick(TComponent*) {
  StartTool(TTool::tlCharacterMap);
}

// --- The look of the five menus. From the first painted margin on, the menus stored with a
// margin of 20 measure and draw with 30.

void TForm1::PopupMenuDrawMargin(TMenu* sender, const TRect& rect) {
  auto& menu = dynamic_cast<TRxPopupMenu&>(*sender);
  menu.PaintMarginGradient(rect, kMarginStartColor, HalvedColor(kMarginStartColor));
  menu.SetLeftMargin(kMenuLeftMargin);
}

void TForm1::PopupMenuGetItemParams(TMenu*, TMenuItem*, unsigned, TFont& font, TColor&, TGraphic*&,
                                    int&) {
  font.SetColor(kMenuItemColor);
  font.SetSize(kMenuItemSize);
}

void RegisterEditingAndMenuLayout() {
  LayoutClass<TForm1, TForm>("TForm1")
      .Field("RxPopupMenu1", &TForm1::RxPopupMenu1)
      .Field("RxPopupMenu2", &TForm1::RxPopupMenu2)
      .Field("RxPopupMenu3", &TForm1::RxPopupMenu3)
      .Field("RxPopupMenu4", &TForm1::RxPopupMenu4)
      .Field("RxPopupMenu5", &TForm1::RxPopupMenu5)
      .Field("FontDialog1", &TForm1::FontDialog1)
      .Field("ColorDialog1", &TForm1::ColorDialog1)
      .Field("FindDialog1", &TForm1::FindDialog1)
      .Handler("FlatButton4Click", &TForm1::FlatButton4Click)
      .Handler("FlatButton5Click", &TForm1::FlatButton5Click)
      .Handler("FlatButton6Click", &TForm1::FlatButton6Click)
      .Handler("FlatButton8Click", &TForm1::FlatButton8Click)
      .Handler("FlatButton9Click", &TForm1::FlatButton9Click)
      .Handler("FlatButton10Click", &TForm1::FlatButton10Click)
      .Handler("FlatButton11Click", &TForm1::FlatButton11Click)
      .Handler("FlatButton12Click", &TForm1::FlatButton12Click)
      .Handler("FlatButton13Click", &TForm1::FlatButton13Click)
      .Handler("FlatButton14Click", &TForm1::FlatButton14Click)
      .Handler("FlatButton15Click", &TForm1::FlatButton15Click)
      .Handler("FlatButton16Click", &TForm1::FlatButton16Click)
      .Handler("FlatButton17Click", &TForm1::FlatButton17Click)
      .Handler("FlatButton18Click", &TForm1::FlatButton18Click)
      .Handler("FlatButton19Click", &TForm1::FlatButton19Click)
      .Handler("FlatButton20Click", &TForm1::FlatButton20Click)
      .Handler("FlatButton21Click", &TForm1::FlatButton21Click)
      .Handler("FlatButton22Click", &TForm1::FlatButton22Click)
      .Handler("FlatButton23Click", &TForm1::FlatButton23Click)
      .Handler("SmoothPanel4Click", &TForm1::SmoothPanel4Click)
      .Handler("WordRuler1Changed", &TForm1::WordRuler1Changed)
      .Handler("RichEdit1Change", &TForm1::RichEdit1Change)
      .Handler("RichEdit1KeyPress", &TForm1::RichEdit1KeyPress)
      .Handler("RichEdit1MouseMove", &TForm1::RichEdit1MouseMove)
      .Handler("FindDialog1Find", &TForm1::FindDialog1Find)
      .Handler("NewItemClick", &TForm1::NewItemClick)
      .Handler("OpenItemClick", &TForm1::OpenItemClick)
      .Handler("SaveItemClick", &TForm1::SaveItemClick)
      .Handler("SaveAsItemClick", &TForm1::SaveAsItemClick)
      .Handler("PrintItemClick", &TForm1::PrintItemClick)
      .Handler("PrinterSetupItemClick", &TForm1::PrinterSetupItemClick)
      .Handler("ExitItemClick", &TForm1::ExitItemClick)
      .Handler("CopyItemClick", &TForm1::CopyItemClick)
      .Handler("CutItemClick", &TForm1::CutItemClick)
      .Handler("PasteItemClick", &TForm1::PasteItemClick)
      .Handler("SelectAllItemClick", &TForm1::SelectAllItemClick)
      .Handler("ClearItemClick", &TForm1::ClearItemClick)
      .Handler("InsertDateItemClick", &TForm1::InsertDateItemClick)
      .Handler("InsertTimeItemClick", &TForm1::InsertTimeItemClick)
      .Handler("InsertBulletItemClick", &TForm1::InsertBulletItemClick)
      .Handler("KeyboardItemClick", &TForm1::KeyboardItemClick)
      .Handler("CalculatorItemClick", &TForm1::CalculatorItemClick)
      .Handler("CharacterMapItemClick", &TForm1::CharacterMapItemClick)
      .Handler("PopupMenuDrawMargin", &TForm1::PopupMenuDrawMargin)
      .Handler("PopupMenuGetItemParams", &TForm1::PopupMenuGetItemParams);
}
