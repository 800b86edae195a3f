#include "platform/framework/HintWindow.h"

#include "platform/framework/Application.h"
#include "platform/graphics/Canvas.h"
#include "platform/qt/ControlHost.h"

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  SetVisible(false);
  SetColor(clInfoBk);
  Font().SetColor(clInfoText);
  ControlHost* widget = HostWidget(this);
  widget->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  // A hint never takes the focus or the mouse away from the control it explains.
  widget->setAttribute(Qt::WA_ShowWithoutActivating);
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
}

THintWindow::~THintWindow() = default;

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
  TCanvas& canvas = Canvas();
  canvas.SetFont(Font());
  TRect rect = Rect(0, 0, maxWidth, 0);
  canvas.DrawText(hint, rect, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  rect.Right += 6;
  rect.Bottom += 2;
  return rect;
}

void THintWindow::ActivateHint(const TRect& rect, const std::string& hint) {
  SetCaption(hint);
  SetBoundsRect(PlaceHintRect(rect));
  SetVisible(true);
  Invalidate();
}

TRect THintWindow::PlaceHintRect(const TRect& rect) const {
  TRect r = rect;
  r.Bottom += 4;
  const int sw = Screen->Width();
  const int sh = Screen->Height();
  if (r.Top + r.Height() > sh) r = OffsetRect(r, 0, sh - r.Height() - r.Top);
  if (r.Left + r.Width() > sw) r = OffsetRect(r, sw - r.Width() - r.Left, 0);
  if (r.Left < 0) r = OffsetRect(r, -r.Left, 0);
  if (r.Top < 0) r = OffsetRect(r, 0, -r.Top);
  return r;
}

void THintWindow::ReleaseHandle() {
  SetVisible(false);
}

bool THintWindow::IsHintVisible() const {
  ControlHost* widget = HostWidget(this);
  return widget && widget->isVisible();
}

void THintWindow::UpdateShowing() {
  if (ControlHost* widget = HostWidget(this)) widget->setVisible(Visible());
}

void THintWindow::Paint() {
  TCanvas& canvas = Canvas();
  const TRect client = ClientRect();
  canvas.Brush().SetColor(clWindowFrame);
  canvas.FrameRect(client);
  TRect text = Rect(3, 3, client.Right - 1, client.Bottom - 1);
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetColor(Font().Color());
  canvas.DrawText(Caption(), text, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}
