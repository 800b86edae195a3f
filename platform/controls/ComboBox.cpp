// TCustomComboBox: the field, the keys and the selection rules; the drop-down list is in
// ComboList.cpp, the strings in ComboItems.cpp.
#include "platform/controls/ComboBox.h"

#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <limits>

#include "platform/framework/Application.h"
#include "platform/framework/Hotkey.h"
#include "platform/framework/SystemMetrics.h"
#include "platform/graphics/FrameControl.h"
#include "platform/qt/ComboList.h"
#include "platform/qt/ControlHost.h"
#include "platform/qt/QtBridge.h"

namespace {
// Sunken edge plus one pixel around the field.
constexpr int kFieldInset = 3;
}  // namespace

TCustomComboBox::TCustomComboBox(TComponent* owner) : TCustomControl(owner), items_(*this) {
  // OnClick reports a choice of item, not every click on the control.
  SetControlStyle((ControlStyle() | csOpaque) & ~(csDoubleClicks | csClickEvents));
  ControlHost* host = HostWidget(this);
  editor_ = new QLineEdit(host);
  editor_->setFrame(false);
  editor_->setAutoFillBackground(true);
  editor_->setContextMenuPolicy(Qt::NoContextMenu);
  editor_->setMaxLength(std::numeric_limits<int>::max());
  host->ForwardInputFrom(editor_);
  QObject::connect(editor_, &QLineEdit::textChanged,
                   [this](const QString&) { GuardedCall([this] { EditorTextChanged(); }, this); });
  SetTabStop(true);
  SetColor(clWindow);
  windowStyle_ = ComboWindowStyle();
  SetBounds(0, 0, 145, 21);
  SetUpField();
}

TCustomComboBox::~TCustomComboBox() {
  // No events from a control that is going away.
  if (list_) list_->Dismiss();
  list_.reset();
}

// --- Style and window

unsigned TCustomComboBox::ComboWindowStyle() const {
  switch (style_) {
    case TComboBoxStyle::csSimple:
      return CBS_SIMPLE;
    case TComboBoxStyle::csDropDownList:
      return CBS_DROPDOWNLIST;
    case TComboBoxStyle::csOwnerDrawFixed:
      return CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED;
    case TComboBoxStyle::csOwnerDrawVariable:
      return CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE;
    default:
      return CBS_DROPDOWN;
  }
}

unsigned TCustomComboBox::WindowStyle() const {
  return HandleAllocated() ? windowStyle_ : ComboWindowStyle();
}

void TCustomComboBox::SetStyle(TComboBoxStyle value) {
  if (value == style_) return;
  style_ = value;
  if (HandleAllocated())
    RecreateWnd();
  else
    SetUpField();
}

void TCustomComboBox::CreateWnd() {
  CloseList();
  windowStyle_ = ComboWindowStyle();
  SetUpField();
}

void TCustomComboBox::SetUpField() {
  ControlHost* host = HostWidget(this);
  if (Editable()) {
    host->setFocusProxy(editor_);
    editor_->show();
  } else {
    host->setFocusProxy(nullptr);
    editor_->hide();
  }
  settingText_ = true;
  if (editor_->text() != QtString(Text())) editor_->setText(QtString(Text()));
  settingText_ = false;
  ApplyEditorLook();
  AdjustHeight();
  PlaceEditor();
  Invalidate();
}

// --- Geometry

int TCustomComboBox::FontLineHeight() const {
  TCanvas measure;
  measure.SetFont(Font());
  return measure.TextHeight("Wg");
}

int TCustomComboBox::ItemHeight() const {
  return OwnerDrawn() ? itemHeight_ : FontLineHeight();
}

void TCustomComboBox::SetItemHeight(int value) {
  if (value <= 0 || value == itemHeight_) return;
  itemHeight_ = value;
  AdjustHeight();
  Invalidate();
}

int TCustomComboBox::FieldHeight() const {
  return OwnerDrawn() ? itemHeight_ : FontLineHeight() + 2;
}

