// The editor's tooltips. TFlatHint, a component placed once on the main window, makes
// TFlatHintWindow the application's hint window and sets the hint timing (500 ms before the
// first hint, 25 ms between hints, 5000 ms until a hint hides); it holds the colours, font and
// maximum width every hint uses.
//
// TFlatHintWindow sizes itself to its word-wrapped text, stands beside the cursor according to
// the screen quarter the cursor is in, and paints a coloured strip with a small arrow pointing
// back at the cursor.
#pragma once

#include <string>
#include <vector>

#include "platform/framework/Application.h"
#include "platform/framework/HintWindow.h"
#include "platform/graphics/Font.h"

class TFlatHint : public TComponent {
 public:
  explicit TFlatHint(TComponent* owner = nullptr);
  ~TFlatHint() override;
  std::string ClassName() const override { return "TFlatHint"; }

  // Setting these only stores them: a visible hint keeps its look until the next one.
  TColor ColorBackground() const { return colorBackground_; }
  void SetColorBackground(TColor value) { colorBackground_ = value; }
  TColor ColorBorder() const { return colorBorder_; }
  void SetColorBorder(TColor value) { colorBorder_ = value; }
  TColor ColorArrowBackground() const { return colorArrowBackground_; }
  void SetColorArrowBackground(TColor value) { colorArrowBackground_ = value; }
  TColor ColorArrow() const { return colorArrow_; }
  void SetColorArrow(TColor value) { colorArrow_ = value; }
  // The whole window's maximum width, strip and margins included (at least 23, so that a
  // line of text has room).
  int MaxHintWidth() const { return maxHintWidth_; }
  void SetMaxHintWidth(int value);
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& value) { font_.Assign(value); }

  // Called before each hint is shown, with the application's arguments.
  TShowHintEvent OnShowHint;

  // The flat hint whose look the hint windows use: the first one the main window owns (or,
  // when the main window has none, the one created last); nullptr when there is none.
  static TFlatHint* Current();

 private:
  TColor colorBackground_ = 16777215;
  TColor colorBorder_ = 0;
  TColor colorArrowBackground_ = 5493503;
  TColor colorArrow_ = 0;
  int maxHintWidth_ = 200;
  TFont font_;
};

// Where the hint stands, by the screen quarter the cursor is in.
enum class THintPlacement {
  hpBelowLeft = 0,   // cursor in the top-right quarter
  hpBelowRight = 1,  // top-left quarter
  hpAboveLeft = 2,   // bottom-right quarter, or anywhere else
  hpAboveRight = 3,  // bottom-left quarter
};

// The quarter test: halves are integer halves; a quarter includes its left and top edges.
THintPlacement HintPlacementAt(TPoint cursor, int screenWidth, int screenHeight);
// The window's rectangle for a window of width x height beside the cursor.
TRect HintWindowRect(THintPlacement placement, TPoint cursor, int width, int height);
// The arrow strip and the text area of a client area of width x height.
TRect HintArrowStrip(THintPlacement placement, int width, int height);
TRect HintTextArea(THintPlacement placement, int width, int height);
// The 18 points of the arrow's line.
std::vector<TPoint> HintArrowPoints(THintPlacement placement, int width, int height);

class TFlatHintWindow : public THintWindow {
 public:
  // The window's size beyond the text: the strip, the margins and the frame.
  static constexpr int ExtraWidth = 22;
  static constexpr int ExtraHeight = 6;

  explicit TFlatHintWindow(TComponent* owner = nullptr);
  std::string ClassName() const override { return "TFlatHintWindow"; }

  TRect CalcHintRect(int maxWidth, const std::string& hint) override;
  // Sizes the window to the hint and shows it beside the cursor: only rect's top-left corner
  // is used, and the window is not moved back onto the screen.
  void ActivateHint(const TRect& rect, const std::string& hint) override;

  THintPlacement Placement() const { return placement_; }

 protected:
  // The rectangle ActivateHint computes is the window's, exactly.
  TRect PlaceHintRect(const TRect& rect) const override { return rect; }
  void Paint() override;

 private:
  // What the window draws with, taken from the flat hint at each activation.
  struct Look {
    TColor background = 16777215;
    TColor border = 0;
    TColor arrowBackground = 5493503;
    TColor arrow = 0;
    int maxHintWidth = 200;
    TFont font;
  };
  void TakeLook();
  TRect MeasureText(const TRect& rect, const std::string& hint) const;

  Look look_;
  THintPlacement placement_ = THintPlacement::hpAboveLeft;
};
