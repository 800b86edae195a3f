// The menu item tree and the menu that owns it; the windows are in MenuWindow.cpp, the look in
// MenuPaint.cpp.
#include "platform/menus/Menus.h"

#include <algorithm>
#include <array>

#include "platform/core/Exception.h"
#include "platform/core/TextCompare.h"
#include "platform/framework/Application.h"
#include "platform/framework/Hotkey.h"
#include "platform/qt/MenuWindow.h"

namespace {

unsigned NextCommand() {
  static unsigned next = 0;
  return ++next;
}

struct KeyName {
  TKey key;
  const char* name;
};
constexpr std::array<KeyName, 17> kKeyNames = {{
    {VK_BACK, "BkSp"},
    {VK_TAB, "Tab"},
    {VK_RETURN, "Enter"},
    {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"},
    {VK_NEXT, "PgDn"},
    {VK_END, "End"},
    {VK_HOME, "Home"},
    {VK_LEFT, "Left"},
    {VK_UP, "Up"},
    {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},
    {VK_INSERT, "Ins"},
    {VK_DELETE, "Del"},
    {VK_PAUSE, "Pause"},
    {VK_APPS, "Menu"},
}};

std::string KeyToText(TKey key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
    return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key < VK_F1 + 24) {
    // Appended, not "F" + ...: gcc 12's optimiser warns falsely (-Wrestrict) on that form.
    std::string name(1, 'F');
    name += std::to_string(key - VK_F1 + 1);
    return name;
  }
  for (const KeyName& k : kKeyNames)
    if (k.key == key) return k.name;
  return "";
}

TKey TextToKey(const std::string& text) {
  for (TKey key = 1; key < 0x100; ++key) {
    const std::string name = KeyToText(key);
    if (!name.empty() && SameText(name, text)) return key;
  }
  return 0;
}

bool HasVisibleItems(const TMenuItem& item) {
  for (int i = 0; i < item.Count(); ++i)
    if (item.Items(i)->Visible()) return true;
  return false;
}

}  // namespace

// --- Shortcuts

TShortCut ShortCut(TKey key, TShiftState shift) {
  if (key == 0 || key > 0xFF) return scNone;
  TShortCut result = key;
  if (shift & ssShift) result |= scShift;
  if (shift & ssCtrl) result |= scCtrl;
  if (shift & ssAlt) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut shortCut, TKey& key, TShiftState& shift) {
  key = shortCut & 0xFF;
  shift = 0;
  if (shortCut & scShift) shift |= ssShift;
  if (shortCut & scCtrl) shift |= ssCtrl;
  if (shortCut & scAlt) shift |= ssAlt;
}

std::string ShortCutToText(TShortCut shortCut) {
  const std::string name = KeyToText(shortCut & 0xFF);
  if (name.empty()) return "";
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + name;
}

TShortCut TextToShortCut(const std::string& text) {
  TShortCut modifiers = 0;
  std::string rest = text;
  for (;;) {
    const std::size_t plus = rest.find('+');
    // A lone "+" at the end would be the key itself; there is no such key name here.
    if (plus == std::string::npos || plus + 1 == rest.size()) break;
    const std::string word = rest.substr(0, plus);
    if (SameText(word, "Shift"))
      modifiers |= scShift;
    else if (SameText(word, "Ctrl"))
      modifiers |= scCtrl;
    else if (SameText(word, "Alt"))
      modifiers |= scAlt;
    else
      return scNone;
    rest = rest.substr(plus + 1);
  }
  const TKey key = TextToKey(rest);
  if (key == 0) return scNone;
  return static_cast<TShortCut>(key | modifiers);
}

// --- TMenuItem

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
  if (TMenu* menu = GetParentMenu()) menu->ItemDestroying(this);
  Clear();
  if (parent_) parent_->Remove(this);
}

void TMenuItem::Changed() {
  if (TMenu* menu = GetParentMenu()) menu->ItemChanged();
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void TMenuItem::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  if (value && radioItem_) CheckOffRadioSiblings();
  Changed();
}

void TMenuItem::SetRadioItem(bool value) {
  if (value == radioItem_) return;
  radioItem_ = value;
  if (value && checked_) CheckOffRadioSiblings();
  Changed();
}

void TMenuItem::SetGroupIndex(int value) {
  if (value == groupIndex_) return;
  groupIndex_ = value;
  if (radioItem_ && checked_) CheckOffRadioSiblings();
}

void TMenuItem::CheckOffRadioSiblings() {
  if (!parent_ || Loading()) return;
  for (TMenuItem* sibling : parent_->items_)
    if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_)
      sibling->checked_ = false;
}

void TMenuItem::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  if (value && parent_)
    for (TMenuItem* sibling : parent_->items_) sibling->default_ = false;
  default_ = value;
  Changed();
}

void TMenuItem::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Changed();
}

