// TImage shows its picture unscaled at the top-left corner, or centred (Center), or stretched
// over the control (Stretch; with Proportional the aspect is kept). A Transparent image leaves
// the picture's transparent colour unpainted. Where there is no picture the parent shows.
#pragma once

#include <functional>
#include <memory>

#include "platform/framework/Control.h"
#include "platform/graphics/Picture.h"

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
