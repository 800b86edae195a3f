// Internal to the platform layer: a borderless top-level popup window painted through our
// Canvas (the menus' windows and the combo boxes' drop-down lists). While one is shown it gets
// every mouse and key event of the program (the window system's popup grab); a press outside
// is delivered to it too, so the owner decides what a click elsewhere means, and that click
// is not passed on to the window below.
#pragma once

#include <QWidget>

#include "platform/graphics/Bitmap.h"
#include "platform/core/Types.h"

class PopupWidget : public QWidget {
 public:
  PopupWidget();
  ~PopupWidget() override;

  // Moves and sizes the window to r (screen coordinates).
  void SetScreenRect(const TRect& r);
  TRect ScreenRect() const;
  bool ContainsGlobal(TPoint p) const { return isVisible() && ScreenRect().Contains(p); }
  // The face as last composed (what the screen shows), composed now if needed.
  const TBitmap& Face();

 protected:
  // Paints the whole window into face (sized to the window already).
  virtual void ComposeFace(TBitmap& face) = 0;
  void paintEvent(QPaintEvent* event) override;

 private:
  TBitmap face_;
};

// The screen's rectangle (origin 0, 0).
TRect ScreenBounds();
// r moved (not resized) so that it lies on the screen as far as it fits.
TRect KeepOnScreen(TRect r);
