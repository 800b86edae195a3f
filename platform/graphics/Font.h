// Fonts as the program describes them: a face name, a height in logical units at 96 dpi
// (negative = character height; -11 is 8 points), a style set, a colour, a character set,
// pitch, quality and an escapement for rotated text. Faces of the classic desktop map to
// metric-compatible installed fonts when drawn ("MS Sans Serif" and "Arial" -> Liberation Sans,
// "MS Serif" -> DejaVu Serif, "Times New Roman" -> Liberation Serif, ...).
//
// Properties are Get/Set method pairs named like the program's properties: Name()/SetName(),
// Height()/SetHeight(), Size()/SetSize(), Style()/SetStyle(), ... Setting a property to a
// different value tells every listener linked through OnChange.Add (the control that owns the
// font, a canvas or a cache drawing with it ...).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/ChangeLinks.h"
#include "platform/graphics/Color.h"

// Logical pixels per inch: everything is drawn at 96 dpi.
inline constexpr int ScreenPixelsPerInch = 96;

// a * b / c rounded to the nearest integer (halves away from zero); -1 when c is 0.
int MulDiv(int a, int b, int c);

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
// A set of TFontStyle bits: SetStyle(fsBold | fsItalic); (Style() & fsBold) != 0.
using TFontStyles = unsigned;

enum TFontPitch { fpDefault, fpVariable, fpFixed };

// fqDefault and the non-antialiased qualities draw glyphs without smoothing (the classic
// controls' look); fqAntialiased and the ClearType qualities smooth them.
enum TFontQuality {
  fqDefault,
  fqDraft,
  fqProof,
  fqNonAntialiased,
  fqAntialiased,
  fqClearType,
  fqClearTypeNatural
};

using TFontCharset = std::uint8_t;
inline constexpr TFontCharset ANSI_CHARSET = 0;
inline constexpr TFontCharset DEFAULT_CHARSET = 1;
inline constexpr TFontCharset SYMBOL_CHARSET = 2;
inline constexpr TFontCharset RUSSIAN_CHARSET = 204;
inline constexpr TFontCharset EASTEUROPE_CHARSET = 238;
inline constexpr TFontCharset OEM_CHARSET = 255;

class TFont {
 public:
  TFont();  // "MS Sans Serif", height -11 (8 points), clWindowText, DEFAULT_CHARSET
  TFont(const TFont& other);
  TFont& operator=(const TFont& other);  // copies the description, keeps the listeners
  ~TFont();

  // Copies every property (not the listeners) and notifies once when anything differs.
  void Assign(const TFont& source);

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points: Size = -Height * 72 / 96 (rounded); setting it stores Height = -MulDiv(size, 96, 72).
  // A positive Height (cell height) reads back as a negative size, as the classic font does.
  int Size() const;
  void SetSize(int size);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset charset);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);
  TFontQuality Quality() const { return quality_; }
  void SetQuality(TFontQuality quality);
  // Angle of the text baseline in tenths of a degree, counter-clockwise (900 reads bottom to top).
  int Escapement() const { return escapement_; }
  void SetEscapement(int tenthsOfDegree);

  bool Antialiased() const { return quality_ >= fqAntialiased; }
  bool operator==(const TFont& other) const;  // same description (listeners not compared)

  // A copy of a font starts without listeners.
  TChangeLinks<TFont> OnChange;

 private:
  void Changed();

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  TFontCharset charset_ = DEFAULT_CHARSET;
  TFontPitch pitch_ = fpDefault;
  TFontQuality quality_ = fqDefault;
  int escapement_ = 0;
};

// The installed face that draws a classic face name ("MS Sans Serif" -> "Liberation Sans"); the
// name itself when it needs no mapping.
std::string MapFontFace(const std::string& name);

// One installed font family, as font lists show them.
struct TFontFamilyInfo {
  std::string name;
  int fontType = 4;                     // 1 raster, 2 device, 4 TrueType (scalable outline)
  TFontCharset charset = ANSI_CHARSET;  // SYMBOL_CHARSET for symbol fonts
  TFontPitch pitch = fpVariable;
};
// The font families of the screen, sorted by name.
std::vector<TFontFamilyInfo> ScreenFontFamilies();