void TCustomComboBox::AdjustHeight() {
  if (Loading() || (WindowStyle() & CBS_TYPEMASK) == CBS_SIMPLE) return;
  TCustomControl::SetBounds(Left(), Top(), Width(), FieldHeight() + 2 * kFieldInset);
}

void TCustomComboBox::SetBounds(int left, int top, int width, int height) {
  // A drop-down combo box is as high as its field; only the simple style sizes freely.
  if (!Loading() && (WindowStyle() & CBS_TYPEMASK) != CBS_SIMPLE)
    height = FieldHeight() + 2 * kFieldInset;
  TCustomControl::SetBounds(left, top, width, height);
}

TRect TCustomComboBox::ButtonRect() const {
  if ((WindowStyle() & CBS_TYPEMASK) == CBS_SIMPLE) return {};
  const int w = GetSystemMetrics(SM_CXVSCROLL);
  return Rect(std::max(2, Width() - 2 - w), 2, std::max(2, Width() - 2), std::max(2, Height() - 2));
}

TRect TCustomComboBox::FieldRect() const {
  if ((WindowStyle() & CBS_TYPEMASK) == CBS_SIMPLE)
    return Rect(kFieldInset, kFieldInset, std::max(kFieldInset, Width() - kFieldInset),
                kFieldInset + FieldHeight());
  const TRect button = ButtonRect();
  return Rect(kFieldInset, kFieldInset, std::max(kFieldInset, button.Left - 1),
              std::max(kFieldInset, Height() - kFieldInset));
}

TRect TCustomComboBox::SimpleListRect() const {
  return Rect(0, FieldHeight() + 2 * kFieldInset, Width(), Height());
}

int TCustomComboBox::ListItemHeight(int index) {
  if (!(WindowStyle() & CBS_OWNERDRAWVARIABLE)) return std::max(1, ItemHeight());
  int height = itemHeight_;
  GuardedCall([&] { MeasureItem(index, height); }, this);
  return std::max(1, height);
}

