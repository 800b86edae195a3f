#include "controls/RxMenus.h"

#include <algorithm>

#include "controls/RxMenuMargin.h"
#include "controls/RxMenuMeasure.h"
#include "controls/RxMenuPainter.h"
#include "platform/framework/SystemMetrics.h"

// Hands the canvas of one measure or draw to the menu for the time of the call, and gives the
// canvas back as it came: handlers may change its pen, brush, font and clip freely.
class TRxPopupMenu::CanvasAttachment {
 public:
  CanvasAttachment(TRxPopupMenu& menu, TCanvas& canvas)
      : menu_(menu), canvas_(canvas), font_(canvas.Font()), clip_(canvas.ClipRect()) {
    pen_.Assign(canvas.Pen());
    brush_.Assign(canvas.Brush());
    menu_.canvas_ = &canvas;
  }
  ~CanvasAttachment() {
    menu_.canvas_ = nullptr;
    canvas_.SetPen(pen_);
    canvas_.SetBrush(brush_);
    canvas_.SetFont(font_);
    canvas_.ResetClip();
    if (canvas_.Bitmap()) canvas_.SetClipRect(clip_);
  }
  CanvasAttachment(const CanvasAttachment&) = delete;
  CanvasAttachment& operator=(const CanvasAttachment&) = delete;

 private:
  TRxPopupMenu& menu_;
  TCanvas& canvas_;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  TRect clip_;
};

namespace {

// The default margin: pure blue fading to a quarter of it.
constexpr TColor kMarginStart = clBlue;
constexpr TColor kMarginEnd = RGB(0, 0, 63);

TFont ItemFont(const TMenuItem& item) {
  TFont font = MenuFont();
  if (item.Default()) font.SetStyle(font.Style() | fsBold);
  return font;
}

}  // namespace

TRxPopupMenu::TRxPopupMenu(TComponent* owner) : TPopupMenu(owner) {}

TRxPopupMenu::~TRxPopupMenu() {
  CloseMenu();
  UnlinkImages();
  style_ = TRxMenuStyle::msStandard;
  ApplyOwnerDraw(false);
}

void TRxPopupMenu::SetLeftMargin(int value) {
  // Stored layouts hold a cardinal; only the drawing reads it, so an open menu keeps its size.
  leftMargin_ = std::max(0, value);
}

void TRxPopupMenu::SetMinTextOffset(int value) {
  minTextOffset_ = std::max(0, value);
}

void TRxPopupMenu::SetShowCheckMarks(bool value) {
  showCheckMarks_ = value;
}

void TRxPopupMenu::SetStyle(TRxMenuStyle value) {
  if (value == style_) return;
  style_ = value;
  ApplyOwnerDraw(OwnerDrawRule());
}

void TRxPopupMenu::SetImages(TImageList* value) {
  if (value == images_) return;
  const bool before = OwnerDrawRule();
  if (images_) images_->RemoveFreeNotification(this);
  UnlinkImages();
  images_ = value;
  LinkImages();
  // The list may belong to another window: hear when it goes.
  if (images_) images_->FreeNotification(this);
  if (OwnerDrawRule() != before) ApplyOwnerDraw(OwnerDrawRule());
}

// Until image lists keep a list of listeners, the menu is the one listener of its list.
void TRxPopupMenu::LinkImages() {
  if (images_) imagesLink_ = images_->OnChange.Add([this](TImageList&) { ImageListChange(); });
}

void TRxPopupMenu::UnlinkImages() {
  imagesLink_.Disconnect();
}

void TRxPopupMenu::ImageListChange() {
  ApplyOwnerDraw(OwnerDrawRule());
}

bool TRxPopupMenu::OwnerDrawRule() const {
  return style_ != TRxMenuStyle::msStandard || (images_ && images_->Count() > 0);
}

void TRxPopupMenu::ApplyOwnerDraw(bool value) {
  SetOwnerDraw(value);
}

void TRxPopupMenu::Loaded() {
  TPopupMenu::Loaded();
  if (OwnerDrawRule()) ApplyOwnerDraw(true);
}

void TRxPopupMenu::Notification(TComponent* component, TOperation operation) {
  TPopupMenu::Notification(component, operation);
  // The list is going (maybe destroyed in place, down to its base parts): forget it without
  // touching it, then follow the rule without it.
  if (operation != opRemove || component != images_) return;
  images_ = nullptr;
  if (OwnerDraw() != OwnerDrawRule()) ApplyOwnerDraw(OwnerDrawRule());
}

void TRxPopupMenu::DoPopup() {
  TPopupMenu::DoPopup();
  if (OwnerDrawRule()) ApplyOwnerDraw(true);
}

void TRxPopupMenu::MenuSelect(TMenuItem* item, bool highlighted) {
  TPopupMenu::MenuSelect(item, highlighted);
  if (cursor_ != crDefault) SetMenuCursor(item && highlighted ? cursor_ : crDefault);
}

TRxItemLook TRxPopupMenu::Look(int imageIndex, TGraphic* graphic, int numGlyphs) const {
  TRxItemLook look;
  look.showCheckMarks = showCheckMarks_;
  look.minTextOffset = minTextOffset_;
  look.images = images_;
  look.imageIndex = imageIndex;
  look.graphic = graphic;
  look.numGlyphs = numGlyphs;
  if (style_ == TRxMenuStyle::msBtnLowered) look.buttonStyle = 1;
  if (style_ == TRxMenuStyle::msBtnRaised) look.buttonStyle = 2;
  return look;
}

