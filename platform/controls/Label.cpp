#include <algorithm>

#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/framework/Hotkey.h"
#include "platform/graphics/Canvas.h"

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() | csReplicatable | csOpaque);
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TLabel::SetLayout(TTextLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TLabel::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  SetControlStyle(value ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
  Invalidate();
}

void TLabel::SetShowAccelChar(bool value) {
  if (value == showAccelChar_) return;
  showAccelChar_ = value;
  AdjustBounds();
  Invalidate();
}

unsigned TLabel::TextFlags() const {
  unsigned flags = DT_EXPANDTABS;
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (alignment_ == taCenter) flags |= DT_CENTER;
  if (alignment_ == taRightJustify) flags |= DT_RIGHT;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  return flags;
}

void TLabel::DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags) const {
  std::string text = Caption();
  // An empty caption still measures one line high, so an auto-sized label does not vanish.
  if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&"))) text += " ";
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  if ((flags & DT_CALCRECT) || Enabled()) {
    canvas.DrawText(text, rect, flags);
    return;
  }
  DrawEngravedText(canvas, rect, text, flags);
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  const TRect client = ClientRect();
  if (!transparent_) {
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(client);
  }
  canvas.Brush().SetStyle(bsClear);
  TRect rect = client;
  const unsigned flags = TextFlags();
  if (layout_ != tlTop) {
    TRect calc = rect;
    DoDrawText(canvas, calc, flags | DT_CALCRECT);
    const int free = rect.Height() - calc.Height();
    rect = OffsetRect(rect, 0, layout_ == tlBottom ? free : free / 2);
  }
  DoDrawText(canvas, rect, flags);
}

void TLabel::AdjustBounds() {
  if (Loading() || !autoSize_) return;
  TCanvas& canvas = Canvas();
  canvas.SetFont(Font());
  TRect rect = ClientRect();
  DoDrawText(canvas, rect, (TextFlags() & ~(DT_CENTER | DT_RIGHT)) | DT_CALCRECT);
  int left = Left();
  if (alignment_ == taRightJustify) left += Width() - rect.Width();
  SetBounds(left, Top(), rect.Width(), rect.Height());
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::TextChanged() {
  TGraphicControl::TextChanged();
  AdjustBounds();
}

void TLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

bool TLabel::DialogChar(char32_t key, TShiftState) {
  if (!focusControl_ || !Enabled() || !showAccelChar_ || !IsAccel(key, Caption())) return false;
  if (!focusControl_->CanFocus()) return false;
  focusControl_->SetFocus();
  return true;
}

void TLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}
