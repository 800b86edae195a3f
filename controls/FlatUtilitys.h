// Helpers the flat controls share: advanced colours derived from a base colour, the embossed
// image of a disabled glyph, and the placement of glyph and caption inside a button.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/core/Types.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Color.h"

class TBitmap;
class TControl;
class TTimer;

enum class TCheckBoxLayout { checkboxLeft, checkboxRight };
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TColorCalcType { lighten, darken };

// The hover, pressed or border colour derived from base: with percent 0 the given colour;
// otherwise base's lightness raised by 10 and then by percent (lighten, at most 100 on the
// 0..240 scale) or lowered by percent (darken, at least 0). The cap of 100 is deliberate:
// lightening an already light colour darkens it, and darkening by less than 10 lightens.
TColor CalcAdvancedColor(TColor base, TColor given, int percent, TColorCalcType type);

// The embossed image of a disabled glyph: a bitmap of the same size in clBtnFace where every
// black pixel of source shows in clBtnShadow with a clBtnHighlight echo one pixel right and
// down. Other colours do not show.
void CreateDisabledBitmap(const TBitmap& source, TBitmap& result);

// Where a button puts its glyph and caption.
struct TButtonPlacement {
  TPoint GlyphPos;
  TRect TextBounds;
  bool operator==(const TButtonPlacement&) const = default;
};

struct TButtonLayoutInput {
  TSize Client;    // client width and height
  int Shift = 0;   // 1 while pressed: glyph and caption move one pixel right and down
  TRect TextRect;  // the measured one-line caption (origin 0, 0); empty for no caption
  TButtonLayout Layout = TButtonLayout::blGlyphTop;
  int Margin = -1;  // -1 centres glyph and caption together
  int Spacing = 4;  // -1 spreads them evenly
  TSize Glyph;      // one cell of the glyph; (0, 0) for none
};

TButtonPlacement CalcButtonLayout(const TButtonLayoutInput& in);

// The caption measured as one line (with "&" prefixes) in canvas's font, from the rectangle
// (0, 0, clientWidth, 0); an empty rectangle for an empty caption.
TRect MeasureButtonCaption(TCanvas& canvas, const std::string& caption, int clientWidth);

// The hover machinery one flat control class shares among its instances: one 100 ms timer
// (created disabled, without owner, with the first instance and freed with the last) and the
// one instance whose hover look it watches. User interface thread only.
class TFlatHoverTimer {
 public:
  static constexpr int Interval = 100;

  TFlatHoverTimer();
  ~TFlatHoverTimer();
  TFlatHoverTimer(const TFlatHoverTimer&) = delete;
  TFlatHoverTimer& operator=(const TFlatHoverTimer&) = delete;

  // An instance was created / is being destroyed (it stops being tracked first).
  void Attach();
  void Detach(const TControl* instance);
  int Count() const { return count_; }
  TTimer* Timer() const { return timer_.get(); }

  TControl* Tracked() const { return tracked_; }
  // Restarts the timer with its tick pointed at instance: onTick runs every interval.
  void Track(TControl* instance, std::function<void()> onTick);
  // Stops the timer and tracks nothing (when instance is the tracked one, or always for
  // nullptr).
  void Untrack(const TControl* instance = nullptr);

 private:
  std::unique_ptr<TTimer> timer_;
  TControl* tracked_ = nullptr;
  std::function<void()> tick_;
  int count_ = 0;
};

// The control under the cursor at screen point pos, disabled controls included.
TControl* ControlAtScreen(TPoint pos);
