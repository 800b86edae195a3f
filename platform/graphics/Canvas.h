// The drawing surface of a bitmap, with the classic desktop's drawing conventions, exactly:
//  - rectangles exclude their right column and bottom row;
//  - a line leaves out its end pixel; pen width 0 and 1 both draw one-pixel lines;
//  - Rectangle, RoundRect and Ellipse draw the pen on the outermost pixels and fill the inside
//    with the brush; with a clear pen the filled shape is one pixel smaller on the right and
//    bottom; with a pen wider than 1 the pen is centred on the outline;
//  - FillRect fills with the brush, FrameRect draws the rectangle's outermost pixels with it;
//  - the text background is filled with the brush colour while the brush is solid (opaque
//    mode) and left alone while it is clear (transparent mode); SetBkMode overrides this until
//    the brush changes again;
//  - system colours are resolved (ColorToRGB) whenever something is painted.
//
// C++ style of the API: properties are Get/Set method pairs named like the program's
// properties: canvas.Pen().SetColor(clRed), canvas.Brush().Style(), canvas.Font().SetHeight(-11).
// Pen(), Brush() and Font() return the canvas's own objects, so changes apply at once.
//
// A canvas without a bitmap (TCanvas() or TCanvas(nullptr)) measures text and ignores drawing:
// it stands for the screen wherever text must be measured before anything is painted.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Types.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"

class TBitmap;
class TGraphic;
class TRegion;

struct TSize {
  int cx = 0;
  int cy = 0;
  bool operator==(const TSize&) const = default;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// pmCopy draws the pen colour; pmNot inverts; pmXor combines the pen colour with the pixels.
enum TPenMode { pmCopy, pmNot, pmXor, pmNotXor };

class TPen {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);  // values below 1 draw one-pixel lines
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode mode);
  void Assign(const TPen& source);

  std::function<void()> OnChange;

 private:
  void Changed();
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

// bsSolid fills with Color (or tiles Bitmap when one is set); bsClear fills nothing.
enum TBrushStyle { bsSolid, bsClear };

class TBrush {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);  // also makes a clear brush solid again, as the classic brush does
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  // A pattern bitmap tiled from the canvas origin (the checkerboard of pushed menu glyphs); the
  // brush does not own it. nullptr returns to the plain colour.
  const TBitmap* Bitmap() const { return bitmap_; }
  void SetBitmap(const TBitmap* bitmap);
  void Assign(const TBrush& source);

  std::function<void()> OnChange;

 private:
  friend class TCanvas;
  void Changed();
  unsigned version_ = 0;  // lets the canvas see that the brush changed after SetBkMode
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  const TBitmap* bitmap_ = nullptr;
};

// Text background modes.
enum TBkMode { TRANSPARENT = 1, OPAQUE = 2 };

// DrawText flags (the classic values).
enum : unsigned {
  DT_TOP = 0x0,
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,  // only with DT_SINGLELINE, as on the classic desktop
  DT_BOTTOM = 0x8,   // only with DT_SINGLELINE
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_EXPANDTABS = 0x40,
  DT_TABSTOP = 0x80,
  DT_NOCLIP = 0x100,
  DT_EXTERNALLEADING = 0x200,
  DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800,
  DT_INTERNAL = 0x1000,
  DT_EDITCONTROL = 0x2000,
  DT_PATH_ELLIPSIS = 0x4000,
  DT_END_ELLIPSIS = 0x8000,
  DT_MODIFYSTRING = 0x10000,
  DT_RTLREADING = 0x20000,
  DT_WORD_ELLIPSIS = 0x40000,
  DT_NOFULLWIDTHCHARBREAK = 0x80000,
  DT_HIDEPREFIX = 0x100000,
  DT_PREFIXONLY = 0x200000,
};

// DrawEdge edges and sides (the classic values). Outer and inner rings, each raised or sunken:
// raised outer = 3-D light / 3-D dark shadow, raised inner = button highlight / button shadow,
// sunken outer = button shadow / button highlight, sunken inner = 3-D dark shadow / 3-D light.
enum : unsigned {
  BDR_RAISEDOUTER = 0x1,
  BDR_SUNKENOUTER = 0x2,
  BDR_RAISEDINNER = 0x4,
  BDR_SUNKENINNER = 0x8,
  BDR_OUTER = 0x3,
  BDR_INNER = 0xC,
  EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
  EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
  EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
  EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,
  BF_LEFT = 0x1,
  BF_TOP = 0x2,
  BF_RIGHT = 0x4,
  BF_BOTTOM = 0x8,
  BF_TOPLEFT = BF_TOP | BF_LEFT,
  BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT,
  BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM,
  BF_MIDDLE = 0x800,   // fill the inside with the button face colour
  BF_ADJUST = 0x2000,  // shrink the rectangle by the edge drawn
  BF_FLAT = 0x4000,
  BF_MONO = 0x8000,
};

