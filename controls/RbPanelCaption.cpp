#include "controls/RbPanelCaption.h"

#include <algorithm>

#include "platform/graphics/Canvas.h"

TRbCaptionPlacement PlaceCaption(TRbCaptionPos position, int cornerWidth, int borderWidth,
                                 int width, int height) {
  cornerWidth = RbExtent(cornerWidth);
  borderWidth = RbExtent(borderWidth);
  const int a = (cornerWidth + borderWidth) / 2;
  const int sideShift = (cornerWidth - borderWidth) / 2;
  TRbCaptionPlacement p{Rect(a, borderWidth, width - a, height - borderWidth), 0};
  switch (position) {
    case TRbCaptionPos::cpGroupBox:
      p.Flags = DT_LEFT | DT_TOP;
      p.Rect.Top -= borderWidth;
      if (cornerWidth + borderWidth < 2) p.Rect.Left += 5;
      break;
    case TRbCaptionPos::cpTopLeft:
      p.Flags = DT_LEFT | DT_TOP;
      break;
    case TRbCaptionPos::cpTopCenter:
      p.Flags = DT_CENTER | DT_TOP;
      break;
    case TRbCaptionPos::cpTopRight:
      p.Flags = DT_RIGHT | DT_TOP;
      break;
    case TRbCaptionPos::cpMiddleLeft:
      p.Flags = DT_LEFT | DT_VCENTER;
      p.Rect.Left -= sideShift;
      break;
    case TRbCaptionPos::cpMiddleCenter:
      p.Flags = DT_CENTER | DT_VCENTER;
      break;
    case TRbCaptionPos::cpMiddleRight:
      p.Flags = DT_RIGHT | DT_VCENTER;
      p.Rect.Right += sideShift;
      break;
    case TRbCaptionPos::cpBottomLeft:
      p.Flags = DT_LEFT | DT_BOTTOM;
      break;
    case TRbCaptionPos::cpBottomCenter:
      p.Flags = DT_CENTER | DT_BOTTOM;
      break;
    case TRbCaptionPos::cpBottomRight:
      p.Flags = DT_RIGHT | DT_BOTTOM;
      break;
  }
  p.Flags |= DT_SINGLELINE | DT_END_ELLIPSIS;
  return p;
}

TRbGroupBoxCut GroupBoxCut(const TRect& captionRect, int textWidth, int textHeight,
                           int borderWidth) {
  borderWidth = RbExtent(borderWidth);
  const int lineTop = textHeight / 2 + captionRect.Top;
  return {Rect(0, 0, captionRect.Right, lineTop),
          Rect(captionRect.Left, lineTop, captionRect.Left + textWidth,
               lineTop + std::min(borderWidth, textHeight / 2))};
}