void TCustomComboBox::PlaceEditor() {
  const TRect r = FieldRect();
  editor_->setGeometry(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
}

void TCustomComboBox::ApplyEditorLook() {
  ApplyEditLook(*editor_, Font(), Color());
}

// --- Items, selection and text

void TCustomComboBox::SetItemIndex(int index) {
  if (Loading()) {
    // The items may come later in the layout; Loaded checks the index.
    itemIndex_ = index;
    return;
  }
  if (index < -1 || index >= items_.Count()) index = -1;
  if (index == itemIndex_) return;
  ApplySelection(index);
}

void TCustomComboBox::ApplySelection(int index) {
  itemIndex_ = index;
  SetTextQuietly(index >= 0 ? items_.Strings(index) : std::string());
  if (list_ && dropped_) list_->SetHot(index);
  Invalidate();
}

void TCustomComboBox::SetTextQuietly(const std::string& text) {
  settingText_ = true;
  TControl::SetText(text);
  if (editor_->text() != QtString(text)) editor_->setText(QtString(text));
  settingText_ = false;
}

void TCustomComboBox::TextChanged() {
  TCustomControl::TextChanged();
  if (settingText_) return;
  // Assigned from code.
  if (!Editable()) {
    // The selection field can only show an item: the text picks it, or nothing.
    ApplySelection(items_.IndexOf(Text()));
    return;
  }
  SetTextQuietly(Text());
  if (itemIndex_ >= 0 && items_.Strings(itemIndex_) != Text()) itemIndex_ = -1;
}

void TCustomComboBox::EditorTextChanged() {
  if (settingText_) return;
  settingText_ = true;
  TControl::SetText(FromQtString(editor_->text()));
  settingText_ = false;
  // Typed text leaves no item selected.
  itemIndex_ = -1;
  if (!Loading()) Change();
}

void TCustomComboBox::SelectByUser(int index) {
  if (index < 0 || index >= items_.Count()) return;
  if (index == itemIndex_ && Text() == items_.Strings(index)) return;
  itemIndex_ = index;
  SetTextQuietly(items_.Strings(index));
  if (Editable()) editor_->selectAll();
  Invalidate();
  Click();
  Select();
}

void TCustomComboBox::SetSorted(bool value) {
  if (value == sorted_) return;
  sorted_ = value;
  if (!value) return;
  TComboBoxItems::Entry selected;
  if (itemIndex_ >= 0) selected = items_.entries_[static_cast<std::size_t>(itemIndex_)];
  items_.Sort();
  if (itemIndex_ >= 0) {
    for (int i = 0; i < items_.Count(); ++i) {
      const auto& e = items_.entries_[static_cast<std::size_t>(i)];
      if (e.text == selected.text && e.data == selected.data) {
        itemIndex_ = i;
        break;
      }
    }
  }
  ItemsChanged();
}

void TCustomComboBox::SetMaxLength(int value) {
  maxLength_ = std::max(0, value);
  editor_->setMaxLength(maxLength_ > 0 ? maxLength_ : std::numeric_limits<int>::max());
}

void TCustomComboBox::ItemsChanged() {
  if (items_.Updating()) return;
  Invalidate();
  if (list_ && dropped_) list_->update();
}

void TCustomComboBox::ItemInserted(int index) {
  // While a layout is read, ItemIndex is the value written, whatever the order.
  if (itemIndex_ >= index && !Loading()) ++itemIndex_;
  ItemsChanged();
}

void TCustomComboBox::ItemDeleted(int index) {
  if (Loading()) {
    ItemsChanged();
    return;
  }
  if (index == itemIndex_) {
    itemIndex_ = -1;
    if (!Editable()) SetTextQuietly("");
  } else if (index < itemIndex_) {
    --itemIndex_;
  }
  ItemsChanged();
}

void TCustomComboBox::ItemsCleared() {
  if (Loading()) {
    ItemsChanged();
    return;
  }
  itemIndex_ = -1;
  if (!Editable()) SetTextQuietly("");
  ItemsChanged();
}

// --- Events

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
  if (OnSelect)
    OnSelect(this);
  else
    Change();
}

void TCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

void TCustomComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  itemCanvas_.FillRect(rect);
  itemCanvas_.TextOut(rect.Left + 2, rect.Top, items_.Strings(index));
}

void TCustomComboBox::MeasureItem(int index, int& height) {
  if (OnMeasureItem) OnMeasureItem(this, index, height);
}

// --- Drop-down list

bool TCustomComboBox::DroppedDown() const {
  return dropped_;
}

void TCustomComboBox::SetDroppedDown(bool value) {
  if (value == dropped_) return;
  if (!value) {
    CloseList();
    return;
  }
  if ((WindowStyle() & CBS_TYPEMASK) == CBS_SIMPLE) return;
  DropDown();
  if (!list_) list_ = std::make_unique<ComboList>(*this);
  dropped_ = true;
  list_->Open();
  Invalidate();
}

void TCustomComboBox::CloseList() {
  if (list_ && dropped_) list_->Close();
}

void TCustomComboBox::ListClosed() {
  buttonDown_ = false;
  if (!dropped_) return;
  dropped_ = false;
  Invalidate();
  CloseUp();
}

void TCustomComboBox::ListChosen(int index) {
  CloseList();
  SelectByUser(index);
}

// --- Painting

