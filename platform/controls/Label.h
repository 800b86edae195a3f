// TLabel: a windowless caption. "&" underlines the next character (unless ShowAccelChar is
// off) and Alt+that letter focuses FocusControl. With AutoSize the label takes the size of its
// text (keeping its right edge when right-aligned); WordWrap breaks lines at the label's width;
// Layout places the text vertically; a Transparent label lets the parent show through, an
// opaque one fills itself with Color (by default the parent's colour). Disabled text is drawn
// engraved.
#pragma once

#include <string>

#include "platform/framework/Control.h"
#include "platform/framework/Form.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner = nullptr);
  std::string ClassName() const override { return "TLabel"; }

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  TWinControl* FocusControl() const { return focusControl_; }
  // May be a control of another owner: the label forgets it when it goes.
  void SetFocusControl(TWinControl* control);

  // The DrawText flags the caption is drawn with (alignment, word break, prefix handling).
  unsigned TextFlags() const;

 protected:
  void Paint() override;
  void Loaded() override;
  void TextChanged() override;
  void FontChanged() override;
  bool DialogChar(char32_t key, TShiftState shift) override;
  void Notification(TComponent* component, TOperation operation) override;
  // Draws (or with DT_CALCRECT measures) the caption on canvas within rect.
  void DoDrawText(TCanvas& canvas, TRect& rect, unsigned flags) const;
  // Fits the bounds to the text when AutoSize is on.
  void AdjustBounds();

 private:
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
  bool showAccelChar_ = true;
  TWinControl* focusControl_ = nullptr;
};
