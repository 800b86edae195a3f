// The colour sets of the rounded controls: the four gradient colours every set has, the
// pressed, hot-track, border and shadow colours of a button, and the splitter's set.
#pragma once

#include <string>

#include "platform/core/Persistent.h"
#include "platform/graphics/Color.h"

class TRbCustomControl;

class TRbCustomColors : public TPersistent {
 public:
  // owner (may be none) hears about changes through Changed.
  explicit TRbCustomColors(TRbCustomControl* owner = nullptr) : FOwner(owner) {}
  TRbCustomColors(const TRbCustomColors&) = delete;
  TRbCustomColors& operator=(const TRbCustomColors&) = delete;
  std::string ClassName() const override { return "TRbCustomColors"; }

  TRbCustomControl* Owner() const { return FOwner; }

  TColor DefaultFrom() const { return FDefaultFrom; }
  void SetDefaultFrom(TColor value) { Store(FDefaultFrom, value); }
  TColor DefaultTo() const { return FDefaultTo; }
  void SetDefaultTo(TColor value) { Store(FDefaultTo, value); }
  TColor OverFrom() const { return FOverFrom; }
  void SetOverFrom(TColor value) { Store(FOverFrom, value); }
  TColor OverTo() const { return FOverTo; }
  void SetOverTo(TColor value) { Store(FOverTo, value); }

 protected:
  // Some colour that the owner's cached looks are built from changed.
  virtual void Changed() = 0;
  // Into another colour set: the four values, without telling anyone.
  void AssignTo(TPersistent& dest) const override;
  // Stores a changed value and calls Changed.
  void Store(TColor& field, TColor value);

  TRbCustomControl* FOwner;

 private:
  TColor FDefaultFrom = clWhite;
  TColor FDefaultTo = 13745839;
  TColor FOverFrom = clWhite;
  TColor FOverTo = 12489846;
};

class TRbControlColors : public TRbCustomColors {
 public:
  using TRbCustomColors::TRbCustomColors;
  std::string ClassName() const override { return "TRbControlColors"; }

  TColor ClickedFrom() const { return FClickedFrom; }
  void SetClickedFrom(TColor value) { Store(FClickedFrom, value); }
  TColor ClickedTo() const { return FClickedTo; }
  void SetClickedTo(TColor value) { Store(FClickedTo, value); }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor value) { Store(FBorderColor, value); }
  // Text colours: a change repaints the owner, no look is rebuilt.
  TColor HotTrack() const { return FHotTrack; }
  void SetHotTrack(TColor value) { StoreTextColor(FHotTrack, value); }
  TColor TextShadow() const { return FTextShadow; }
  void SetTextShadow(TColor value) { StoreTextColor(FTextShadow, value); }

 protected:
  void Changed() override;
  void AssignTo(TPersistent& dest) const override;

 private:
  void StoreTextColor(TColor& field, TColor value);

  TColor FClickedFrom = 13029334;
  TColor FClickedTo = 15463415;
  TColor FHotTrack = clBlue;
  TColor FBorderColor = clGray;
  TColor FTextShadow = clWhite;
};

// The two looks of a splitter (button face at rest, white to blue-grey under the pointer).
class TRbSplitterColors : public TRbCustomColors {
 public:
  explicit TRbSplitterColors(TRbCustomControl* owner = nullptr);
  std::string ClassName() const override { return "TRbSplitterColors"; }

 protected:
  void Changed() override;
};
