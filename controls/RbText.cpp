#include "controls/RbText.h"

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"

namespace {

void DrawTextIn(TCanvas& canvas, const std::string& text, TRect rect, unsigned format) {
  canvas.DrawTextEx(text, rect, format);
}

}  // namespace

unsigned MakeTextFormat(TAlignment alignment, bool wordWrap) {
  unsigned format = DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (alignment == taRightJustify) format |= DT_RIGHT;
  if (alignment == taCenter) format |= DT_CENTER;
  return format | (wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
}

void DrawShadowText(TCanvas& canvas, const std::string& text, const TFont& font, TColor shadowColor,
                    bool shadow, unsigned format, const TRect& rect, bool enabled) {
  if (&canvas.Font() != &font) canvas.SetFont(font);
  if (!enabled) {
    DrawEngravedText(canvas, rect, text, format);
    return;
  }
  if (shadow) {
    const TColor textColor = canvas.Font().Color();
    canvas.Font().SetColor(shadowColor);
    DrawTextIn(canvas, text, OffsetRect(rect, 1, 1), format);
    canvas.Font().SetColor(textColor);
  }
  DrawTextIn(canvas, text, rect, format);
}
