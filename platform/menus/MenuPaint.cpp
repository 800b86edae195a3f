// The standard look of menu items, used while a menu is not owner-drawn (and by owner-drawn
// menus that fall back on it): a check column, the caption with its underlined accelerator,
// the shortcuts in a column of their own, and room for the sub-menu arrow.
#include <algorithm>

#include "platform/graphics/FrameControl.h"
#include "platform/framework/Hotkey.h"
#include "platform/menus/Menus.h"
#include "platform/framework/SystemMetrics.h"

namespace {

// The gap around the check mark: 0.3 of the check-mark width, rounded.
int Gap() {
  return (GetSystemMetrics(SM_CXMENUCHECK) * 3 + 5) / 10;
}

// Between the caption column and the shortcut column.
constexpr int kShortcutGap = 12;

struct Columns {
  int caption = 0;
  int shortcut = 0;
};

// Captions and shortcuts of one menu level line up, so each column is as wide as its widest
// entry among the item's siblings.
Columns ColumnWidths(const TMenuItem& item, const TCanvas& canvas) {
  Columns columns;
  auto measure = [&](const TMenuItem& entry) {
    if (!entry.Visible() || entry.IsLine()) return;
    columns.caption = std::max(columns.caption, canvas.TextWidth(StripHotkey(entry.Caption())));
    if (entry.ShortCut() != scNone)
      columns.shortcut =
          std::max(columns.shortcut, canvas.TextWidth(ShortCutToText(entry.ShortCut())));
  };
  if (const TMenuItem* parent = item.Parent())
    for (int i = 0; i < parent->Count(); ++i) measure(*parent->Items(i));
  else
    measure(item);
  return columns;
}

void DrawItemText(TCanvas& canvas, const std::string& text, int x, int y, const TRect& rect,
                  TColor color) {
  canvas.Font().SetColor(color);
  TRect r = Rect(x, y, rect.Right, rect.Bottom);
  canvas.DrawText(text, r, DT_SINGLELINE | DT_EXPANDTABS | DT_LEFT);
}

}  // namespace

int TMenu::StandardTextOffset() {
  return 2 * Gap() + GetSystemMetrics(SM_CXMENUCHECK);
}

void TMenu::StandardMeasureItem(TMenuItem& item, TCanvas& canvas, int& width, int& height) {
  const int check = GetSystemMetrics(SM_CXMENUCHECK);
  if (item.IsLine()) {
    width = StandardTextOffset();
    height = std::max(canvas.TextHeight("-") / 2, 9);
    return;
  }
  const Columns columns = ColumnWidths(item, canvas);
  width = StandardTextOffset() + columns.caption +
          (columns.shortcut > 0 ? kShortcutGap + columns.shortcut : 0) + check + Gap();
  height = std::max(GetSystemMetrics(SM_CYMENU) - 2, canvas.TextHeight(item.Caption()) + 4);
}

void TMenu::StandardDrawItem(TMenuItem& item, TCanvas& canvas, const TRect& rect,
                             TMenuOwnerDrawState state) {
  const bool selected = (state & mdSelected) != 0;
  const bool disabled = (state & mdDisabled) != 0;
  canvas.Brush().SetColor(selected ? clHighlight : clMenu);
  canvas.FillRect(rect);
  if (item.IsLine()) {
    const int y = (rect.Top + rect.Bottom) / 2;
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(clBtnShadow);
    canvas.MoveTo(rect.Left, y - 1);
    canvas.LineTo(rect.Right, y - 1);
    canvas.Pen().SetColor(clBtnHighlight);
    canvas.MoveTo(rect.Left, y);
    canvas.LineTo(rect.Right, y);
    return;
  }
  const TColor text =
      disabled ? (selected ? clGrayText : clBtnShadow) : (selected ? clHighlightText : clMenuText);
  // Disabled items look engraved, except on the highlight bar where the emboss would glare.
  const bool emboss = disabled && !selected;
  const int check = GetSystemMetrics(SM_CXMENUCHECK);
  const int offset = StandardTextOffset();
  if (item.Checked()) {
    const int x = rect.Left + (offset - check) / 2;
    const int y = (rect.Top + rect.Bottom - check) / 2;
    const TMenuGlyph glyph = item.RadioItem() ? mgBullet : mgCheck;
    if (emboss) DrawMenuGlyph(canvas, x + 1, y + 1, glyph, clBtnHighlight);
    DrawMenuGlyph(canvas, x, y, glyph, text);
  }
  canvas.Brush().SetStyle(bsClear);
  const int y = (rect.Top + rect.Bottom - canvas.TextHeight("Ay")) / 2;
  const int x = rect.Left + offset;
  const std::string shortcut = ShortCutToText(item.ShortCut());
  const int shortcutX = x + ColumnWidths(item, canvas).caption + kShortcutGap;
  if (emboss) {
    DrawItemText(canvas, item.Caption(), x + 1, y + 1, OffsetRect(rect, 1, 1), clBtnHighlight);
    if (!shortcut.empty())
      DrawItemText(canvas, shortcut, shortcutX + 1, y + 1, OffsetRect(rect, 1, 1), clBtnHighlight);
  }
  DrawItemText(canvas, item.Caption(), x, y, rect, text);
  if (!shortcut.empty()) DrawItemText(canvas, shortcut, shortcutX, y, rect, text);
  canvas.Brush().SetStyle(bsSolid);
}
