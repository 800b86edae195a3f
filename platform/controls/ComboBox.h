// The combo box: an edit field or a selection field with a drop-down list of strings, each
// with a data value.
//
// Styles: csDropDown (editable field and drop-down list), csSimple (editable field with the
// list always shown below it), csDropDownList (the field shows the selected item only), and
// the owner-drawn list styles csOwnerDrawFixed / csOwnerDrawVariable (drop-down list whose
// items, and the field, are drawn by DrawItem). The behaviour follows the window style bits
// (CBS_*) that ComboWindowStyle gives when the window is (re)created, so a derived control
// may combine an editable field with owner-drawn items.
//
// Classic rules kept: the height of a drop-down combo follows its field (field height + 6);
// ItemIndex out of range means no selection; assigning ItemIndex or Text fires nothing;
// choosing an item in the list or with the keys fires OnClick and then OnChange (through
// Select); typing into the field fires OnChange and leaves no item selected. Items compare
// without regard to case. Owner drawing gets the canvas prepared for the entry's state (the
// control's font and colour, or the highlight colours for a selected entry) and the state
// bits odSelected, odFocused, odDisabled and odComboBoxEdit (the selection field).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/framework/Control.h"
#include "platform/graphics/Canvas.h"

enum class TComboBoxStyle {
  csDropDown,
  csSimple,
  csDropDownList,
  csOwnerDrawFixed,
  csOwnerDrawVariable
};

// The classic window style bits of a combo box.
enum : unsigned {
  CBS_SIMPLE = 0x1,
  CBS_DROPDOWN = 0x2,
  CBS_DROPDOWNLIST = 0x3,
  CBS_TYPEMASK = 0x3,
  CBS_OWNERDRAWFIXED = 0x10,
  CBS_OWNERDRAWVARIABLE = 0x20,
};

// The state of an entry being drawn: the classic owner-draw item-state bits.
using TOwnerDrawState = unsigned;
enum : unsigned {
  odSelected = 0x1,
  odGrayed = 0x2,
  odDisabled = 0x4,
  odChecked = 0x8,
  odFocused = 0x10,
  odDefault = 0x20,
  odHotLight = 0x40,
  odInactive = 0x80,
  odNoAccel = 0x100,
  odNoFocusRect = 0x200,
  odComboBoxEdit = 0x1000,
};

using TDrawItemEvent =
    std::function<void(TComponent* control, int index, const TRect& rect, TOwnerDrawState state)>;
using TMeasureItemEvent = std::function<void(TComponent* control, int index, int& height)>;

class TCustomComboBox;

// The strings of a combo box with one data value each (the classic Objects).
class TComboBoxItems {
 public:
  explicit TComboBoxItems(TCustomComboBox& owner) : owner_(owner) {}

  int Count() const { return static_cast<int>(entries_.size()); }
  const std::string& Strings(int index) const;
  void SetStrings(int index, const std::string& text);
  const std::string& operator[](int index) const { return Strings(index); }
  std::intptr_t Objects(int index) const;
  void SetObjects(int index, std::intptr_t data);
  // Adds at the end, or at the sorted place when the combo box is Sorted; returns the index.
  int Add(const std::string& text, std::intptr_t data = 0);
  int AddObject(const std::string& text, std::intptr_t data) { return Add(text, data); }
  void Insert(int index, const std::string& text, std::intptr_t data = 0);
  void Delete(int index);
  void Clear();
  // The first entry equal to text without regard to case, or -1.
  int IndexOf(const std::string& text) const;
  int IndexOfObject(std::intptr_t data) const;
  // Replaces every entry (data values 0).
  void Assign(const std::vector<std::string>& lines);
  std::vector<std::string> ToVector() const;
  // Between the two, changes are not shown; EndUpdate repaints once.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return updateCount_ > 0; }

 private:
  friend class TCustomComboBox;
  struct Entry {
    std::string text;
    std::intptr_t data = 0;
  };
  void CheckIndex(int index) const;
  int SortedPosition(const std::string& text) const;
  void Sort();

  TCustomComboBox& owner_;
  std::vector<Entry> entries_;
  int updateCount_ = 0;
};