// --- Measuring

void TRxPopupMenu::MeasureItem(TMenuItem& item, TCanvas& canvas, int& width, int& height) {
  if (!OwnerDrawRule()) return;  // the standard measure stays
  CanvasAttachment attachment(*this, canvas);
  canvas.SetFont(ItemFont(item));
  TColor color = canvas.Brush().Color();
  TGraphic* graphic = nullptr;
  int numGlyphs = 1;
  QueryItemParams(item, 0, canvas.Font(), color, graphic, numGlyphs);
  int imageIndex = item.ImageIndex();
  QueryImageIndex(item, 0, imageIndex);
  TSize size = MeasureRxMenuItem(canvas, item, Look(imageIndex, graphic, numGlyphs));
  AdjustItemSize(item, size.cx, size.cy);
  if (IsFirstLevel(&item)) size.cx += leftMargin_ + 1;
  width = size.cx;
  height = size.cy;
}

void TRxPopupMenu::AdjustItemSize(TMenuItem& item, int& width, int& height) {
  if (OnMeasureItem) OnMeasureItem(this, &item, width, height);
}

void TRxPopupMenu::QueryItemParams(TMenuItem& item, TMenuOwnerDrawState state, TFont& font,
                                   TColor& color, TGraphic*& graphic, int& numGlyphs) {
  if (OnGetItemParams) OnGetItemParams(this, &item, state, font, color, graphic, numGlyphs);
  if (item.IsLine()) graphic = nullptr;
}

void TRxPopupMenu::QueryImageIndex(TMenuItem& item, TMenuOwnerDrawState state, int& imageIndex) {
  if (images_ && !item.IsLine() && OnGetImageIndex) OnGetImageIndex(this, &item, state, imageIndex);
}

// --- Painting

void TRxPopupMenu::DrawItem(TMenuItem& item, TCanvas& canvas, const TRect& rect,
                            TMenuOwnerDrawState state) {
  if (!OwnerDrawRule()) {
    TPopupMenu::DrawItem(item, canvas, rect, state);
    return;
  }
  // The menu window adds a sub-menu arrow in the colour the item's text was drawn in.
  canvas.Font().SetColor(DrawAttached(item, canvas, rect, state));
}

// Returns the font colour the item was painted with; the canvas goes back as it came.
TColor TRxPopupMenu::DrawAttached(TMenuItem& item, TCanvas& canvas, const TRect& rect,
                                  TMenuOwnerDrawState state) {
  CanvasAttachment attachment(*this, canvas);
  const bool firstLevel = IsFirstLevel(&item);
  if (firstLevel) DrawMarginStrip();
  PrepareItemCanvas(state);
  TRect itemRect = rect;
  // Read after the margin: a margin handler may change the margin as it paints.
  if (firstLevel) itemRect.Left += leftMargin_ + 1;
  canvas.IntersectClipRect(itemRect);
  PaintItem(item, itemRect, state);
  return canvas.Font().Color();
}

// The strip covers the whole height the canvas may paint, for every first-level item.
void TRxPopupMenu::DrawMarginStrip() {
  if (leftMargin_ <= 0) return;
  const TRect clip = canvas_->ClipRect();
  PaintMargin(Rect(0, clip.Top, leftMargin_, clip.Bottom));
}

void TRxPopupMenu::PrepareItemCanvas(TMenuOwnerDrawState state) {
  TCanvas& canvas = *canvas_;
  TFont font = MenuFont();
  if (state & mdDefault) font.SetStyle(font.Style() | fsBold);
  canvas.SetFont(font);
  canvas.Brush().SetColor(clMenu);
  const bool barHighlight =
      style_ == TRxMenuStyle::msStandard || style_ == TRxMenuStyle::msOwnerDraw;
  if ((state & mdSelected) && barHighlight) {
    canvas.Brush().SetColor(clHighlight);
    canvas.Font().SetColor(clHighlightText);
  }
}

void TRxPopupMenu::PaintItem(TMenuItem& item, const TRect& rect, TMenuOwnerDrawState state) {
  if (!canvas_) return;
  TCanvas& canvas = *canvas_;
  TColor color = canvas.Brush().Color();
  TGraphic* graphic = nullptr;
  int numGlyphs = 1;
  QueryItemParams(item, state, canvas.Font(), color, graphic, numGlyphs);
  if (color != clNone) {
    canvas.Brush().SetColor(color);
    canvas.FillRect(rect);
  }
  if (OnDrawItem) {
    OnDrawItem(this, &item, rect, state);
    return;
  }
  int imageIndex = item.ImageIndex();
  QueryImageIndex(item, state, imageIndex);
  PaintRxMenuItem(canvas, item, rect, state, Look(imageIndex, graphic, numGlyphs));
}

void TRxPopupMenu::PaintMargin(const TRect& rect) {
  if (OnDrawMargin)
    OnDrawMargin(this, rect);
  else
    PaintMarginGradient(rect, kMarginStart, kMarginEnd);
}

void TRxPopupMenu::PaintMarginGradient(const TRect& rect, TColor startColor, TColor endColor) {
  if (canvas_) PaintMenuMarginGradient(*canvas_, rect, startColor, endColor);
}
