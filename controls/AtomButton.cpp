#include "controls/AtomButton.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr TColor kFrameLight = RGB(255, 255, 255);
constexpr TColor kFrameDark = RGB(128, 128, 128);

// Round to nearest with ties to even, whatever the floating-point rounding mode.
int RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  int result = static_cast<int>(below);
  if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
  return result;
}

std::uint8_t GradientChannel(int k, float step, std::uint8_t start) {
  // The step is kept in single precision; the row value itself is computed wider.
  const double value = static_cast<double>(k) * static_cast<double>(step) + start;
  return static_cast<std::uint8_t>(std::clamp(RoundHalfEven(value), 0, 255));
}

float GradientStep(std::uint8_t from, std::uint8_t to, int height) {
  return static_cast<float>(to - from) / static_cast<float>(height);
}

// Light top-left and dark bottom-right lines, swapped for a sunken frame.
void DrawFrame(TCanvas& canvas, int w, int h, bool sunken) {
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Pen().SetColor(sunken ? kFrameDark : kFrameLight);
  canvas.Polyline({{0, h - 1}, {0, 0}, {w, 0}});
  canvas.Pen().SetColor(sunken ? kFrameLight : kFrameDark);
  canvas.Polyline({{w - 1, 1}, {w - 1, h - 1}, {0, h - 1}});
}

// Listens to a font's or picture's change notice for as long as the button keeps the link.
template <class Source, class Handler>
void Watch(Source& source, Handler handler, std::vector<TChangeLink>& links) {
  links.push_back(source.OnChange.Add(std::move(handler)));
}

}  // namespace

TBitmap MakeAtomGradient(int width, int height, TColor top, TColor bottom) {
  TBitmap face(std::max(0, width), std::max(0, height));
  // A button without height has no rows to paint (and the steps would divide by zero).
  if (width <= 0 || height <= 0) return face;
  const float sR = GradientStep(GetRValue(top), GetRValue(bottom), height);
  const float sG = GradientStep(GetGValue(top), GetGValue(bottom), height);
  const float sB = GradientStep(GetBValue(top), GetBValue(bottom), height);
  TCanvas& canvas = face.Canvas();
  // The last row (k = height) lies below the bitmap, so the bottom colour itself never shows.
  for (int k = 0; k <= height; ++k) {
    canvas.Pen().SetColor(RGB(GradientChannel(k, sR, GetRValue(top)),
                              GradientChannel(k, sG, GetGValue(top)),
                              GradientChannel(k, sB, GetBValue(top))));
    canvas.MoveTo(0, k);
    canvas.LineTo(width, k);
  }
  return face;
}

TAtomLayout LayoutAtomContent(TSize button, TSize text, TSize picture, int gapHalf) {
  TAtomLayout layout;
  layout.caption.X = picture.cx / 2 + button.cx / 2 + gapHalf - text.cx / 2;
  layout.caption.Y = button.cy / 2 - text.cy / 2;
  layout.picture.X = layout.caption.X - picture.cx - 2 * gapHalf;
  layout.picture.Y = button.cy / 2 - picture.cy / 2;
  return layout;
}

tAtomButton::tAtomButton(TComponent* owner)
    : TCustomControl(owner),
      fontNormal_(std::make_unique<TFont>()),
      fontMouseOn_(std::make_unique<TFont>()),
      fontMouseDown_(std::make_unique<TFont>()),
      fontMouseEneble_(std::make_unique<TFont>()),
      bitmap_(std::make_unique<TBitmap>()) {
  // The button fires its own click; the control's click and double-click machinery stays off.
  SetControlStyle((ControlStyle() | csOpaque) & ~(csClickEvents | csDoubleClicks));
  SetBounds(Left(), Top(), 80, 24);
  WatchSubObjects();
}

tAtomButton::~tAtomButton() = default;

void tAtomButton::WatchSubObjects() {
  auto fontChanged = [this](TFont&) { Invalidate(); };
  for (TFont* font :
       {fontNormal_.get(), fontMouseOn_.get(), fontMouseDown_.get(), fontMouseEneble_.get()})
    Watch(*font, fontChanged, links_);
  auto pictureChanged = [this](TGraphic&) { Invalidate(); };
  Watch(*bitmap_, pictureChanged, links_);
}

void tAtomButton::SetColorField(TColor& field, TColor value) {
  field = value;
  Invalidate();
}

void tAtomButton::SetBtnColorNormal1(TColor value) {
  SetColorField(colors_.normal1, value);
}
void tAtomButton::SetBtnColorNormal2(TColor value) {
  SetColorField(colors_.normal2, value);
}
void tAtomButton::SetBtnColorMouseOn1(TColor value) {
  SetColorField(colors_.mouseOn1, value);
}
void tAtomButton::SetBtnColorMouseOn2(TColor value) {
  SetColorField(colors_.mouseOn2, value);
}
void tAtomButton::SetBtnColorMouseDown1(TColor value) {
  SetColorField(colors_.mouseDown1, value);
}
void tAtomButton::SetBtnColorMouseDown2(TColor value) {
  SetColorField(colors_.mouseDown2, value);
}
void tAtomButton::SetBtnColorEnable1(TColor value) {
  SetColorField(colors_.enable1, value);
}
void tAtomButton::SetBtnColorEnable2(TColor value) {
  SetColorField(colors_.enable2, value);
}

