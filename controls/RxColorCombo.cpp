// TColorComboBox: the colour table, the list, ColorValue's rules and the swatches.
#include <array>
#include <cerrno>
#include <cstdlib>

#include "controls/RxCombos.h"
#include "platform/graphics/Canvas.h"

namespace {

struct TableEntry {
  TColor color;
  const char* name;
};

constexpr std::array<TableEntry, TColorComboBox::TableSize> kColorTable = {{
    {clBlack, "Black"},
    {clMaroon, "Maroon"},
    {clGreen, "Green"},
    {clOlive, "Olive"},
    {clNavy, "Navy"},
    {clPurple, "Purple"},
    {clTeal, "Teal"},
    {clGray, "Gray"},
    {clSilver, "Silver"},
    {clRed, "Red"},
    {clLime, "Lime"},
    {clYellow, "Yellow"},
    {clBlue, "Blue"},
    {clFuchsia, "Fuchsia"},
    {clAqua, "Aqua"},
    {clWhite, "White"},
    {clNone, "None"},
    {clDefault, "Default"},
}};

// A whole integer as typed: decimal, or hexadecimal after "$" or "0x"; an optional sign.
bool ParseInteger(const std::string& text, long long& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int base = 10;
  if (text.compare(i, 1, "$") == 0) {
    base = 16;
    i += 1;
  } else if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
    base = 16;
    i += 2;
  }
  if (i >= text.size() || text[i] == '-' || text[i] == '+' || text[i] == ' ') return false;
  const char* start = text.c_str() + i;
  char* end = nullptr;
  errno = 0;
  const unsigned long long magnitude = std::strtoull(start, &end, base);
  if (errno != 0 || *end != '\0' || magnitude > 0xFFFFFFFFull) return false;
  value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
  return value >= -0x80000000ll;
}

// The colour's identifier without "cl", or "$" and eight hexadecimal digits.
std::string ColorText(TColor color) {
  std::string text = ColorToString(color);
  if (text.rfind("cl", 0) == 0) text.erase(0, 2);
  return text;
}

// The two marker values are painted as their low 24 bits, as the classic drawing layer does.
TColor SwatchColor(TColor color) {
  return color == clNone || color == clDefault ? color & 0xFFFFFF : color;
}

// Light colours get a black frame; a dark one is framed in itself, or in white when selected.
TColor BorderColor(TColor color, bool selected) {
  const TColor rgb = ColorToRGB(color);
  if (GetRValue(rgb) > 192 || GetGValue(rgb) > 192 || GetBValue(rgb) > 192) return clBlack;
  return selected ? clWhite : color;
}

}  // namespace

TColorComboBox::TColorComboBox(TComponent* owner) : TOwnerDrawComboBox(owner) {
  namesLink_ = colorNames_.OnChange.Add([this](TStringList&) { ColorNamesChanged(); });
}

TColorComboBox::~TColorComboBox() = default;

TColor TColorComboBox::TableColor(int position) {
  return kColorTable.at(static_cast<std::size_t>(position)).color;
}

std::string TColorComboBox::TableName(int position) {
  return kColorTable.at(static_cast<std::size_t>(position)).name;
}

// --- The list

void TColorComboBox::CreateWnd() {
  TOwnerDrawComboBox::CreateWnd();
  FillColorList();
  SetColorValue(colorValue_);
}

void TColorComboBox::FillColorList() {
  Items().BeginUpdate();
  Items().Clear();
  for (int position = 0; position < TableSize; ++position) {
    const TColor color = TableColor(position);
    if (color == clDefault && !(options_ & TColorComboOption::coIncludeDefault)) continue;
    if (color == clNone && !(options_ & TColorComboOption::coIncludeNone)) continue;
    std::string name = TableName(position);
    if (position < colorNames_.Count() && !colorNames_.Strings(position).empty())
      name = colorNames_.Strings(position);
    Items().Add(name, static_cast<std::intptr_t>(color));
  }
  Items().EndUpdate();
}

void TColorComboBox::SetColorNames(const std::vector<std::string>& names) {
  colorNames_.BeginUpdate();
  colorNames_.Clear();
  for (const std::string& name : names) colorNames_.Add(name);
  colorNames_.EndUpdate();
}

void TColorComboBox::ColorNamesChanged() {
  if (!HandleAllocated()) return;
  colorValue_ = ColorValue();
  RecreateWnd();
}

void TColorComboBox::SetDisplayNames(bool value) {
  if (value == displayNames_) return;
  displayNames_ = value;
  Invalidate();
}

void TColorComboBox::SetOptions(TColorComboOptions value) {
  if (value == options_) return;
  options_ = value;
  if (HandleAllocated()) RecreateWnd();
}

// --- The chosen colour

TColor TColorComboBox::ColorValue() const {
  if (Style() == TOwnerDrawComboStyle::csDropDownList || ItemIndex() >= 0) return colorValue_;
  const int index = Items().IndexOf(Text());
  if (index >= 0) return static_cast<TColor>(Items().Objects(index));
  long long number = 0;
  if (ParseInteger(Text(), number)) return static_cast<TColor>(number);
  return colorValue_;
}

void TColorComboBox::SetColorValue(TColor value) {
  if (ItemIndex() >= 0 && value == colorValue_) return;
  colorValue_ = value;
  const int index = Items().IndexOfObject(static_cast<std::intptr_t>(value));
  if (index >= 0) {
    SetItemIndex(index);
  } else if (Style() == TOwnerDrawComboStyle::csDropDownList) {
    SetItemIndex(-1);
  } else {
    SetText(ColorText(value));
  }
  FireChange();
}

void TColorComboBox::FireChange() {
  if (!Loading() && OnChange) OnChange(this);
}

void TColorComboBox::Click() {
  if (ItemIndex() >= 0) SetColorValue(static_cast<TColor>(Items().Objects(ItemIndex())));
  TOwnerDrawComboBox::Click();
}

void TColorComboBox::Change() {
  // The edit text may name another colour.
  const TColor color = ColorValue();
  if (color == colorValue_) return;
  colorValue_ = color;
  FireChange();
}

// --- Painting

void TColorComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  TCanvas& canvas = Canvas();
  const int right = displayNames_ ? rect.Left + 24 : rect.Right - 3;
  const TRect swatch = Rect(rect.Left + 2, rect.Top + 2, right, rect.Bottom - 2);
  canvas.FillRect(rect);
  const TColor color = static_cast<TColor>(Items().Objects(index));
  const TColor brush = canvas.Brush().Color();
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(BorderColor(color, (state & odSelected) != 0));
  canvas.Rectangle(swatch);
  canvas.Brush().SetColor(SwatchColor(color));
  canvas.FillRect(InflateRect(swatch, -1, -1));
  canvas.Brush().SetColor(brush);
  if (!displayNames_) return;
  TRect text = rect;
  text.Left += 28;
  canvas.DrawText(Items().Strings(index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