void TCustomComboBox::PaintEntry(TCanvas& canvas, int index, const TRect& rect,
                                 TOwnerDrawState state) {
  itemCanvas_.SetBitmap(canvas.Bitmap());
  itemCanvas_.ResetClip();
  itemCanvas_.SetClipRect(IntersectRect(rect, canvas.ClipRect()));
  itemCanvas_.SetPen(TPen());
  itemCanvas_.SetBrush(TBrush());
  itemCanvas_.SetFont(Font());
  itemCanvas_.Brush().SetColor(Color());
  const bool selected = index >= 0 && (state & odSelected);
  if (selected) {
    itemCanvas_.Brush().SetColor(clHighlight);
    itemCanvas_.Font().SetColor(clHighlightText);
  } else if ((state & odDisabled) && !OwnerDrawn()) {
    itemCanvas_.Brush().SetColor(clBtnFace);
    itemCanvas_.Font().SetColor(clGrayText);
  }
  if (index < 0 || index >= items_.Count()) {
    itemCanvas_.FillRect(rect);
  } else if (OwnerDrawn()) {
    GuardedCall([&] { DrawItem(index, rect, state); }, this);
  } else {
    itemCanvas_.FillRect(rect);
    itemCanvas_.Brush().SetStyle(bsClear);
    TRect text = Rect(rect.Left + 2, rect.Top, rect.Right, rect.Bottom);
    itemCanvas_.DrawText(items_.Strings(index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  if (state & odFocused) itemCanvas_.DrawFocusRect(rect);
  itemCanvas_.SetBitmap(nullptr);
}

void TCustomComboBox::Paint() {
  TCanvas& canvas = TCustomControl::Canvas();
  const TColor face = Enabled() ? Color() : clBtnFace;
  if ((WindowStyle() & CBS_TYPEMASK) == CBS_SIMPLE) {
    TRect field = Rect(0, 0, Width(), FieldHeight() + 2 * kFieldInset);
    canvas.DrawEdge(field, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    canvas.Brush().SetColor(face);
    canvas.FillRect(field);
    TRect list = SimpleListRect();
    canvas.DrawEdge(list, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    canvas.FillRect(list);
    int y = list.Top;
    for (int i = 0; i < items_.Count() && y < list.Bottom; ++i) {
      const int h = ListItemHeight(i);
      TOwnerDrawState state = 0;
      if (!Enabled()) state |= odDisabled;
      if (i == itemIndex_) state |= odSelected;
      if (i == itemIndex_ && Focused()) state |= odFocused;
      canvas.SetClipRect(list);
      PaintEntry(canvas, i, Rect(list.Left, y, list.Right, y + h), state);
      canvas.ResetClip();
      y += h;
    }
    return;
  }
  TRect inner = ClientRect();
  canvas.DrawEdge(inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  canvas.Brush().SetColor(face);
  canvas.FillRect(inner);
  DrawArrowButton(canvas, ButtonRect(), adDown, buttonDown_ && dropped_, Enabled());
  if (Editable()) return;
  TOwnerDrawState state = odComboBoxEdit;
  if (!Enabled()) state |= odDisabled;
  if (Focused() && !dropped_) state |= odSelected | odFocused;
  PaintEntry(canvas, itemIndex_, FieldRect(), state);
}

void TCustomComboBox::PaintTo(TBitmap& bitmap) {
  TCustomControl::PaintTo(bitmap);
  if (!editor_->isVisibleTo(HostWidget(this))) return;
  QPainter painter(&QtImage(bitmap));
  editor_->render(&painter, editor_->pos(), QRegion(), QWidget::DrawChildren);
}

// --- Notifications

void TCustomComboBox::Loaded() {
  // The layout may give ItemIndex before the items, or Text instead of ItemIndex.
  if (itemIndex_ < -1 || itemIndex_ >= items_.Count()) itemIndex_ = -1;
  if (itemIndex_ < 0 && (WindowStyle() & CBS_TYPEMASK) == CBS_DROPDOWNLIST)
    itemIndex_ = items_.IndexOf(Text());
  if (itemIndex_ >= 0 || (WindowStyle() & CBS_TYPEMASK) == CBS_DROPDOWNLIST)
    SetTextQuietly(itemIndex_ >= 0 ? items_.Strings(itemIndex_) : std::string());
  TCustomControl::Loaded();
  AdjustHeight();
  PlaceEditor();
  ApplyEditorLook();
}

void TCustomComboBox::FontChanged() {
  TCustomControl::FontChanged();
  ApplyEditorLook();
  AdjustHeight();
  PlaceEditor();
}

void TCustomComboBox::ColorChanged() {
  TCustomControl::ColorChanged();
  ApplyEditorLook();
}

void TCustomComboBox::EnabledChanged() {
  TCustomControl::EnabledChanged();
  if (!Enabled()) CloseList();
  editor_->update();
}

void TCustomComboBox::Resize() {
  PlaceEditor();
  TCustomControl::Resize();
}

void TCustomComboBox::DoEnter() {
  if (Editable()) editor_->selectAll();
  Invalidate();
  TCustomControl::DoEnter();
}

void TCustomComboBox::DoExit() {
  CloseList();
  Invalidate();
  TCustomControl::DoExit();
}

// --- Mouse and keys

void TCustomComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  if (CanFocus() && !Focused()) SetFocus();
  const TPoint p = Point(x, y);
  if ((WindowStyle() & CBS_TYPEMASK) == CBS_SIMPLE) {
    int top = SimpleListRect().Top + 2;
    for (int i = 0; i < items_.Count(); ++i) {
      const int h = ListItemHeight(i);
      if (y >= top && y < top + h && x >= 2 && x < Width() - 2) {
        SelectByUser(i);
        return;
      }
      top += h;
    }
    return;
  }
  if (Editable() && !ButtonRect().Contains(p)) return;
  buttonDown_ = true;
  SetDroppedDown(!dropped_);
  Invalidate();
}

void TCustomComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && buttonDown_) {
    buttonDown_ = false;
    Invalidate();
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomComboBox::KeyDown(TKey& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (!key) return;
  const bool simple = (WindowStyle() & CBS_TYPEMASK) == CBS_SIMPLE;
  if (!simple && (key == VK_F1 + 3 || ((key == VK_DOWN || key == VK_UP) && (shift & ssAlt)))) {
    SetDroppedDown(!dropped_);
    key = 0;
    return;
  }
  const int count = items_.Count();
  if (count == 0) return;
  const int page = std::max(1, dropDownCount_ - 1);
  const bool list = !Editable();
  int next = -2;
  switch (key) {
    case VK_UP:
      next = itemIndex_ <= 0 ? 0 : itemIndex_ - 1;
      break;
    case VK_DOWN:
      next = std::min(count - 1, itemIndex_ + 1);
      break;
    case VK_PRIOR:
      next = std::max(0, itemIndex_ - page);
      break;
    case VK_NEXT:
      next = std::min(count - 1, std::max(0, itemIndex_ + page));
      break;
    case VK_LEFT:
      if (list) next = itemIndex_ <= 0 ? 0 : itemIndex_ - 1;
      break;
    case VK_RIGHT:
      if (list) next = std::min(count - 1, itemIndex_ + 1);
      break;
    case VK_HOME:
      if (list) next = 0;
      break;
    case VK_END:
      if (list) next = count - 1;
      break;
    default:
      break;
  }
  if (next < 0) return;
  key = 0;
  SelectByUser(next);
}

int TCustomComboBox::SearchPrefix(char32_t ch, int from) const {
  const int count = items_.Count();
  const char32_t wanted = LowerChar(ch);
  for (int n = 0; n < count; ++n) {
    const int i = (from + n + count) % count;
    const QString text = QtString(items_.Strings(i));
    if (!text.isEmpty() && LowerChar(text.toUcs4().value(0)) == wanted) return i;
  }
  return -1;
}

void TCustomComboBox::KeyPress(char32_t& key) {
  TCustomControl::KeyPress(key);
  if (!key || Editable() || key < 0x20 || items_.Count() == 0) return;
  const int index = SearchPrefix(key, itemIndex_ + 1);
  key = 0;
  if (index >= 0) SelectByUser(index);
}
