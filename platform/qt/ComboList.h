// Internal to the platform layer: the drop-down list of a combo box, a popup window below (or
// above) the control with a one-pixel frame, the items drawn through the combo box, and a
// classic scroll bar when there are more items than DropDownCount.
#pragma once

#include <QTimer>

#include "platform/qt/PopupWidget.h"

class TCustomComboBox;

class ComboList : public PopupWidget {
 public:
  static constexpr int kFrame = 1;

  explicit ComboList(TCustomComboBox& combo);

  // Sizes and places the list for the combo box and shows it, the selected item highlighted.
  void Open();
  // Hides the list and tells the combo box (which fires OnCloseUp).
  void Close();
  // Hides the list without telling anyone (the combo box is going away).
  void Dismiss();

  int Hot() const { return hot_; }
  void SetHot(int index);
  int TopIndex() const { return top_; }
  void SetTopIndex(int index);
  int VisibleCount() const { return visible_; }
  bool HasScrollBar() const;
  // Item index's rectangle in the list's own coordinates (empty when scrolled away).
  TRect ItemRect(int index);
  // The item under a point of the list's own coordinates, or -1.
  int ItemAt(TPoint p);

 protected:
  void ComposeFace(TBitmap& face) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  enum class Part { none, up, down, pageUp, pageDown, thumb };
  TRect ItemsArea() const;
  TRect ScrollRect() const;
  TRect ThumbRect();
  Part PartAt(TPoint p);
  void ScrollPart(Part part);
  void EnsureVisible(int index);
  int MaxTop();
  void PaintScrollBar(TCanvas& canvas);

  TCustomComboBox& combo_;
  int hot_ = -1;
  int top_ = 0;
  int visible_ = 1;
  bool closing_ = false;
  Part pressedPart_ = Part::none;
  int dragOffset_ = 0;
  QTimer repeat_;
};
