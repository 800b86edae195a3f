#include "platform/qt/ComboList.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

#include "platform/framework/Application.h"
#include "platform/controls/ComboBox.h"
#include "platform/graphics/FrameControl.h"
#include "platform/framework/Hotkey.h"
#include "platform/framework/SystemMetrics.h"

namespace {
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 100;
constexpr int kMinThumb = 8;
constexpr int kWheelLines = 3;

TPoint LocalPoint(const QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  return {p.x(), p.y()};
}

// A 50% pattern of button face and highlight, the classic scroll-bar track.
const TBitmap& TrackPattern() {
  static const TBitmap pattern = [] {
    TBitmap b(2, 2);
    b.Canvas().SetPixels(0, 0, clBtnHighlight);
    b.Canvas().SetPixels(1, 1, clBtnHighlight);
    b.Canvas().SetPixels(1, 0, clBtnFace);
    b.Canvas().SetPixels(0, 1, clBtnFace);
    return b;
  }();
  return pattern;
}
}  // namespace

ComboList::ComboList(TCustomComboBox& combo) : combo_(combo) {
  repeat_.setInterval(kRepeatDelayMs);
  QObject::connect(&repeat_, &QTimer::timeout, [this] {
    repeat_.setInterval(kRepeatIntervalMs);
    if (pressedPart_ != Part::none && pressedPart_ != Part::thumb) ScrollPart(pressedPart_);
  });
}

void ComboList::Open() {
  const int count = combo_.Items().Count();
  visible_ = std::clamp(count, 1, combo_.DropDownCount());
  int height = 0;
  for (int i = 0; i < visible_; ++i)
    height += i < count ? combo_.ListItemHeight(i) : combo_.ItemHeight();
  height += 2 * kFrame;
  const int width = combo_.Width();
  const TPoint below = combo_.ClientToScreen(Point(0, combo_.Height()));
  int y = below.Y;
  // Above the control when there is no room below it.
  if (y + height > ScreenBounds().Bottom) y = below.Y - combo_.Height() - height;
  SetScreenRect(KeepOnScreen(Bounds(below.X, y, width, height)));
  top_ = 0;
  hot_ = combo_.ItemIndex();
  EnsureVisible(hot_);
  pressedPart_ = Part::none;
  show();
  setFocus(Qt::PopupFocusReason);
}

void ComboList::Close() {
  repeat_.stop();
  pressedPart_ = Part::none;
  closing_ = true;
  hide();
  closing_ = false;
  combo_.ListClosed();
}

void ComboList::Dismiss() {
  repeat_.stop();
  closing_ = true;
  hide();
  closing_ = false;
}

void ComboList::hideEvent(QHideEvent* event) {
  PopupWidget::hideEvent(event);
  // Hidden by the window system (the program lost the focus): the list is closed all the same.
  if (!closing_) GuardedCall([this] { combo_.ListClosed(); }, &combo_);
}

bool ComboList::HasScrollBar() const {
  return combo_.Items().Count() > visible_;
}

int ComboList::MaxTop() {
  // The first item from which the rest of the list fills the area.
  const int count = combo_.Items().Count();
  const int room = ItemsArea().Height();
  int top = count;
  int used = 0;
  while (top > 0 && used + combo_.ListItemHeight(top - 1) <= room)
    used += combo_.ListItemHeight(--top);
  return std::min(top, std::max(0, count - 1));
}

void ComboList::SetTopIndex(int index) {
  index = std::clamp(index, 0, MaxTop());
  if (index == top_) return;
  top_ = index;
  update();
}

void ComboList::EnsureVisible(int index) {
  if (index < 0) return;
  if (index < top_) {
    SetTopIndex(index);
    return;
  }
  const int room = ItemsArea().Height();
  int used = 0;
  for (int i = top_; i <= index; ++i) used += combo_.ListItemHeight(i);
  if (used <= room) return;
  // Scroll just far enough for the item's bottom to show.
  int top = index;
  used = combo_.ListItemHeight(index);
  while (top > 0 && used + combo_.ListItemHeight(top - 1) <= room)
    used += combo_.ListItemHeight(--top);
  SetTopIndex(top);
}

void ComboList::SetHot(int index) {
  if (index < -1 || index >= combo_.Items().Count()) index = -1;
  EnsureVisible(index);
  if (index == hot_) return;
  hot_ = index;
  update();
}

