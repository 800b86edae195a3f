// Owner-drawn drop-down lists of colours and of font families.
//
//  - TOwnerDrawComboBox: the shared base. Its items are drawn by the class (owner-draw fixed)
//    and are as high as the font's text height + 1 (at least 9).
//  - TColorComboBox: the sixteen basic colours (and optionally "None" and "Default"), each
//    with a swatch and a name; the chosen colour is ColorValue, kept also when it is not listed.
//  - TFontComboBox: the installed font families of the screen and/or the printer (through
//    TEnvironment::Fonts), sorted, each with a picture of its technology; the chosen face is
//    FontName.
//
// Both fire their own OnChange (the member inherited from the combo box) only when the chosen
// colour or face changes, never while a layout is being read. Looking a name up in the lists
// ignores case.
#pragma once

#include <string>

#include "platform/controls/ComboBox.h"
#include "platform/core/ChangeLinks.h"
#include "platform/core/StringList.h"
#include "platform/graphics/Bitmap.h"

enum class TOwnerDrawComboStyle { csDropDown, csSimple, csDropDownList };

class TOwnerDrawComboBox : public TCustomComboBox {
 public:
  explicit TOwnerDrawComboBox(TComponent* owner = nullptr);
  std::string ClassName() const override { return "TOwnerDrawComboBox"; }

  TOwnerDrawComboStyle Style() const { return style_; }
  // A different style re-creates the window.
  void SetStyle(TOwnerDrawComboStyle value);

 protected:
  // The item height rule: the font's text height + 1, at least 9.
  virtual int GetItemHeight() const;
  void ResetItemHeight();
  unsigned ComboWindowStyle() const override;
  void CreateWnd() override;
  void FontChanged() override;

 private:
  TOwnerDrawComboStyle style_ = TOwnerDrawComboStyle::csDropDownList;
  bool resetting_ = false;
};

// --- Colours

struct TColorComboOption {
  enum : unsigned { coIncludeDefault = 1, coIncludeNone = 2 };
};
using TColorComboOptions = unsigned;

class TColorComboBox : public TOwnerDrawComboBox {
 public:
  explicit TColorComboBox(TComponent* owner = nullptr);
  ~TColorComboBox() override;
  std::string ClassName() const override { return "TColorComboBox"; }

  // The chosen colour. In an editable style without a selection it follows the edit text (a
  // listed name, a number, or else the last colour assigned).
  TColor ColorValue() const;
  void SetColorValue(TColor value);
  // Names shown instead of the table's, by position in the colour table; empty strings keep
  // the table's name. Changing them re-creates the list.
  TStringList& ColorNames() { return colorNames_; }
  void SetColorNames(const std::vector<std::string>& names);
  bool DisplayNames() const { return displayNames_; }
  void SetDisplayNames(bool value);
  TColorComboOptions Options() const { return options_; }
  void SetOptions(TColorComboOptions value);

  // The colour table: 16 basic colours, then clNone ("None") and clDefault ("Default").
  static constexpr int TableSize = 18;
  static TColor TableColor(int position);
  static std::string TableName(int position);

 protected:
  void CreateWnd() override;
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void Click() override;
  void Change() override;

 private:
  void FillColorList();
  void ColorNamesChanged();
  void FireChange();

  TColor colorValue_ = clBlack;
  TStringList colorNames_;
  TChangeLink namesLink_;
  bool displayNames_ = true;
  TColorComboOptions options_ = 0;
};

// --- Fonts

enum class TFontDevice { fdScreen, fdPrinter, fdBoth };

struct TFontListOption {
  enum : unsigned {
    foAnsiOnly = 1,
    foTrueTypeOnly = 2,
    foFixedPitchOnly = 4,
    foNoOEMFonts = 8,
    foOEMFontsOnly = 16,
    foScalableOnly = 32,
    foNoSymbolFonts = 64,
  };
};
using TFontListOptions = unsigned;

class TFontComboBox : public TOwnerDrawComboBox {
 public:
  // The pictures of the font technologies, built into the program.
  static constexpr const char* TrueTypePictureName = "TRUETYPE_FNT";
  static constexpr const char* DevicePictureName = "DEVICE_FNT";
  // The data bit of an entry whose family is not a symbol font.
  static constexpr std::intptr_t NotSymbolBit = 256;

  // Raises EResNotFound when a picture is missing.
  explicit TFontComboBox(TComponent* owner = nullptr);
  std::string ClassName() const override { return "TFontComboBox"; }

  TFontDevice Device() const { return device_; }
  void SetDevice(TFontDevice value);
  // The chosen face: the control's text. A name listed in another capitalisation selects the
  // listed face.
  std::string FontName() const { return Text(); }
  void SetFontName(const std::string& value);
  TFontListOptions Options() const { return options_; }
  void SetOptions(TFontListOptions value);
  bool TrueTypeOnly() const { return (options_ & TFontListOption::foTrueTypeOnly) != 0; }
  void SetTrueTypeOnly(bool value);
  // Each name drawn in its own face.
  bool UseFonts() const { return useFonts_; }
  void SetUseFonts(bool value);
  // The installed fonts changed: the list is built again.
  void FontsChanged() { Rebuild(); }

  const TBitmap& TrueTypePicture() const { return trueTypePicture_; }
  const TBitmap& DevicePicture() const { return devicePicture_; }
  // Loads a font-technology picture with its transparent colour (magenta).
  static void LoadFontPicture(TBitmap& bitmap, const std::string& name);

 protected:
  int GetItemHeight() const override;
  void CreateWnd() override;
  void Loaded() override;
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void Click() override;
  void Change() override;

 private:
  void FillFontList();
  void AddFamilies(const std::vector<TFontFamilyInfo>& families);
  bool Passes(const TFontFamilyInfo& family) const;
  void Rebuild();
  void FireChange();

  TBitmap trueTypePicture_;
  TBitmap devicePicture_;
  TFontDevice device_ = TFontDevice::fdScreen;
  TFontListOptions options_ = 0;
  bool useFonts_ = false;
  bool updating_ = false;
};
