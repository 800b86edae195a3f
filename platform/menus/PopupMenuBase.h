// What a control needs from a popup menu: something it can open at a screen point when the
// user right-clicks it. The menus library implements it; controls only hold the pointer.
#pragma once

#include "platform/core/Component.h"

class TControl;

class TPopupMenuBase : public TComponent {
 public:
  using TComponent::TComponent;

  // Opens the menu with its top-left corner (or its alignment point) at screen point (x, y).
  virtual void Popup(int x, int y) = 0;
  // False: a right click on the control does not open the menu (code may still call Popup).
  virtual bool AutoPopup() const { return true; }

  // The control that was right-clicked to open the menu (the classic PopupComponent).
  TControl* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TControl* control) { popupComponent_ = control; }

 private:
  TControl* popupComponent_ = nullptr;
};
