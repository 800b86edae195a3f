#include <algorithm>

#include "platform/graphics/Canvas.h"
#include "platform/controls/Image.h"
#include "platform/controls/Panel.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_([this] { PictureChanged(); }) {
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::SetStretch(bool value) {
  if (value == stretch_) return;
  stretch_ = value;
  Invalidate();
}

void TImage::SetProportional(bool value) {
  if (value == proportional_) return;
  proportional_ = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  if (value == center_) return;
  center_ = value;
  Invalidate();
}

void TImage::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  PictureChanged();
}

void TImage::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  PictureChanged();
}

void TImage::PictureChanged() {
  if (adjusting_) return;
  if (TGraphic* graphic = picture_.Graphic()) {
    if (graphic->Transparent() != transparent_) {
      // Setting the flag may report a change of the picture again.
      adjusting_ = true;
      graphic->SetTransparent(transparent_);
      adjusting_ = false;
    }
    if (autoSize_ && !picture_.Empty() && !Loading())
      SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
  }
  Invalidate();
}

TRect TImage::DestRect() const {
  int w = picture_.Width();
  int h = picture_.Height();
  const int cw = ClientWidth();
  const int ch = ClientHeight();
  if (stretch_ || (proportional_ && (w > cw || h > ch))) {
    if (proportional_ && w > 0 && h > 0) {
      // The largest size with the picture's aspect that fits the control.
      if (static_cast<long long>(cw) * h <= static_cast<long long>(ch) * w) {
        h = static_cast<int>(static_cast<long long>(cw) * h / w);
        w = cw;
      } else {
        w = static_cast<int>(static_cast<long long>(ch) * w / h);
        h = ch;
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  TRect r = Rect(0, 0, w, h);
  if (center_) r = OffsetRect(r, (cw - w) / 2, (ch - h) / 2);
  return r;
}

void TImage::Paint() {
  TGraphic* graphic = picture_.Graphic();
  if (!graphic || graphic->Empty()) return;
  Canvas().StretchDraw(DestRect(), *graphic);
}
