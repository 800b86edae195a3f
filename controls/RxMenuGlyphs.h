// The glyph column of owner-drawn menu items: check marks, image-list images and bitmaps, in
// their enabled, disabled (a grey silhouette, embossed where the rules want it) and pushed
// looks.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/menus/Menus.h"

// How a bitmap glyph is drawn: disabled draws the silhouette in gray (over an emboss in
// button highlight one pixel right and down when emboss is set); pushed keeps an enabled
// monochrome glyph from being copied with its white background.
struct TGlyphLook {
  bool disabled = false;
  bool pushed = false;
  TColor gray = clBtnShadow;
  bool emboss = true;
};

// The gray and the emboss rule of bitmap glyphs (check marks included) on a selected or
// plain item.
TGlyphLook BitmapGlyphLook(TMenuOwnerDrawState state, bool pushed);

// Draws cell of bitmap with its top-left corner at (x, y). Enabled: a monochrome glyph that is
// not pushed is copied with its black pixels in the font colour and its white pixels in the
// brush colour; any other bitmap leaves its transparent colour out.
void DrawBitmapGlyph(TCanvas& canvas, const TBitmap& bitmap, const TRect& cell, int x, int y,
                     const TGlyphLook& look);

// The menu check mark (a bullet for a radio item), check-mark sized, at (x, y).
void DrawCheckGlyph(TCanvas& canvas, bool radio, int x, int y, const TGlyphLook& look);

// An image of the list at (x, y); disabled images are a silhouette in gray.
void DrawListImage(TCanvas& canvas, const TImageList& images, int index, int x, int y,
                   const TGlyphLook& look);

// The pushed look of a glyph rectangle: one row less at the top and the bottom, a checkerboard
// of menu and button-highlight colours (plain menu colour on a selected item), framed gray at
// the top and left and button highlight at the bottom and right.
void PaintPushedGlyphRect(TCanvas& canvas, TRect rect, bool selected, TColor gray);
