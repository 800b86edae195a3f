// TUpDown: two arrow buttons that step Position by Increment within Min..Max (or wrap round
// with Wrap). Position is always kept within the range. An associated control (the "buddy",
// normally an edit) shows the position as text, and the number typed into it is where the next
// step starts from. Holding a button repeats the step. Setting Associate from code moves the
// spinner to the buddy's right (or left) edge and narrows the buddy by the spinner's width;
// layouts store the finished geometry, so while a layout is read nothing moves. OnChanging may
// refuse a step; OnClick reports each arrow click (also at the ends of the range).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/framework/Control.h"

class TApplication;

enum TUDBtnType { btNext, btPrev };
enum TUDAlignButton { udLeft, udRight };
enum TUDOrientation { udHorizontal, udVertical };
using TUDClickEvent = std::function<void(TComponent* sender, TUDBtnType button)>;
using TUDChangingEvent = std::function<void(TComponent* sender, bool& allowChange)>;

class TUpDown : public TCustomControl {
 public:
  explicit TUpDown(TComponent* owner = nullptr);
  ~TUpDown() override;
  std::string ClassName() const override { return "TUpDown"; }

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  // The position; a number typed into the buddy counts (kept within the range).
  int Position() const;
  void SetPosition(int value);
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value; }
  bool Wrap() const { return wrap_; }
  void SetWrap(bool value) { wrap_ = value; }
  // Up and Down typed into a buddy edit step the spinner.
  bool ArrowKeys() const { return arrowKeys_; }
  void SetArrowKeys(bool value);
  TUDAlignButton AlignButton() const { return alignButton_; }
  void SetAlignButton(TUDAlignButton value) { alignButton_ = value; }
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation value);
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* control);

  // One arrow click: OnChanging, the step, the buddy's text, OnClick.
  void Step(TUDBtnType button);
  // The rectangle of an arrow button in client coordinates.
  TRect ButtonRect(TUDBtnType button) const;

  // Hides the control's plain OnClick: the spinner's click names the arrow.
  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;

 protected:
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void WMTimer(int id) override;

 private:
  int Lowest() const { return std::min(min_, max_); }
  int Highest() const { return std::max(min_, max_); }
  int Clamped(int value) const;
  void UpdateBuddy();
  void HookBuddy(bool hook);
  void AlignToBuddy();
  bool HitButton(TUDBtnType button, int x, int y) const;

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int increment_ = 1;
  bool wrap_ = false;
  bool arrowKeys_ = true;
  TUDAlignButton alignButton_ = udRight;
  TUDOrientation orientation_ = udVertical;
  TWinControl* associate_ = nullptr;
  bool pressed_ = false;
  TUDBtnType pressedButton_ = btNext;
  bool pressedOver_ = false;
};
