#include <algorithm>

#include "platform/controls/StatusBar.h"
#include "platform/controls/UpDown.h"
#include "platform/core/Exception.h"
#include "platform/framework/Application.h"
#include "platform/framework/Form.h"
#include "platform/graphics/Canvas.h"

namespace {
// The strip above the panels, and the space between two panels.
constexpr int kTopBorder = 2;
constexpr int kPanelGap = 2;
// Text keeps this far from the panel's bevel on the left and right.
constexpr int kTextMargin = 2;
constexpr int kGripSize = 12;
}  // namespace

// --- TStatusPanel

void TStatusPanel::Changed() {
  bar_.PanelsChanged();
}

void TStatusPanel::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Changed();
}

void TStatusPanel::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  Changed();
}

void TStatusPanel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel value) {
  if (value == bevel_) return;
  bevel_ = value;
  Changed();
}

void TStatusPanel::SetStyle(TStatusPanelStyle value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}

int TStatusPanel::Index() const {
  return bar_.Panels().IndexOf(this);
}

// --- TStatusPanels

TStatusPanel& TStatusPanels::Items(int index) const {
  if (index < 0 || index >= Count())
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  return *panels_[static_cast<std::size_t>(index)];
}

TStatusPanel& TStatusPanels::Add() {
  panels_.push_back(std::make_unique<TStatusPanel>(bar_));
  bar_.PanelsChanged();
  return *panels_.back();
}

void TStatusPanels::Delete(int index) {
  Items(index);  // range check
  panels_.erase(panels_.begin() + index);
  bar_.PanelsChanged();
}

void TStatusPanels::Clear() {
  panels_.clear();
  bar_.PanelsChanged();
}

int TStatusPanels::IndexOf(const TStatusPanel* panel) const {
  for (std::size_t i = 0; i < panels_.size(); ++i)
    if (panels_[i].get() == panel) return static_cast<int>(i);
  return -1;
}

// --- TStatusBar

TStatusBar::TStatusBar(TComponent* owner) : TCustomControl(owner), panels_(*this) {
  SetControlStyle(ControlStyle() | csOpaque);
  // The bar speaks in the desktop's standard font, not in its parent's.
  SetParentFont(false);
  SetBounds(0, 0, 200, 19);
  SetAlign(alBottom);
  hintSource_ = Application;
  hintListener_ = hintSource_->AddHintListener([this](const std::string& hint) {
    if (autoHint_) ShowAutoHint(hint);
  });
}

TStatusBar::~TStatusBar() {
  hintSource_->RemoveHintListener(hintListener_);
}

void TStatusBar::SetSimplePanel(bool value) {
  if (value == simplePanel_) return;
  simplePanel_ = value;
  Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& text) {
  if (text == simpleText_) return;
  simpleText_ = text;
  if (simplePanel_) Invalidate();
}

void TStatusBar::SetSizeGrip(bool value) {
  if (value == sizeGrip_) return;
  sizeGrip_ = value;
  Invalidate();
}

void TStatusBar::PanelsChanged() {
  Invalidate();
}

void TStatusBar::ShowAutoHint(const std::string& hint) {
  if (OnHint) {
    OnHint(this);
    return;
  }
  if (simplePanel_ || panels_.Count() == 0)
    SetSimpleText(hint);
  else
    panels_[0].SetText(hint);
}

bool TStatusBar::GripShown() const {
  if (!sizeGrip_) return false;
  const auto* form = dynamic_cast<const TCustomForm*>(Parent());
  return form && (form->BorderStyle() == TFormBorderStyle::bsSizeable ||
                  form->BorderStyle() == TFormBorderStyle::bsSizeToolWin);
}

TRect TStatusBar::PanelRect(int index) const {
  const int right = Width() - (GripShown() ? kGripSize + 2 : 0);
  if (index < 0 || simplePanel_) return Rect(0, kTopBorder, std::max(0, right), Height());
  int left = 0;
  for (int i = 0; i < panels_.Count(); ++i) {
    const bool last = i == panels_.Count() - 1;
    const int panelRight = last ? std::max(left, right) : left + std::max(0, panels_[i].Width());
    if (i == index) return Rect(left, kTopBorder, panelRight, Height());
    left = panelRight + kPanelGap;
  }
  return {};
}

void TStatusBar::PaintPanel(TCanvas& canvas, const TRect& rect, const std::string& text,
                            TAlignment alignment, TStatusPanelBevel bevel) {
  TRect r = rect;
  if (bevel == pbLowered) canvas.DrawEdge(r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
  if (bevel == pbRaised) canvas.DrawEdge(r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  r.Left += kTextMargin;
  r.Right -= kTextMargin;
  unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  if (alignment == taCenter) flags |= DT_CENTER;
  if (alignment == taRightJustify) flags |= DT_RIGHT;
  canvas.Brush().SetStyle(bsClear);
  canvas.DrawText(text, r, flags);
  canvas.Brush().SetStyle(bsSolid);
}

void TStatusBar::PaintGrip(TCanvas& canvas) const {
  // Three pairs of diagonal lines in the bottom-right corner.
  const int right = Width() - 1;
  const int bottom = Height() - 1;
  for (int i = 0; i < 3; ++i) {
    const int d = 4 * i + 1;
    for (int k = 0; k < 2; ++k) {
      canvas.Pen().SetColor(k == 0 ? clBtnHighlight : clBtnShadow);
      const int off = d + k;
      canvas.MoveTo(right - off, bottom);
      canvas.LineTo(right + 1, bottom - off - 1);
    }
  }
}

void TStatusBar::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(ClientRect());
  canvas.SetFont(Font());
  if (simplePanel_ || panels_.Count() == 0) {
    if (simplePanel_) PaintPanel(canvas, PanelRect(-1), simpleText_, taLeftJustify, pbNone);
  } else {
    for (int i = 0; i < panels_.Count(); ++i) {
      TStatusPanel& panel = panels_[i];
      const TRect rect = PanelRect(i);
      if (rect.IsEmpty()) continue;
      if (panel.Style() == psOwnerDraw && OnDrawPanel) {
        TRect inside = rect;
        if (panel.Bevel() != pbNone) {
          canvas.DrawEdge(inside, panel.Bevel() == pbLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                          BF_RECT | BF_ADJUST);
        }
        OnDrawPanel(this, &panel, inside);
        continue;
      }
      PaintPanel(canvas, rect, panel.Style() == psText ? panel.Text() : "", panel.Alignment(),
                 panel.Bevel());
    }
  }
  if (GripShown()) PaintGrip(canvas);
}
