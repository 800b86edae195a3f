// TPicture holds one picture of any registered class (a bitmap, a GIF ...), read from a file,
// a stream or the stored form layouts use (class name, byte count, file bytes).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Graphic.h"

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
  TChangeLink graphicLink_;
};
