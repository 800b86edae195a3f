// Spinners and status bars.
//
// TUpDown: two arrow buttons that step Position by Increment within Min..Max (or wrap round
// with Wrap). Position is always kept within the range. An associated control (the "buddy",
// normally an edit) shows the position as text, and the number typed into it is where the next
// step starts from. Holding a button repeats the step. Setting Associate from code moves the
// spinner to the buddy's right (or left) edge and narrows the buddy by the spinner's width;
// layouts store the finished geometry, so while a layout is read nothing moves. OnChanging may
// refuse a step; OnClick reports each arrow click (also at the ends of the range).
//
// TStatusBar: a bar at the bottom of its parent (19 pixels high) with text panels of given
// widths (the last one takes the rest of the bar), or one simple panel. With AutoHint the long
// hint of the control under the mouse (Application->Hint) shows in the first panel, or as the
// simple text when the bar is simple or has no panels.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Control.h"

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

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };

class TStatusBar;

class TStatusPanel {
 public:
  explicit TStatusPanel(TStatusBar& bar) : bar_(bar) {}

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  int Width() const { return width_; }
  void SetWidth(int width);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel value);
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle value);
  int Index() const;

 private:
  void Changed();

  TStatusBar& bar_;
  std::string text_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  TStatusPanelBevel bevel_ = pbLowered;
  TStatusPanelStyle style_ = psText;
};

class TStatusPanels {
 public:
  explicit TStatusPanels(TStatusBar& bar) : bar_(bar) {}
  int Count() const { return static_cast<int>(panels_.size()); }
  TStatusPanel& Items(int index) const;
  TStatusPanel& operator[](int index) const { return Items(index); }
  TStatusPanel& Add();
  void Delete(int index);
  void Clear();
  int IndexOf(const TStatusPanel* panel) const;

 private:
  TStatusBar& bar_;
  std::vector<std::unique_ptr<TStatusPanel>> panels_;
};

using TDrawPanelEvent =
    std::function<void(TComponent* statusBar, TStatusPanel* panel, const TRect& rect)>;

class TStatusBar : public TCustomControl {
 public:
  explicit TStatusBar(TComponent* owner = nullptr);
  ~TStatusBar() override;
  std::string ClassName() const override { return "TStatusBar"; }

  TStatusPanels& Panels() { return panels_; }
  const TStatusPanels& Panels() const { return panels_; }
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool value);
  const std::string& SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& text);
  bool AutoHint() const { return autoHint_; }
  void SetAutoHint(bool value) { autoHint_ = value; }
  // A size grip at the right end, shown when the bar sits in a sizeable window.
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);

  // The rectangle of panel index (or of the simple panel for -1), bevel included.
  TRect PanelRect(int index) const;

  // With AutoHint: replaces showing the hint in the bar.
  TNotifyEvent OnHint;
  TDrawPanelEvent OnDrawPanel;

  // Internal: a panel changed.
  void PanelsChanged();

 protected:
  void Paint() override;
  // Shows an application hint as AutoHint does.
  virtual void ShowAutoHint(const std::string& hint);

 private:
  bool GripShown() const;
  void PaintPanel(TCanvas& canvas, const TRect& rect, const std::string& text, TAlignment alignment,
                  TStatusPanelBevel bevel);
  void PaintGrip(TCanvas& canvas) const;

  TStatusPanels panels_;
  bool simplePanel_ = false;
  std::string simpleText_;
  bool autoHint_ = false;
  bool sizeGrip_ = true;
  TApplication* hintSource_ = nullptr;  // the application the bar listens to
  int hintListener_ = 0;
};
