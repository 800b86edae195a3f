// tAtomButton: a small self-painted button with a vertical two-colour gradient face, a
// one-pixel 3-D frame, a one-line caption and an optional picture left of it. Each of its four
// looks (normal, pointer over, pressed, disabled) has its own gradient and font, and it fires
// its own simple notification events.
//
// Its lower-case names are the ones layouts store: caption, enabled, onClick, bitmap ... The
// button keeps its own enabled flag and caption, apart from the control's Enabled and Caption:
// a disabled button still hears the mouse (and fires onMouseDown / onMouseUp) but shows the
// disabled look and never clicks.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/core/ChangeLinks.h"
#include "platform/framework/Control.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"

class tAtomButton : public TCustomControl {
 public:
  // What the mouse did last; released-inside shows the pointer-over look, left the normal one.
  enum class TMouseState { normal, down, releasedInside, over, left };

  explicit tAtomButton(TComponent* owner = nullptr);
  ~tAtomButton() override;
  std::string ClassName() const override { return "tAtomButton"; }

  TNotifyEvent onClick;       // a left-button release inside the button (enabled only)
  TNotifyEvent onMouseMove;   // every mouse move over the button
  TNotifyEvent onMouseEnter;  // the pointer enters (enabled only)
  TNotifyEvent onMouseUp;     // any mouse-button release
  TNotifyEvent onMouseDown;   // any mouse-button press
  TNotifyEvent onMouseLeave;  // the pointer leaves (enabled only)

  // Gradient colours are plain RGB values: system colours are not resolved here.
  TColor BtnColorNormal1() const { return colors_.normal1; }
  void SetBtnColorNormal1(TColor value);
  TColor BtnColorNormal2() const { return colors_.normal2; }
  void SetBtnColorNormal2(TColor value);
  TColor BtnColorMouseOn1() const { return colors_.mouseOn1; }
  void SetBtnColorMouseOn1(TColor value);
  TColor BtnColorMouseOn2() const { return colors_.mouseOn2; }
  void SetBtnColorMouseOn2(TColor value);
  TColor BtnColorMouseDown1() const { return colors_.mouseDown1; }
  void SetBtnColorMouseDown1(TColor value);
  TColor BtnColorMouseDown2() const { return colors_.mouseDown2; }
  void SetBtnColorMouseDown2(TColor value);
  TColor BtnColorEnable1() const { return colors_.enable1; }
  void SetBtnColorEnable1(TColor value);
  TColor BtnColorEnable2() const { return colors_.enable2; }
  void SetBtnColorEnable2(TColor value);

  bool enabled() const { return enabled_; }
  void setEnabled(bool value);
  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& value);

  // The fonts of the four looks belong to the button; the setters copy. Changing one of them
  // in place repaints too.
  TFont& BtnFontNormal() { return *fontNormal_; }
  void SetBtnFontNormal(const TFont& value);
  TFont& BtnFontMouseOn() { return *fontMouseOn_; }
  void SetBtnFontMouseOn(const TFont& value);
  TFont& BtnFontMouseDown() { return *fontMouseDown_; }
  void SetBtnFontMouseDown(const TFont& value);
  TFont& BtnFontMouseEneble() { return *fontMouseEneble_; }
  void SetBtnFontMouseEneble(const TFont& value);

  // The picture left of the caption, drawn with its bottom-left pixel's colour left out.
  TBitmap& bitmap() { return *bitmap_; }
  void setBitmap(const TBitmap& value);
  // Half of the gap between picture and caption, and the caption's shift to the right.
  int textBitmapWidth() const { return textBitmapWidth_; }
  void setTextBitmapWidth(int value);

  TMouseState MouseState() const { return state_; }

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Paint() override;

 private:
  struct TColors {
    TColor normal1 = RGB(255, 255, 255);
    TColor normal2 = RGB(192, 192, 192);
    TColor mouseOn1 = RGB(255, 255, 255);
    TColor mouseOn2 = RGB(128, 255, 0);
    TColor mouseDown1 = RGB(255, 255, 255);
    TColor mouseDown2 = RGB(213, 255, 170);
    TColor enable1 = RGB(192, 192, 192);
    TColor enable2 = RGB(192, 192, 192);
  };
  // One look: the gradient, the frame, the font and where caption and picture go.
  struct TLook {
    TColor top;
    TColor bottom;
    bool sunken;
    TFont* font;
    int shift;  // caption and picture move right and down by this much
  };

  void SetColorField(TColor& field, TColor value);
  void SetFontField(TFont& field, const TFont& value);
  // Repaints whenever one of the fonts or the picture changes in place.
  void WatchSubObjects();
  void MakePictureTransparent();
  TLook CurrentLook() const;
  void PaintLook(TCanvas& canvas, const TLook& look);

  TColors colors_;
  bool enabled_ = true;
  std::string caption_;
  std::unique_ptr<TFont> fontNormal_;
  std::unique_ptr<TFont> fontMouseOn_;
  std::unique_ptr<TFont> fontMouseDown_;
  std::unique_ptr<TFont> fontMouseEneble_;
  std::unique_ptr<TBitmap> bitmap_;
  int textBitmapWidth_ = 0;
  TMouseState state_ = TMouseState::normal;
  bool held_ = false;
  std::vector<TChangeLink> links_;
};

// The vertical gradient of the face: a width x height bitmap whose row k has
// (round(k * sR + R1), ...) with single-precision steps sR = (R2 - R1) / height, rounded to the
// nearest with ties to even; row 0 is top, and bottom would be reached one row below the
// bitmap. A height of 0 gives an empty bitmap.
TBitmap MakeAtomGradient(int width, int height, TColor top, TColor bottom);

// Where caption and picture go so that picture, gap (2 * gapHalf) and caption form a group
// centred in a width x height button.
struct TAtomLayout {
  TPoint caption;
  TPoint picture;
};
TAtomLayout LayoutAtomContent(TSize button, TSize text, TSize picture, int gapHalf);