TRect ComboList::ItemsArea() const {
  const int right = width() - kFrame - (HasScrollBar() ? GetSystemMetrics(SM_CXVSCROLL) : 0);
  return Rect(kFrame, kFrame, std::max(kFrame, right), height() - kFrame);
}

TRect ComboList::ItemRect(int index) {
  const TRect area = ItemsArea();
  if (index < top_ || index >= combo_.Items().Count()) return {};
  int y = area.Top;
  for (int i = top_; i < index && y < area.Bottom; ++i) y += combo_.ListItemHeight(i);
  if (y >= area.Bottom) return {};
  return Rect(area.Left, y, area.Right, y + combo_.ListItemHeight(index));
}

int ComboList::ItemAt(TPoint p) {
  const TRect area = ItemsArea();
  if (!area.Contains(p)) return -1;
  int y = area.Top;
  for (int i = top_; i < combo_.Items().Count() && y < area.Bottom; ++i) {
    const int h = combo_.ListItemHeight(i);
    if (p.Y >= y && p.Y < y + h) return i;
    y += h;
  }
  return -1;
}

TRect ComboList::ScrollRect() const {
  if (!HasScrollBar()) return {};
  return Rect(width() - kFrame - GetSystemMetrics(SM_CXVSCROLL), kFrame, width() - kFrame,
              height() - kFrame);
}

TRect ComboList::ThumbRect() {
  const TRect bar = ScrollRect();
  const int button = std::min(GetSystemMetrics(SM_CYVTHUMB), bar.Height() / 2);
  const int trackTop = bar.Top + button;
  const int trackLength = bar.Height() - 2 * button;
  const int count = combo_.Items().Count();
  if (trackLength <= 0 || count == 0) return {};
  const int thumb = std::max(kMinThumb, trackLength * visible_ / count);
  if (thumb >= trackLength) return {};
  const int offset = MaxTop() > 0 ? (trackLength - thumb) * top_ / MaxTop() : 0;
  return Rect(bar.Left, trackTop + offset, bar.Right, trackTop + offset + thumb);
}

ComboList::Part ComboList::PartAt(TPoint p) {
  const TRect bar = ScrollRect();
  if (!bar.Contains(p)) return Part::none;
  const int button = std::min(GetSystemMetrics(SM_CYVTHUMB), bar.Height() / 2);
  if (p.Y < bar.Top + button) return Part::up;
  if (p.Y >= bar.Bottom - button) return Part::down;
  const TRect thumb = ThumbRect();
  if (thumb.Contains(p)) return Part::thumb;
  return p.Y < thumb.Top ? Part::pageUp : Part::pageDown;
}

void ComboList::ScrollPart(Part part) {
  switch (part) {
    case Part::up:
      SetTopIndex(top_ - 1);
      break;
    case Part::down:
      SetTopIndex(top_ + 1);
      break;
    case Part::pageUp:
      SetTopIndex(top_ - visible_);
      break;
    case Part::pageDown:
      SetTopIndex(top_ + visible_);
      break;
    default:
      break;
  }
}

void ComboList::PaintScrollBar(TCanvas& canvas) {
  const TRect bar = ScrollRect();
  if (bar.IsEmpty()) return;
  const int button = std::min(GetSystemMetrics(SM_CYVTHUMB), bar.Height() / 2);
  canvas.Brush().SetBitmap(&TrackPattern());
  canvas.FillRect(bar);
  canvas.Brush().SetBitmap(nullptr);
  const TRect up = Rect(bar.Left, bar.Top, bar.Right, bar.Top + button);
  const TRect down = Rect(bar.Left, bar.Bottom - button, bar.Right, bar.Bottom);
  DrawArrowButton(canvas, up, adUp, pressedPart_ == Part::up, top_ > 0);
  DrawArrowButton(canvas, down, adDown, pressedPart_ == Part::down, top_ < MaxTop());
  const TRect thumb = ThumbRect();
  if (!thumb.IsEmpty()) DrawButtonFace(canvas, thumb, false);
}

