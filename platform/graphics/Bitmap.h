// The 24-bit bitmap every control paints into. Rows are addressed through ScanLine(y); a pixel's
// channels are blue, green, red at offsets 0, 1, 2 and pixels follow each other at PixelStep
// bytes (the fourth byte of a pixel is unused padding: the rows are kept 32 bits per pixel
// because painting into them is many times faster than into packed 24-bit rows).
//
// A monochrome bitmap holds only black and white pixels in the same rows.
// Transparent drawing leaves out every pixel of the transparent colour: the bottom-left pixel
// (tmAuto) or a colour set through SetTransparentColor (tmFixed).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/graphics/Color.h"
#include "platform/graphics/Graphic.h"
#include "platform/core/Types.h"

class TCanvas;
class TStream;

enum TPixelFormat {
  pfDevice,
  pf1bit,
  pf4bit,
  pf8bit,
  pf15bit,
  pf16bit,
  pf24bit,
  pf32bit,
  pfCustom
};
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
 public:
  static constexpr int PixelStep = 4;
  static constexpr int BlueOffset = 0;
  static constexpr int GreenOffset = 1;
  static constexpr int RedOffset = 2;

  TBitmap();
  TBitmap(int width, int height);  // filled with white, like a new classic bitmap
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);  // Assign
  ~TBitmap() override;

  // Copies the picture, size, format and transparency settings (not OnChange, not the canvas).
  void Assign(const TBitmap& source);
  // Copies any picture by drawing it onto a bitmap of its size.
  void Assign(TGraphic& source);

  int Width() const override;
  int Height() const override;
  bool Empty() const override;
  void SetWidth(int width);
  void SetHeight(int height);
  // Keeps the pixels that stay inside; new pixels are white. Negative sizes count as 0.
  void SetSize(int width, int height);

  // The bitmap's own canvas; it stays valid across resizes and assignments.
  TCanvas& Canvas();

  // Row y as bytes B, G, R, X repeated Width() times. Raises EInvalidGraphic ("Scan line index
  // out of range") when y is outside 0..Height()-1.
  std::uint8_t* ScanLine(int y);
  const std::uint8_t* ScanLine(int y) const;
  // Bytes from one row to the next.
  int BytesPerLine() const;

  TPixelFormat PixelFormat() const { return pixelFormat_; }
  // pf1bit makes the picture monochrome (white stays white, every other colour becomes black);
  // the other formats keep the pixels as they are.
  void SetPixelFormat(TPixelFormat format);
  // Black and white: set by SetPixelFormat(pf1bit) or SetMonochrome(true), or by loading a
  // 1-bit file whose two colours are black and white. (A 1-bit file with other colours keeps
  // them and reports pf1bit without being monochrome.)
  bool Monochrome() const { return monochrome_; }
  void SetMonochrome(bool value);

  void SetTransparent(bool value) override;
  // tmAuto: the bottom-left pixel's colour (clNone for an empty bitmap); tmFixed: the set colour.
  TColor TransparentColor() const;
  // Sets the colour and switches to tmFixed; clDefault switches back to tmAuto.
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode);

  // Draws the picture stretched into rect (mirrored when rect's right < left or bottom < top),
  // leaving out the transparent colour's pixels when Transparent() is set.
  void Draw(TCanvas& canvas, const TRect& rect) override;

  // BMP files: 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, RLE or bit fields, bottom-up
  // or top-down. Bad data raises EInvalidGraphic and leaves the bitmap as it was.
  void LoadFromStream(TStream& stream) override;
  // Writes a 24-bit BMP file (a 1-bit one for a monochrome bitmap).
  void SaveToStream(TStream& stream) const override;
  // BMP or PNG, chosen by the file's contents.
  void LoadFromFile(const std::string& fileName);
  // PNG when the name ends in ".png", else BMP.
  void SaveToFile(const std::string& fileName) const;
  // An embedded picture by resource name ("TRUETYPE_FNT"): raises EResNotFound
  // ("Resource TRUETYPE_FNT not found") when there is none. See platform/graphics/Resources.h.
  void LoadFromResourceName(const std::string& name);

  // Tells the bitmap that its rows were changed directly (through ScanLine); fires OnChange.
  void Modified();

  struct Impl;
  Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
  std::unique_ptr<TCanvas> canvas_;
  TPixelFormat pixelFormat_ = pf24bit;
  bool monochrome_ = false;
  TTransparentMode transparentMode_ = tmAuto;
  TColor transparentColor_ = clNone;
};

// Registers TBitmap with the picture registry ("TBitmap", "bmp"); runs once, on first use of
// the registry through this call or when the platform library is linked in.
void RegisterBitmapClass();
