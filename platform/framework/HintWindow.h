// The window that shows a control's hint: a borderless top-level popup that never takes the
// focus. The application creates one through its hint-window class (a factory) and calls
// CalcHintRect and ActivateHint for each hint; replacement classes override them and Paint.
#pragma once

#include <string>

#include "platform/framework/Control.h"

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* owner = nullptr);
  ~THintWindow() override;
  std::string ClassName() const override { return "THintWindow"; }

  // The rectangle (origin 0, 0) the window needs for hint, at most maxWidth wide.
  virtual TRect CalcHintRect(int maxWidth, const std::string& hint);
  // Shows the window at rect (screen coordinates) with hint as its text, on top, without
  // taking the focus.
  virtual void ActivateHint(const TRect& rect, const std::string& hint);
  // Hides the window (the classic ReleaseHandle).
  virtual void ReleaseHandle();
  bool IsHintVisible() const;
  bool IsTopLevelWindow() const override { return true; }

 protected:
  // Where ActivateHint puts the window for rect: the standard hint grows 4 pixels at the
  // bottom and is pushed onto the screen. A hint class that computes its rectangle exactly
  // returns rect unchanged.
  virtual TRect PlaceHintRect(const TRect& rect) const;
  void Paint() override;
  void UpdateShowing() override;
};