class TCanvas {
 public:
  explicit TCanvas(TBitmap* bitmap = nullptr);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The bitmap drawn on; nullptr for a measuring canvas.
  TBitmap* Bitmap() const { return bitmap_; }
  void SetBitmap(TBitmap* bitmap);

  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }
  TFont& Font() { return font_; }
  const TPen& Pen() const { return pen_; }
  const TBrush& Brush() const { return brush_; }
  const TFont& Font() const { return font_; }
  void SetPen(const TPen& pen) { pen_.Assign(pen); }
  void SetBrush(const TBrush& brush) { brush_.Assign(brush); }
  void SetFont(const TFont& font) { font_.Assign(font); }

  // Accepted for code that locks a canvas while drawing; drawing is single-threaded here.
  void Lock() {}
  void Unlock() {}

  // --- Clipping. The clip rectangle is the bitmap's bounds narrowed by SetClipRect and by the
  // clip region; nothing is drawn outside it.
  TRect ClipRect() const;
  void SetClipRect(const TRect& rect);
  void SetClipRegion(const TRegion& region);  // a copy is kept
  void IntersectClipRect(const TRect& rect);
  void ResetClip();

  // --- Lines.
  TPoint PenPos() const { return penPos_; }
  void SetPenPos(TPoint pos) { penPos_ = pos; }
  void MoveTo(int x, int y);
  void LineTo(int x, int y);  // leaves out (x, y); the pen position becomes (x, y)
  // Lines through the points; only the last point is left out.
  void Polyline(const std::vector<TPoint>& points);

  // --- Shapes.
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
  void Ellipse(int left, int top, int right, int bottom);
  void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  // Fills the polygon with the brush (alternate rule: a pixel is inside when its centre is)
  // and draws its closed outline with the pen.
  void Polygon(const std::vector<TPoint>& points);
  // Fills the region with the brush; FrameRgn draws its border width x height with the brush.
  void FillRgn(const TRegion& region);
  void FrameRgn(const TRegion& region, int width, int height);
  // The classic 3-D frame: width rings, the top and left sides in topColor, the bottom and
  // right sides (with the top-right and bottom-left corners) in bottomColor; rect shrinks by
  // width. Leaves a one-pixel pen in bottomColor.
  void Frame3D(TRect& rect, TColor topColor, TColor bottomColor, int width);
  // DrawEdge on rect with BDR_/EDGE_ edges and BF_ sides; with BF_ADJUST rect shrinks.
  void DrawEdge(TRect& rect, unsigned edge, unsigned flags);
  // The dotted focus rectangle (inverts every other pixel of the outermost ring).
  void DrawFocusRect(const TRect& rect);

  // --- Pixels. Reading outside the bitmap gives CLR_INVALID; writing outside is ignored.
  TColor Pixels(int x, int y) const;
  void SetPixels(int x, int y, TColor color);

  // --- Pictures.
  void Draw(int x, int y, TGraphic& graphic);
  void StretchDraw(const TRect& rect, TGraphic& graphic);
  // Copies source's srcRect into dest, stretched (and mirrored when a rectangle is reversed).
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& srcRect);
  // The copy behind TBitmap::Draw: stretched, leaving out pixels of transparentColor unless it
  // is clNone.
  void StretchCopy(const TRect& dest, const TBitmap& source, const TRect& srcRect,
                   TColor transparentColor = clNone);

  // --- Text. Strings are UTF-8.
  void TextOut(int x, int y, const std::string& text);  // the pen position becomes the end
  // Draws the text with its top-left at (x, y), clipped to rect (the background of rect is
  // filled when the mode is opaque).
  void TextRect(const TRect& rect, int x, int y, const std::string& text);
  int TextWidth(const std::string& text) const;
  int TextHeight(const std::string& text) const;  // the font's cell height
  TSize TextExtent(const std::string& text) const;
  TBkMode BkMode() const;
  void SetBkMode(TBkMode mode);
  // Formats the text into rect by the DT_ flags. Returns the text's height; with DT_VCENTER or
  // DT_BOTTOM (single line) the distance from rect.Top to the text's bottom. DT_CALCRECT draws
  // nothing and sets rect's right and bottom to the text's extent. "&" underlines the next
  // character and "&&" is one "&" unless DT_NOPREFIX is given.
  int DrawText(const std::string& text, TRect& rect, unsigned flags);
  int DrawTextEx(const std::string& text, TRect& rect, unsigned flags) {
    return DrawText(text, rect, flags);
  }

  struct Impl;

 private:
  friend struct Impl;
  TBitmap* bitmap_ = nullptr;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  TPoint penPos_;
  TBkMode bkMode_ = OPAQUE;
  unsigned bkModeBrushVersion_ = ~0u;    // brush version when SetBkMode was called
  std::unique_ptr<TRegion> clipRegion_;  // absent: no clip region
  TRect clipRect_;
  bool hasClipRect_ = false;
};

// Disabled ("engraved") text: the text in clBtnHighlight one pixel right and down, then in
// clBtnShadow at rect, with the DrawText flags. The canvas's font colour stays as it was.
void DrawEngravedText(TCanvas& canvas, TRect rect, const std::string& text, unsigned drawTextFlags);
