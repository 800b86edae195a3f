// Pictures and panels.
//
// TPicture holds one picture of any registered class (a bitmap, a GIF ...), read from a file,
// a stream or the stored form layouts use (class name, byte count, file bytes).
//
// TImage shows its picture unscaled at the top-left corner, or centred (Center), or stretched
// over the control (Stretch; with Proportional the aspect is kept). A Transparent image leaves
// the picture's transparent colour unpainted. Where there is no picture the parent shows.
//
// TPanel: an outer bevel, a border of BorderWidth in the panel colour, an inner bevel, the body
// and its caption (centred vertically, aligned by Alignment). Each bevel is BevelWidth wide,
// light on the top-left and dark on the bottom-right (the other way round when lowered).
// Aligned children share the area inside border and bevels; bsSingle adds a 2-pixel sunken
// frame around everything.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Graphic.h"

class TBitmap;
class TStream;

class TPicture {
 public:
  // notify tells the control holding the picture about every change (before OnChange).
  explicit TPicture(std::function<void()> notify = nullptr);
  ~TPicture();
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  // The picture, or nullptr when empty.
  TGraphic* Graphic() const { return graphic_.get(); }
  void SetGraphic(std::unique_ptr<TGraphic> graphic);
  // The picture as a bitmap: an empty bitmap replaces a picture of another class.
  TBitmap& Bitmap();
  int Width() const;
  int Height() const;
  bool Empty() const { return !graphic_ || graphic_->Empty(); }

  // By the file's extension through the picture registry; EInvalidGraphic for an unknown one.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;
  // The stored form of layouts: class name (length-prefixed), 32-bit byte count, file bytes.
  void LoadFromStoredData(const std::vector<std::uint8_t>& data);

  // The picture changed (replaced, or changed in itself).
  std::function<void()> OnChange;

 private:
  void Changed();

  std::function<void()> notify_;
  std::unique_ptr<TGraphic> graphic_;
};

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner = nullptr);
  ~TImage() override;
  std::string ClassName() const override { return "TImage"; }

  TPicture& Picture() { return picture_; }
  const TPicture& Picture() const { return picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // The control takes the picture's size whenever the picture changes.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);

  // Where the picture is drawn, in client coordinates.
  TRect DestRect() const;

 protected:
  void Paint() override;

 private:
  void PictureChanged();

  TPicture picture_;
  bool adjusting_ = false;
  bool stretch_ = false;
  bool proportional_ = false;
  bool center_ = false;
  bool transparent_ = false;
  bool autoSize_ = false;
};

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TCustomControl {
 public:
  explicit TPanel(TComponent* owner = nullptr);
  std::string ClassName() const override { return "TPanel"; }

  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);

 protected:
  void AdjustClientRect(TRect& rect) const override;
  void Paint() override;
  // Draws the bevels and the border on rect and shrinks it to the body.
  void PaintFrame(TCanvas& canvas, TRect& rect) const;
  // The caption's DrawText flags: alignment, vertical centring, tab expansion.
  unsigned CaptionFlags() const;

 private:
  void Rebuild();

  TBevelCut bevelInner_ = bvNone;
  TBevelCut bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TFormBorderStyle borderStyle_ = bsNone;
  TAlignment alignment_ = taCenter;
};