class ComboList;
class QLineEdit;

class TCustomComboBox : public TCustomControl {
 public:
  explicit TCustomComboBox(TComponent* owner = nullptr);
  ~TCustomComboBox() override;
  std::string ClassName() const override { return "TCustomComboBox"; }

  TComboBoxStyle Style() const { return style_; }
  // A different style re-creates the window (CreateWnd runs again).
  void SetStyle(TComboBoxStyle value);
  TComboBoxItems& Items() { return items_; }
  const TComboBoxItems& Items() const { return items_; }
  void SetItems(const std::vector<std::string>& lines) { items_.Assign(lines); }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  // Owner-drawn styles: the height of the field and of fixed list items. Otherwise the height
  // of a line of the font.
  int ItemHeight() const;
  void SetItemHeight(int value);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value) { dropDownCount_ = std::max(1, value); }
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  bool DroppedDown() const;
  void SetDroppedDown(bool value);

  // The canvas owner drawing paints on (valid inside DrawItem / OnDrawItem).
  TCanvas& Canvas() { return itemCanvas_; }
  // The window style the control runs with (as of the last CreateWnd).
  unsigned WindowStyle() const;
  bool Editable() const { return (WindowStyle() & CBS_TYPEMASK) != CBS_DROPDOWNLIST; }
  bool OwnerDrawn() const {
    return (WindowStyle() & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
  }
  // The selection or edit field and the drop-down button, in client coordinates.
  TRect FieldRect() const;
  TRect ButtonRect() const;
  // The height of list item index (owner-drawn variable items are measured).
  int ListItemHeight(int index);

  void SetBounds(int left, int top, int width, int height) override;
  void PaintTo(TBitmap& bitmap) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  friend class ComboList;
  friend class TComboBoxItems;

  // The style bits for the window about to be created: from Style by default.
  virtual unsigned ComboWindowStyle() const;
  // Window (re)creation: takes the style bits, sets up the field, fits the height.
  void CreateWnd() override;
  // Paints an owner-drawn entry: fires OnDrawItem, or fills rect and writes the text.
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
  // Height of an owner-drawn variable entry: fires OnMeasureItem.
  virtual void MeasureItem(int index, int& height);
  // Fires OnChange.
  virtual void Change();
  // The user chose an item: OnSelect, or OnChange when there is none.
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();

  void Paint() override;
  void Loaded() override;
  void TextChanged() override;
  void FontChanged() override;
  void ColorChanged() override;
  void EnabledChanged() override;
  void Resize() override;
  void DoEnter() override;
  void DoExit() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(TKey& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  unsigned DialogCodes() const override { return dcWantArrows | dcWantChars; }

  // A selection made by the user (list, keys): ItemIndex, Text, then OnClick and Select.
  void SelectByUser(int index);
  // Paints entry index (-1: none) into rect on canvas in the given state.
  void PaintEntry(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state);

 private:
  void ItemsChanged();
  void ItemInserted(int index);
  void ItemDeleted(int index);
  void ItemsCleared();
  void SetTextQuietly(const std::string& text);
  void ApplySelection(int index);
  void SetUpField();
  void AdjustHeight();
  void PlaceEditor();
  void ApplyEditorLook();
  void EditorTextChanged();
  int FieldHeight() const;
  int FontLineHeight() const;
  int SearchPrefix(char32_t ch, int from) const;
  void CloseList();
  void ListChosen(int index);
  void ListClosed();
  TRect SimpleListRect() const;

  TComboBoxItems items_;
  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  unsigned windowStyle_ = CBS_DROPDOWN;
  int itemIndex_ = -1;
  int itemHeight_ = 16;
  int dropDownCount_ = 8;
  bool sorted_ = false;
  int maxLength_ = 0;
  bool buttonDown_ = false;
  bool dropped_ = false;
  bool settingText_ = false;
  TCanvas itemCanvas_;
  QLineEdit* editor_ = nullptr;
  std::unique_ptr<ComboList> list_;
};

class TComboBox : public TCustomComboBox {
 public:
  using TCustomComboBox::TCustomComboBox;
  std::string ClassName() const override { return "TComboBox"; }
};
