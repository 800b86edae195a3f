// Menus: the item tree (TMenuItem), the menu that holds it (TMenu) and the popup menu
// (TPopupMenu) that shows it in a window of its own.
//
// Items: a caption with "&" accelerators ("&&" is a plain "&"), "-" for a separator line, a
// hint ("short|long"; the long part becomes Application->Hint while the item is highlighted),
// a shortcut shown right of the caption ("Ctrl+S"), check marks (RadioItem items of one
// GroupIndex check each other off), Enabled, Default (drawn bold), Visible, ImageIndex and
// sub-items. Items are components: whoever owns them frees them; an item that is freed leaves
// its parent, and freeing an item frees its sub-items.
//
// Popup(x, y) is modal, like the classic TrackPopupMenu: it fires OnPopup, shows the menu at
// the screen point and returns once the menu has closed, AFTER the chosen item's Click has run
// (so code after Popup sees the command's effect). Choosing nothing (Escape, a click outside)
// runs no item. Mouse: hovering highlights (and opens sub-menus after a short delay), a click
// (release) on an enabled item chooses it, a click outside closes. Keys: Up / Down move between
// enabled items (skipping separators, wrapping), Right / Enter open a sub-menu, Left / Escape
// close one level, Enter chooses, an accelerator letter chooses its item (or moves between
// several items with the same letter).
//
// Painting: each item is measured and drawn through MeasureItem / DrawItem. With OwnerDraw off
// the classic look is used (menu colours, highlight bar, check marks, shortcuts in a column,
// etched separators); with OwnerDraw on the virtual hooks run, so a derived menu can draw
// everything itself. Sub-menu arrows are always added by the menu window, as the window system
// does for owner-drawn items. MenuSelect runs whenever the highlighted item changes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Canvas.h"
#include "platform/framework/ControlTypes.h"
#include "platform/menus/PopupMenuBase.h"

class MenuSession;
class TMenu;
class TPopupMenu;
struct MenuDispatch;

// Shortcuts: a virtual key code plus modifier bits.
using TShortCut = std::uint16_t;
enum : TShortCut { scNone = 0, scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };
TShortCut ShortCut(TKey key, TShiftState shift);
void ShortCutToKey(TShortCut shortCut, TKey& key, TShiftState& shift);
// "Ctrl+S", "Shift+Ctrl+F4", "Alt+Enter"; "" for scNone or a key without a name.
std::string ShortCutToText(TShortCut shortCut);
// The reverse of ShortCutToText (case-insensitive); scNone when the text is not a shortcut.
TShortCut TextToShortCut(const std::string& text);

// The state an item is drawn in: the classic owner-draw item-state bits.
using TMenuOwnerDrawState = unsigned;
enum : unsigned {
  mdSelected = 0x01,
  mdGrayed = 0x02,
  mdDisabled = 0x04,
  mdChecked = 0x08,
  mdFocused = 0x10,
  mdDefault = 0x20,
};

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner = nullptr);
  ~TMenuItem() override;
  std::string ClassName() const override { return "TMenuItem"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // A separator: the caption "-".
  bool IsLine() const { return caption_ == "-"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  // Checked toggles on every Click.
  bool AutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool value) { autoCheck_ = value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  // The default item of its sub-menu is drawn bold; setting one clears the others.
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value) { helpContext_ = value; }

  // --- The tree.
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;
  TMenuItem* Parent() const { return parent_; }
  // Position among the parent's items (-1 without a parent).
  int MenuIndex() const;
  int IndexOf(const TMenuItem* item) const;
  // Appends / inserts item (taking it from any parent it had). Throws for a loop.
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Removes the item at index, or item, from the sub-items without freeing it.
  void Delete(int index);
  void Remove(TMenuItem* item);
  // Frees every sub-item.
  void Clear();
  // The sub-item whose caption, without accelerator marks, equals caption (case-insensitive).
  TMenuItem* Find(const std::string& caption) const;
  // The menu at the root of the tree, or nullptr.
  TMenu* GetParentMenu() const;
  // A number unique among the items of the program (the classic command identifier).
  unsigned Command() const { return command_; }

  // What choosing the item does: toggles AutoCheck items, then fires OnClick.
  virtual void Click();
  TNotifyEvent OnClick;

 private:
  friend class TMenu;
  void Changed();
  void CheckOffRadioSiblings();

  std::string caption_;
  std::string hint_;
  bool checked_ = false;
  bool radioItem_ = false;
  int groupIndex_ = 0;
  bool autoCheck_ = false;
  bool enabled_ = true;
  bool default_ = false;
  bool visible_ = true;
  int imageIndex_ = -1;
  TShortCut shortCut_ = scNone;
  int helpContext_ = 0;
  unsigned command_ = 0;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item only
  std::vector<TMenuItem*> items_;
};

// The program has popup menus only, so the menu base is what a control's PopupMenu points to.
class TMenu : public TPopupMenuBase {
 public:
  explicit TMenu(TComponent* owner = nullptr);
  ~TMenu() override;
  std::string ClassName() const override { return "TMenu"; }

