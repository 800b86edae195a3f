// TFlatCheckBox: the editor's check box. An 11 x 11 box with a drawn check mark and a
// word-wrapped caption beside it, in the flat buttons' style: the box lights up while hovered
// or focused and darkens while the mouse button is held on it. The hover look is kept the flat
// buttons' way, by one 100 ms timer shared by all check boxes.
//
// Setting Checked to a new value fires OnClick, so code that loads a state into a check box
// runs its click handler whenever the state changes.
#pragma once

#include <string>

#include "controls/FlatUtilitys.h"
#include "platform/framework/Control.h"

class TTimer;

class TFlatCheckBox : public TCustomControl {
 public:
  explicit TFlatCheckBox(TComponent* owner = nullptr);
  ~TFlatCheckBox() override;
  std::string ClassName() const override { return "TFlatCheckBox"; }

  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  TColor ColorFocused() const { return colorFocused_; }
  void SetColorFocused(TColor value);
  TColor ColorDown() const { return colorDown_; }
  void SetColorDown(TColor value);
  TColor ColorCheck() const { return colorCheck_; }
  void SetColorCheck(TColor value);
  TColor ColorBorder() const { return colorBorder_; }
  void SetColorBorder(TColor value);
  // Percentages 0..100; other values raise an error.
  int AdvColorFocused() const { return advColorFocused_; }
  void SetAdvColorFocused(int value);
  int AdvColorDown() const { return advColorDown_; }
  void SetAdvColorDown(int value);
  int AdvColorBorder() const { return advColorBorder_; }
  void SetAdvColorBorder(int value);
  bool UseAdvColors() const { return useAdvColors_; }
  void SetUseAdvColors(bool value);
  TCheckBoxLayout Layout() const { return layout_; }
  void SetLayout(TCheckBoxLayout value);

  // --- Looks and geometry.
  bool MouseInControl() const { return mouseIn_; }
  bool MouseIsDown() const { return mouseDown_; }
  bool FocusLook() const { return focused_; }
  TRect BoxRect() const;
  TRect CaptionRect() const;

  // --- The class-wide hover machinery.
  static int InstanceCount();
  static TTimer* SharedTimer();
  static TFlatCheckBox* TrackedCheckBox();

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DoEnter() override;
  void DoExit() override;
  void FocusChanged(TWinControl* focused) override;
  bool DialogChar(char32_t key, TShiftState shift) override;
  void EnabledChanged() override;
  void ParentColorChanged() override;
  void Paint() override;

 private:
  void DeriveAdvancedColors();
  void RedrawBox();
  void TrackMouseAt(TPoint screenPos);
  void MouseEnterLook();
  void MouseLeaveLook();
  void TimerTick();
  void DrawBox(TCanvas& canvas) const;
  void DrawCheckMark(TCanvas& canvas, TPoint origin) const;
  void DrawCaption(TCanvas& canvas) const;

  bool checked_ = false;
  TColor colorFocused_ = 16777215;
  TColor colorDown_ = 12965593;
  TColor colorCheck_ = 0;
  TColor colorBorder_ = 8623776;
  int advColorFocused_ = 10;
  int advColorDown_ = 10;
  int advColorBorder_ = 50;
  bool useAdvColors_ = false;
  TCheckBoxLayout layout_ = TCheckBoxLayout::checkboxLeft;

  bool mouseIn_ = false;
  bool mouseDown_ = false;
  bool focused_ = false;
};
