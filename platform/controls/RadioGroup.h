// A group of radio buttons in a captioned frame: Items are the buttons' captions, arranged
// top to bottom in Columns columns; ItemIndex is the checked one (-1: none; values beyond the
// items are brought into -1 .. count - 1). Clicking a button, an arrow key or a button's "&"
// letter checks it; every change of ItemIndex outside layout reading fires OnClick. Items is a
// string list the group listens to: changing it repaints the group and keeps ItemIndex in range.
#pragma once

#include <string>
#include <vector>

#include "platform/core/StringList.h"
#include "platform/framework/Control.h"

class TRadioGroup : public TCustomControl {
 public:
  explicit TRadioGroup(TComponent* owner = nullptr);
  std::string ClassName() const override { return "TRadioGroup"; }

  TStringList& Items() { return items_; }
  const TStringList& Items() const { return items_; }
  void SetItems(const std::vector<std::string>& items);
  int Columns() const { return columns_; }
  void SetColumns(int value);
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);

  // The area of button index (glyph and caption), in client coordinates.
  TRect ButtonRect(int index) const;
  // The button under a client point, or -1.
  int ButtonAt(int x, int y) const;

 protected:
  void Paint() override;
  void Loaded() override;
  void FontChanged() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(TKey& key, TShiftState shift) override;
  bool DialogChar(char32_t key, TShiftState shift) override;
  void DoEnter() override;
  void DoExit() override;
  unsigned DialogCodes() const override { return dcWantArrows; }

 private:
  int FontCellHeight() const;
  void PaintFrame(TCanvas& canvas);
  void PaintButton(TCanvas& canvas, int index);
  void Select(int index);
  void ItemsChanged();

  TStringList items_;
  TChangeLink itemsLink_;
  int columns_ = 1;
  int itemIndex_ = -1;
  int pressed_ = -1;
  bool pressedOver_ = false;
};