void TMenuItem::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (shortCut == shortCut_) return;
  shortCut_ = shortCut;
  Changed();
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw Exception("Menu index out of range");
  return items_[static_cast<std::size_t>(index)];
}

int TMenuItem::MenuIndex() const {
  return parent_ ? parent_->IndexOf(this) : -1;
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  const auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) {
  Insert(Count() - (item && item->parent_ == this ? 1 : 0), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) throw Exception("Cannot insert an empty menu item");
  for (const TMenuItem* p = this; p; p = p->parent_)
    if (p == item) throw Exception("A menu item cannot contain itself");
  if (item->parent_) item->parent_->Remove(item);
  if (index < 0 || index > Count()) throw Exception("Menu index out of range");
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  if (item->checked_ && item->radioItem_) item->CheckOffRadioSiblings();
  Changed();
}

void TMenuItem::Delete(int index) {
  Remove(Items(index));
}

void TMenuItem::Remove(TMenuItem* item) {
  const int index = IndexOf(item);
  if (index < 0) return;
  if (TMenu* menu = GetParentMenu()) menu->ItemDestroying(item);
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  Changed();
}

void TMenuItem::Clear() {
  // Each sub-item leaves this list from its own destructor.
  while (!items_.empty()) delete items_.back();
}

TMenuItem* TMenuItem::Find(const std::string& caption) const {
  for (TMenuItem* item : items_)
    if (SameCaption(item->caption_, caption)) return item;
  return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

void TMenuItem::Click() {
  if (autoCheck_) SetChecked(!checked_);
  if (OnClick) OnClick(this);
}

// --- TMenu

TMenu::TMenu(TComponent* owner) : TPopupMenuBase(owner), items_(std::make_unique<TMenuItem>()) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  *alive_ = false;
  if (session_) session_->Cancel();
  items_->Clear();
  items_->menu_ = nullptr;
}

TMenuItem* TMenu::FindItem(unsigned command) const {
  std::vector<TMenuItem*> pending{items_.get()};
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    if (item->Command() == command) return item;
    for (int i = 0; i < item->Count(); ++i) pending.push_back(item->Items(i));
  }
  return nullptr;
}

bool TMenu::IsInMenu(const TMenuItem* item) const {
  return item && item->GetParentMenu() == this;
}

void TMenu::SetOwnerDraw(bool value) {
  if (value == ownerDraw_) return;
  ownerDraw_ = value;
  ItemChanged();
}

void TMenu::MeasureItem(TMenuItem&, TCanvas&, int&, int&) {}

void TMenu::DrawItem(TMenuItem& item, TCanvas& canvas, const TRect& rect,
                     TMenuOwnerDrawState state) {
  StandardDrawItem(item, canvas, rect, state);
}

void TMenu::MenuSelect(TMenuItem* item, bool) {
  Application->SetHint(item ? GetLongHint(item->Hint()) : std::string());
}

int TMenu::MenuChar(TMenuItem& parent, char32_t key, int hot, bool& execute) {
  execute = false;
  std::vector<int> matches;
  for (int i = 0; i < parent.Count(); ++i) {
    const TMenuItem* item = parent.Items(i);
    if (item->Visible() && !item->IsLine() && IsAccel(key, item->Caption())) matches.push_back(i);
  }
  if (matches.empty()) return -1;
  if (matches.size() == 1) {
    execute = parent.Items(matches[0])->Enabled();
    return matches[0];
  }
  // Several items share the letter: each press moves on to the next of them.
  for (int m : matches)
    if (m > hot) return m;
  return matches[0];
}

void TMenu::SetMenuCursor(TCursor cursor) {
  menuCursor_ = cursor;
  if (session_) session_->ApplyCursor(cursor);
}

void TMenu::ItemChanged() {
  if (session_) session_->Refresh();
}

void TMenu::ItemDestroying(TMenuItem* item) {
  if (session_) session_->ItemGone(item);
}

// --- Dispatch to the protected hooks

void MenuDispatch::Measure(TMenu& menu, TMenuItem& item, TCanvas& canvas, int& width, int& height) {
  TMenu::StandardMeasureItem(item, canvas, width, height);
  if (menu.OwnerDraw()) menu.MeasureItem(item, canvas, width, height);
}

void MenuDispatch::Draw(TMenu& menu, TMenuItem& item, TCanvas& canvas, const TRect& rect,
                        TMenuOwnerDrawState state) {
  if (menu.OwnerDraw())
    menu.DrawItem(item, canvas, rect, state);
  else
    TMenu::StandardDrawItem(item, canvas, rect, state);
}

void MenuDispatch::Select(TMenu& menu, TMenuItem* item, bool highlighted) {
  menu.MenuSelect(item, highlighted);
}

int MenuDispatch::MenuChar(TMenu& menu, TMenuItem& parent, char32_t key, int hot, bool& execute) {
  return menu.MenuChar(parent, key, hot, execute);
}

bool MenuItemHasSubmenu(const TMenuItem& item) {
  return HasVisibleItems(item);
}
