// A list of small pictures of one size (Width x Height), each with its own transparency, drawn
// by index. Menus and buttons use it for item glyphs.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/core/ChangeLinks.h"
#include "platform/core/Component.h"
#include "platform/framework/ControlTypes.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner = nullptr);
  std::string ClassName() const override { return "TImageList"; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Changing the size empties the list, as the classic list does.
  void SetWidth(int value);
  void SetHeight(int value);
  int Count() const { return static_cast<int>(images_.size()); }

  // Adds the picture cut into Width-wide cells, left to right; returns the first new index.
  // Without a mask every pixel shows; a mask's white pixels are left out.
  int Add(const TBitmap& image, const TBitmap* mask = nullptr);
  // As Add, leaving out the pixels of maskColor.
  int AddMasked(const TBitmap& image, TColor maskColor);
  void Delete(int index);
  void Clear();

  // Draws image index with its top-left corner at (x, y); a disabled image is drawn as a
  // shadow-coloured silhouette over a highlight one shifted one pixel right and down.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
  // Paints the shape of image index (its shown pixels) in one colour.
  void DrawSilhouette(TCanvas& canvas, int x, int y, int index, TColor color) const;
  // True when the pixel of image index shows (inside the image and not left out).
  bool Opaque(int index, int x, int y) const;
  // A copy of image index (left-out pixels white).
  TBitmap GetBitmap(int index) const;

  // Images added, deleted or resized: every linked listener (each menu and button using the
  // list) hears it.
  TChangeLinks<TImageList> OnChange;

 private:
  struct Image {
    TBitmap bitmap;
    std::vector<bool> shown;  // row-major, Width x Height
  };
  const Image& At(int index) const;
  int AddCells(const TBitmap& image, const std::function<bool(int x, int y)>& shows);
  void Changed();

  int width_ = 16;
  int height_ = 16;
  std::vector<Image> images_;
};
