// TRxPopupMenu: a popup menu that measures and paints its items itself, in one of four styles,
// with a coloured margin strip left of the first-level items. Its owner can change each item's
// font, background and glyph (OnGetItemParams), pick image-list images (OnGetImageIndex), or
// measure and paint items on its own (OnMeasureItem, OnDrawItem, OnDrawMargin).
//
// The menu draws itself exactly when Style is not msStandard or Images holds an image; the
// platform menu's OwnerDraw flag follows that rule (checked after loading, on every change of
// Style or Images, when the image list changes, and each time the menu pops up).
//
// Popup, Alignment (where the popup point lies on the menu) and TrackButton come from
// TPopupMenu; this class only turns owner drawing on as the menu pops up.
#pragma once

#include <functional>

#include "platform/core/ChangeLinks.h"
#include "controls/RxMenuItemLook.h"
#include "platform/graphics/ImageList.h"
#include "platform/menus/Menus.h"

enum class TRxMenuStyle { msStandard, msOwnerDraw, msBtnLowered, msBtnRaised };

using TItemImageEvent =
    std::function<void(TMenu* sender, TMenuItem* item, TMenuOwnerDrawState state, int& imageIndex)>;
using TDrawMenuItemEvent = std::function<void(TMenu* sender, TMenuItem* item, const TRect& rect,
                                              TMenuOwnerDrawState state)>;
using TDrawMarginEvent = std::function<void(TMenu* sender, const TRect& rect)>;
// font is the drawing canvas's own font: changes to it are what the item is drawn with. A
// graphic handed back stays the handler's: it must live until the item is drawn.
using TItemParamsEvent =
    std::function<void(TMenu* sender, TMenuItem* item, TMenuOwnerDrawState state, TFont& font,
                       TColor& color, TGraphic*& graphic, int& numGlyphs)>;
using TMeasureMenuItemEvent =
    std::function<void(TMenu* sender, TMenuItem* item, int& width, int& height)>;

class TRxPopupMenu : public TPopupMenu {
 public:
  explicit TRxPopupMenu(TComponent* owner = nullptr);
  ~TRxPopupMenu() override;
  std::string ClassName() const override { return "TRxPopupMenu"; }

  // Shown while an item of this menu is highlighted; crDefault leaves the cursor alone.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value) { cursor_ = value; }
  // Width of the margin strip left of the first-level items (0: none).
  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int value);
  // Minimum width of the glyph column.
  int MinTextOffset() const { return minTextOffset_; }
  void SetMinTextOffset(int value);
  TRxMenuStyle Style() const { return style_; }
  void SetStyle(TRxMenuStyle value);
  bool ShowCheckMarks() const { return showCheckMarks_; }
  void SetShowCheckMarks(bool value);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);

  // True when the menu draws its items itself (see the header comment).
  bool OwnerDrawRule() const;

  // The margin gradient: 32 bands from startColor at the top to endColor, then the two edge
  // lines at the right of rect.
  void PaintMarginGradient(const TRect& rect, TColor startColor, TColor endColor);
  // The canvas of the measure or draw in progress; nullptr outside them.
  TCanvas* Canvas() const { return canvas_; }

  TItemImageEvent OnGetImageIndex;
  TDrawMenuItemEvent OnDrawItem;
  TDrawMarginEvent OnDrawMargin;
  TItemParamsEvent OnGetItemParams;
  TMeasureMenuItemEvent OnMeasureItem;

 protected:
  virtual void PaintItem(TMenuItem& item, const TRect& rect, TMenuOwnerDrawState state);
  virtual void PaintMargin(const TRect& rect);
  virtual void ApplyOwnerDraw(bool value);
  virtual void QueryImageIndex(TMenuItem& item, TMenuOwnerDrawState state, int& imageIndex);
  virtual void QueryItemParams(TMenuItem& item, TMenuOwnerDrawState state, TFont& font,
                               TColor& color, TGraphic*& graphic, int& numGlyphs);
  virtual void AdjustItemSize(TMenuItem& item, int& width, int& height);

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void DoPopup() override;
  void MeasureItem(TMenuItem& item, TCanvas& canvas, int& width, int& height) override;
  void DrawItem(TMenuItem& item, TCanvas& canvas, const TRect& rect,
                TMenuOwnerDrawState state) override;
  void MenuSelect(TMenuItem* item, bool highlighted) override;

 private:
  class CanvasAttachment;
  void LinkImages();
  void UnlinkImages();
  void ImageListChange();
  TColor DrawAttached(TMenuItem& item, TCanvas& canvas, const TRect& rect,
                      TMenuOwnerDrawState state);
  void DrawMarginStrip();
  void PrepareItemCanvas(TMenuOwnerDrawState state);
  TRxItemLook Look(int imageIndex, TGraphic* graphic, int numGlyphs) const;

  TCursor cursor_ = crDefault;
  int leftMargin_ = 0;
  int minTextOffset_ = 0;
  TRxMenuStyle style_ = TRxMenuStyle::msStandard;
  bool showCheckMarks_ = true;
  TChangeLink imagesLink_;  // dropped before the list is let go
  TImageList* images_ = nullptr;
  TCanvas* canvas_ = nullptr;
};