  // The invisible root whose sub-items are the menu's first-level items.
  TMenuItem* Items() const { return items_.get(); }
  // The item with that command number anywhere in the tree, or nullptr.
  TMenuItem* FindItem(unsigned command) const;
  // True when item is in this menu's tree (the root included).
  bool IsInMenu(const TMenuItem* item) const;
  // True when item is one of the first-level items.
  bool IsFirstLevel(const TMenuItem* item) const { return item && item->Parent() == Items(); }

  // Owner drawing: MeasureItem and DrawItem run for every item (see the header comment).
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);

  // The standard look, public so that owner-drawn menus can fall back on it.
  static void StandardMeasureItem(TMenuItem& item, TCanvas& canvas, int& width, int& height);
  static void StandardDrawItem(TMenuItem& item, TCanvas& canvas, const TRect& rect,
                               TMenuOwnerDrawState state);
  // Offset of an item's caption from its left edge in the standard look (the check column).
  static int StandardTextOffset();

 protected:
  friend struct MenuDispatch;
  friend class TMenuItem;

  // Measures one item: canvas holds the menu font (bold for a default item); width and height
  // come in as the standard measure. Runs only with OwnerDraw on; the base keeps them.
  virtual void MeasureItem(TMenuItem& item, TCanvas& canvas, int& width, int& height);
  // Draws one item entirely in rect (menu window client coordinates; first-level items start
  // at x = 0). The canvas covers the menu's whole client area (its ClipRect is that area),
  // with the menu font, the menu-text colour and a menu-coloured brush; nothing of an earlier
  // item's drawing state is left on it. Runs only with OwnerDraw on; the base draws the
  // standard look.
  virtual void DrawItem(TMenuItem& item, TCanvas& canvas, const TRect& rect,
                        TMenuOwnerDrawState state);
  // The highlighted item changed: item is highlighted, or nullptr (nothing is, or the menu
  // closed). The base publishes the item's long hint as Application->Hint ("" for nullptr).
  virtual void MenuSelect(TMenuItem* item, bool highlighted);
  // A character typed while sub-menu parent is open, hot the highlighted index (-1: none).
  // Returns the index of the item to act on (-1: none) and whether to choose it (execute) or
  // only highlight it. The base picks items by their "&" letter: one enabled match is chosen,
  // several are stepped through.
  virtual int MenuChar(TMenuItem& parent, char32_t key, int hot, bool& execute);
  // The cursor the open menu's windows show (crDefault: the arrow).
  void SetMenuCursor(TCursor cursor);
  TCursor MenuCursor() const { return menuCursor_; }

 private:
  // The item tree or an item's look changed: an open menu measures and paints again.
  void ItemChanged();
  void ItemDestroying(TMenuItem* item);
  friend class TPopupMenu;
  friend class MenuSession;

  std::unique_ptr<TMenuItem> items_;
  MenuSession* session_ = nullptr;  // the open popup of this menu
  // Cleared when the menu is freed: a modal Popup learns that its menu went away meanwhile.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  bool ownerDraw_ = false;
  TCursor menuCursor_ = crDefault;
};

enum TPopupAlignment { paLeft, paRight, paCenter };
enum TTrackButton { tbRightButton, tbLeftButton };

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner = nullptr);
  ~TPopupMenu() override;
  std::string ClassName() const override { return "TPopupMenu"; }

  // Modal: see the header comment. Does nothing while another popup menu is open.
  void Popup(int x, int y) override;
  // The point the menu was last asked to open at ((-1, -1) before the first Popup).
  TPoint PopupPoint() const { return popupPoint_; }

  // Where (x, y) of Popup lies: the menu's left edge, right edge or centre.
  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment value) { alignment_ = value; }
  // tbRightButton: both buttons choose items; tbLeftButton: only the left one.
  TTrackButton TrackButton() const { return trackButton_; }
  void SetTrackButton(TTrackButton value) { trackButton_ = value; }
  // Whether a right click on a control whose PopupMenu this is opens the menu.
  bool AutoPopup() const override { return autoPopup_; }
  void SetAutoPopup(bool value) { autoPopup_ = value; }

  // While the menu is open: the screen rectangle of a visible item in an open menu window
  // (the classic GetMenuItemRect), else an empty rectangle.
  TRect GetMenuItemRect(const TMenuItem* item) const;
  bool IsOpen() const;
  // While the menu is open: a copy of what the window of menu level `level` shows (0: the
  // first-level items, 1: the open sub-menu ...); false when that level is not open.
  bool GetMenuFace(TBitmap& face, int level = 0) const;
  // Closes the open menu without running an item.
  void CloseMenu();
  // The popup menu that is open now, or nullptr.
  static TPopupMenu* ActivePopupMenu();

  TNotifyEvent OnPopup;

 protected:
  // Fires OnPopup.
  virtual void DoPopup();

 private:
  friend struct MenuDispatch;
  TPoint popupPoint_{-1, -1};
  TPopupAlignment alignment_ = paLeft;
  TTrackButton trackButton_ = tbRightButton;
  bool autoPopup_ = true;
};
