// Character attributes of a rich-text control: of its selection (SelAttributes: reading gives
// the first selected character, or what typing at the caret gets; writing changes every
// selected character) or its default format (DefAttributes: what text without a format of
// its own shows in).
#pragma once

#include <string>

#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"

class TRichEdit;

class TTextAttributes {
 public:
  enum TAttributeType { atSelected, atDefaultText };

  TTextAttributes(TRichEdit& owner, TAttributeType type) : owner_(owner), type_(type) {}

  std::string Name() const;
  void SetName(const std::string& name);
  // Points.
  int Size() const;
  void SetSize(int size);
  // Pixels at 96 dpi (positive); a negative value is taken as its size.
  int Height() const;
  void SetHeight(int height);
  // Bold, italic, underline (strike-out is not kept: documents cannot store it).
  TFontStyles Style() const;
  void SetStyle(TFontStyles style);
  // An RGB colour; system colours are resolved when set.
  TColor Color() const;
  void SetColor(TColor color);
  TFontCharset Charset() const;
  void SetCharset(TFontCharset charset);
  TFontPitch Pitch() const;
  void SetPitch(TFontPitch pitch);

  // Face, size, style, colour, character set and pitch of font, in one change.
  void Assign(const TFont& font);
  // The same properties into font.
  void AssignTo(TFont& font) const;

 private:
  TRichEdit& owner_;
  TAttributeType type_;
};
