// TFontComboBox: the font families of the screen and the printer, their filters, FontName's
// rules and the entries with their technology pictures.
#include <algorithm>

#include "controls/RxCombos.h"
#include "platform/core/Exception.h"
#include "platform/core/TextCompare.h"
#include "platform/environment/Environment.h"
#include "platform/graphics/Canvas.h"

namespace {

constexpr TColor kPictureBackground = RGB(255, 0, 255);
constexpr TFontCharset kOemCharset = OEM_CHARSET;

// Sets a flag for the lifetime of the scope and puts back what it was, also when an error
// leaves the scope; scopes may nest.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = saved_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

}  // namespace

void TFontComboBox::LoadFontPicture(TBitmap& bitmap, const std::string& name) {
  bitmap.LoadFromResourceName(name);
  bitmap.SetTransparentColor(kPictureBackground);
  bitmap.SetTransparent(true);
}

TFontComboBox::TFontComboBox(TComponent* owner) : TOwnerDrawComboBox(owner) {
  LoadFontPicture(trueTypePicture_, TrueTypePictureName);
  LoadFontPicture(devicePicture_, DevicePictureName);
  SetSorted(true);
  SetItemHeight(GetItemHeight());
}

int TFontComboBox::GetItemHeight() const {
  return std::max(TOwnerDrawComboBox::GetItemHeight(), trueTypePicture_.Height() - 1);
}

// --- The list

void TFontComboBox::CreateWnd() {
  const std::string remembered = FontName();
  TOwnerDrawComboBox::CreateWnd();
  {
    FlagScope updating(updating_);
    FillFontList();
    SetText("");
    SetFontName(remembered);
  }
  if (!SameText(FontName(), remembered)) FireChange();
}

void TFontComboBox::Loaded() {
  // The layout's face is only text so far; the list may not exist yet and would lose it.
  const std::string name = FontName();
  FlagScope updating(updating_);
  TOwnerDrawComboBox::Loaded();
  if (FontName() != name) SetFontName(name);
}

void TFontComboBox::Rebuild() {
  if (!HandleAllocated()) return;
  const std::string remembered = FontName();
  {
    FlagScope updating(updating_);
    FillFontList();
    SetFontName(remembered);
  }
  if (FontName() != remembered) FireChange();
}

void TFontComboBox::FillFontList() {
  if (!HandleAllocated()) return;
  // Both lists are asked before the entries change, so a failing screen leaves them as they were.
  std::vector<TFontFamilyInfo> screen;
  std::vector<TFontFamilyInfo> printer;
  if (device_ != TFontDevice::fdPrinter) screen = TEnvironment::Fonts().ScreenFamilies();
  if (device_ != TFontDevice::fdScreen) {
    try {
      printer = TEnvironment::Fonts().PrinterFamilies();
    } catch (const Exception&) {
      // Without a printer the list shows what the screen has.
    }
  }
  Items().BeginUpdate();
  Items().Clear();
  AddFamilies(screen);
  AddFamilies(printer);
  Items().EndUpdate();
}

void TFontComboBox::AddFamilies(const std::vector<TFontFamilyInfo>& families) {
  for (const TFontFamilyInfo& family : families) {
    if (family.name.empty() || Items().IndexOf(family.name) >= 0 || !Passes(family)) continue;
    std::intptr_t data = family.fontType;
    if (family.charset != SYMBOL_CHARSET) data |= NotSymbolBit;
    Items().Add(family.name, data);
  }
}

bool TFontComboBox::Passes(const TFontFamilyInfo& family) const {
  using O = TFontListOption;
  auto need = [this](unsigned option) { return (options_ & option) != 0; };
  if (need(O::foAnsiOnly) && family.charset != ANSI_CHARSET) return false;
  if (need(O::foTrueTypeOnly) && !(family.fontType & TRUETYPE_FONTTYPE)) return false;
  if (need(O::foFixedPitchOnly) && family.pitch != fpFixed) return false;
  if (need(O::foOEMFontsOnly) && family.charset != kOemCharset) return false;
  if (need(O::foNoOEMFonts) && family.charset == kOemCharset) return false;
  if (need(O::foNoSymbolFonts) && family.charset == SYMBOL_CHARSET) return false;
  if (need(O::foScalableOnly) && (family.fontType & RASTER_FONTTYPE)) return false;
  return true;
}

void TFontComboBox::SetDevice(TFontDevice value) {
  if (value == device_) return;
  device_ = value;
  Rebuild();
}

void TFontComboBox::SetOptions(TFontListOptions value) {
  if (value == options_) return;
  options_ = value;
  Rebuild();
}

void TFontComboBox::SetTrueTypeOnly(bool value) {
  SetOptions(value ? options_ | TFontListOption::foTrueTypeOnly
                   : options_ & ~static_cast<unsigned>(TFontListOption::foTrueTypeOnly));
}

void TFontComboBox::SetUseFonts(bool value) {
  if (value == useFonts_) return;
  useFonts_ = value;
  Invalidate();
}

// --- The chosen face

void TFontComboBox::SetFontName(const std::string& value) {
  if (value == FontName()) return;
  if (Loading()) {
    SetText(value);
    return;
  }
  HandleNeeded();
  const int index = Items().IndexOf(value);
  if (index >= 0) {
    SetItemIndex(index);
  } else if (Style() == TOwnerDrawComboStyle::csDropDownList) {
    SetItemIndex(-1);
  } else {
    SetText(value);
  }
  FireChange();
}

void TFontComboBox::FireChange() {
  if (!Loading() && !updating_ && OnChange) OnChange(this);
}

void TFontComboBox::Click() {
  TOwnerDrawComboBox::Click();
  FireChange();
}

void TFontComboBox::Change() {
  if (Style() == TOwnerDrawComboStyle::csDropDownList) return;
  // Typing a listed name (in any case) selects that entry.
  const int index = Items().IndexOf(Text());
  if (index < 0 || index == ItemIndex()) return;
  SetItemIndex(index);
  FireChange();
}

// --- Painting

void TFontComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState) {
  TCanvas& canvas = Canvas();
  canvas.FillRect(rect);
  const std::intptr_t data = Items().Objects(index);
  TBitmap* picture = nullptr;
  if (data & TRUETYPE_FONTTYPE)
    picture = &trueTypePicture_;
  else if (data & DEVICE_FONTTYPE)
    picture = &devicePicture_;
  int width = 20;
  if (picture) {
    width = picture->Width();
    canvas.Draw(rect.Left + 2, (rect.Top + rect.Bottom - picture->Height()) / 2, *picture);
  }
  TRect text = rect;
  text.Left += width + 6;
  const std::string& name = Items().Strings(index);
  if (useFonts_ && (data & NotSymbolBit)) canvas.Font().SetName(name);
  canvas.DrawText(name, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