void tAtomButton::setEnabled(bool value) {
  enabled_ = value;
  Invalidate();
}

void tAtomButton::setCaption(const std::string& value) {
  caption_ = value;
  Invalidate();
}

void tAtomButton::SetFontField(TFont& field, const TFont& value) {
  field.Assign(value);
  Invalidate();
}

void tAtomButton::SetBtnFontNormal(const TFont& value) {
  SetFontField(*fontNormal_, value);
}
void tAtomButton::SetBtnFontMouseOn(const TFont& value) {
  SetFontField(*fontMouseOn_, value);
}
void tAtomButton::SetBtnFontMouseDown(const TFont& value) {
  SetFontField(*fontMouseDown_, value);
}
void tAtomButton::SetBtnFontMouseEneble(const TFont& value) {
  SetFontField(*fontMouseEneble_, value);
}

void tAtomButton::setBitmap(const TBitmap& value) {
  bitmap_->Assign(value);
  MakePictureTransparent();
  Invalidate();
}

void tAtomButton::MakePictureTransparent() {
  // The picture's bottom-left pixel gives the colour left out.
  if (bitmap_->TransparentMode() != TTransparentMode::tmAuto)
    bitmap_->SetTransparentMode(TTransparentMode::tmAuto);
  if (!bitmap_->Transparent()) bitmap_->SetTransparent(true);
}

void tAtomButton::setTextBitmapWidth(int value) {
  textBitmapWidth_ = value;
  Invalidate();
}

// --- Mouse

void tAtomButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (enabled_ && button == TMouseButton::mbLeft) {
    state_ = TMouseState::down;
    held_ = true;
    Repaint();
  }
  if (onMouseDown) onMouseDown(this);
  TCustomControl::MouseDown(button, shift, x, y);
}

void tAtomButton::MouseMove(TShiftState shift, int x, int y) {
  if (onMouseMove) onMouseMove(this);
  TCustomControl::MouseMove(shift, x, y);
}

void tAtomButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  bool click = false;
  if (enabled_ && button == TMouseButton::mbLeft) {
    held_ = false;
    click = x >= 0 && x <= Width() && y >= 0 && y <= Height();
    state_ = click ? TMouseState::releasedInside : TMouseState::normal;
  }
  Repaint();
  if (onMouseUp) onMouseUp(this);
  TCustomControl::MouseUp(button, shift, x, y);
  if (click && onClick) onClick(this);
}

void tAtomButton::MouseEnter() {
  if (!enabled_) return;
  // Coming back while the left button is still held shows the pressed look again.
  if (state_ != TMouseState::down) state_ = held_ ? TMouseState::down : TMouseState::over;
  Repaint();
  if (onMouseEnter) onMouseEnter(this);
}

void tAtomButton::MouseLeave() {
  if (!enabled_) return;
  state_ = TMouseState::left;
  Repaint();
  if (onMouseLeave) onMouseLeave(this);
}

// --- Painting

tAtomButton::TLook tAtomButton::CurrentLook() const {
  if (!enabled_) return {colors_.enable1, colors_.enable2, false, fontMouseEneble_.get(), 0};
  switch (state_) {
    case TMouseState::down:
      return {colors_.mouseDown1, colors_.mouseDown2, true, fontMouseDown_.get(), 1};
    case TMouseState::over:
    case TMouseState::releasedInside:
      return {colors_.mouseOn1, colors_.mouseOn2, false, fontMouseOn_.get(), 0};
    case TMouseState::normal:
    case TMouseState::left:
      break;
  }
  return {colors_.normal1, colors_.normal2, false, fontNormal_.get(), 0};
}

void tAtomButton::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  TBitmap work(Width(), Height());
  PaintLook(work.Canvas(), CurrentLook());
  Canvas().Draw(0, 0, work);
}

void tAtomButton::PaintLook(TCanvas& canvas, const TLook& look) {
  const int w = Width();
  const int h = Height();
  TBitmap face = MakeAtomGradient(w, h, look.top, look.bottom);
  canvas.Draw(0, 0, face);
  DrawFrame(canvas, w, h, look.sunken);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.SetFont(*look.font);
  const TSize text = canvas.TextExtent(caption_);
  const bool hasPicture = !bitmap_->Empty();
  const TSize picture = hasPicture ? TSize{bitmap_->Width(), bitmap_->Height()} : TSize{};
  const TAtomLayout layout = LayoutAtomContent({w, h}, text, picture, textBitmapWidth_);
  canvas.TextOut(layout.caption.X + look.shift, layout.caption.Y + look.shift, caption_);
  if (!hasPicture) return;
  MakePictureTransparent();
  canvas.Draw(layout.picture.X + look.shift, layout.picture.Y + look.shift, *bitmap_);
}