void ComboList::ComposeFace(TBitmap& face) {
  TCanvas& canvas = face.Canvas();
  canvas.ResetClip();
  const TRect whole = Rect(0, 0, face.Width(), face.Height());
  canvas.Brush().SetColor(clWindowFrame);
  canvas.FrameRect(whole);
  const TRect area = ItemsArea();
  canvas.Brush().SetColor(combo_.Color());
  canvas.FillRect(area);
  for (int i = top_; i < combo_.Items().Count(); ++i) {
    const TRect r = ItemRect(i);
    if (r.IsEmpty()) break;
    canvas.SetClipRect(area);
    const TOwnerDrawState state = i == hot_ ? odSelected | odFocused : 0;
    combo_.PaintEntry(canvas, i, r, state);
    canvas.ResetClip();
  }
  PaintScrollBar(canvas);
}

void ComboList::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  const TPoint p = LocalPoint(event);
  if (pressedPart_ == Part::thumb) {
    const TRect bar = ScrollRect();
    const int button = std::min(GetSystemMetrics(SM_CYVTHUMB), bar.Height() / 2);
    const TRect thumb = ThumbRect();
    const int free = bar.Height() - 2 * button - thumb.Height();
    if (free > 0) SetTopIndex((p.Y - dragOffset_ - bar.Top - button) * MaxTop() / free);
    return;
  }
  if (pressedPart_ != Part::none) return;
  const int index = ItemAt(p);
  if (index >= 0) SetHot(index);
}

void ComboList::mousePressEvent(QMouseEvent* event) {
  event->accept();
  const TPoint p = LocalPoint(event);
  if (!rect().contains(event->position().toPoint())) {
    // A click anywhere else closes the list (on the combo box's own button too).
    GuardedCall([this] { Close(); }, &combo_);
    return;
  }
  if (event->button() != Qt::LeftButton) return;
  const Part part = PartAt(p);
  if (part != Part::none) {
    pressedPart_ = part;
    if (part == Part::thumb) {
      dragOffset_ = p.Y - ThumbRect().Top;
    } else {
      ScrollPart(part);
      repeat_.setInterval(kRepeatDelayMs);
      repeat_.start();
    }
    update();
    return;
  }
  const int index = ItemAt(p);
  if (index >= 0) SetHot(index);
}

void ComboList::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (combo_.buttonDown_) {
    combo_.buttonDown_ = false;
    combo_.Invalidate();
  }
  if (event->button() != Qt::LeftButton) return;
  if (pressedPart_ != Part::none) {
    pressedPart_ = Part::none;
    repeat_.stop();
    update();
    return;
  }
  const int index = ItemAt(LocalPoint(event));
  if (index >= 0) GuardedCall([&] { combo_.ListChosen(index); }, &combo_);
}

void ComboList::wheelEvent(QWheelEvent* event) {
  event->accept();
  const int steps = event->angleDelta().y() / 120;
  SetTopIndex(top_ - steps * kWheelLines);
}

void ComboList::keyPressEvent(QKeyEvent* event) {
  event->accept();
  const int count = combo_.Items().Count();
  const bool alt = event->modifiers() & Qt::AltModifier;
  switch (event->key()) {
    case Qt::Key_Escape:
      GuardedCall([this] { Close(); }, &combo_);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_F4:
      break;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (alt) break;
      if (count > 0)
        SetHot(event->key() == Qt::Key_Up ? std::max(0, hot_ - 1) : std::min(count - 1, hot_ + 1));
      return;
    case Qt::Key_PageUp:
      if (count > 0) SetHot(std::max(0, hot_ - std::max(1, visible_ - 1)));
      return;
    case Qt::Key_PageDown:
      if (count > 0) SetHot(std::min(count - 1, std::max(0, hot_) + std::max(1, visible_ - 1)));
      return;
    case Qt::Key_Home:
      if (count > 0) SetHot(0);
      return;
    case Qt::Key_End:
      if (count > 0) SetHot(count - 1);
      return;
    default: {
      const QString text = event->text();
      if (text.isEmpty() || !text[0].isPrint() || count == 0) return;
      const char32_t wanted = LowerChar(text.toUcs4().value(0));
      for (int n = 1; n <= count; ++n) {
        const int i = (std::max(hot_, -1) + n + count) % count;
        const QString item = QString::fromStdString(combo_.Items().Strings(i));
        if (!item.isEmpty() && LowerChar(item.toUcs4().value(0)) == wanted) {
          SetHot(i);
          return;
        }
      }
      return;
    }
  }
  // Keys that end the list: the highlighted item becomes the selection.
  const int chosen = hot_;
  GuardedCall(
      [&] {
        if (chosen >= 0)
          combo_.ListChosen(chosen);
        else
          Close();
      },
      &combo_);
}
