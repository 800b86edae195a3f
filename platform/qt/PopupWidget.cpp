#include "platform/qt/PopupWidget.h"

#include <QPainter>
#include <algorithm>

#include "platform/framework/Application.h"
#include "platform/qt/QtBridge.h"

PopupWidget::PopupWidget() : QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_NoMouseReplay);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

PopupWidget::~PopupWidget() = default;

void PopupWidget::SetScreenRect(const TRect& r) {
  setGeometry(r.Left, r.Top, std::max(1, r.Width()), std::max(1, r.Height()));
}

TRect PopupWidget::ScreenRect() const {
  const QRect g = geometry();
  return Bounds(g.x(), g.y(), g.width(), g.height());
}

const TBitmap& PopupWidget::Face() {
  face_.SetSize(width(), height());
  GuardedCall([this] { ComposeFace(face_); });
  return face_;
}

void PopupWidget::paintEvent(QPaintEvent*) {
  const TBitmap& face = Face();
  QPainter painter(this);
  PaintBitmap(painter, face);
}

TRect ScreenBounds() {
  return Rect(0, 0, Screen->Width(), Screen->Height());
}

TRect KeepOnScreen(TRect r) {
  const TRect screen = ScreenBounds();
  const int dx = std::max(screen.Left - r.Left, std::min(0, screen.Right - r.Right));
  const int dy = std::max(screen.Top - r.Top, std::min(0, screen.Bottom - r.Bottom));
  r = OffsetRect(r, dx, dy);
  // Too large to fit: the top-left corner stays visible.
  return OffsetRect(r, std::max(0, screen.Left - r.Left), std::max(0, screen.Top - r.Top));
}
