#include "controls/RbColors.h"

#include "controls/RbDrawCore.h"

void TRbCustomColors::Store(TColor& field, TColor value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TRbCustomColors::AssignTo(TPersistent& dest) const {
  auto* colors = dynamic_cast<TRbCustomColors*>(&dest);
  if (!colors) {
    TPersistent::AssignTo(dest);
    return;
  }
  colors->FDefaultFrom = FDefaultFrom;
  colors->FDefaultTo = FDefaultTo;
  colors->FOverFrom = FOverFrom;
  colors->FOverTo = FOverTo;
}

void TRbControlColors::Changed() {
  if (FOwner) FOwner->UpdateGraphics();
}

void TRbControlColors::StoreTextColor(TColor& field, TColor value) {
  if (field == value) return;
  field = value;
  if (FOwner) FOwner->Invalidate();
}

void TRbControlColors::AssignTo(TPersistent& dest) const {
  auto* colors = dynamic_cast<TRbControlColors*>(&dest);
  if (!colors) {
    TRbCustomColors::AssignTo(dest);
    return;
  }
  TRbCustomColors::AssignTo(dest);
  colors->FClickedFrom = FClickedFrom;
  colors->FClickedTo = FClickedTo;
  colors->FHotTrack = FHotTrack;
  colors->FBorderColor = FBorderColor;
  colors->FTextShadow = FTextShadow;
}

TRbSplitterColors::TRbSplitterColors(TRbCustomControl* owner) : TRbCustomColors(owner) {
  SetDefaultFrom(clBtnFace);
  SetDefaultTo(clBtnFace);
  SetOverFrom(clWhite);
  SetOverTo(12489846);
}

void TRbSplitterColors::Changed() {
  if (FOwner) FOwner->UpdateGraphics();
}
