// Pictures that a control can hold: the bitmap and every registered picture class (GIF).
// Layouts store a picture as its class name (a length-prefixed string), a 32-bit byte count
// and the picture's file bytes; the class name finds the class here.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/ChangeLinks.h"
#include "platform/core/Types.h"

class TCanvas;
class TStream;

class TGraphic {
 public:
  virtual ~TGraphic() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual bool Empty() const = 0;
  // Draws the picture stretched into rect; when Transparent() is set, the picture's
  // transparent pixels leave the canvas as it was.
  virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
  // Replaces the picture with the one in the stream; raises EInvalidGraphic on bad data.
  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) const = 0;

  virtual bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value) { transparent_ = value; }

  // Every change of the picture (loaded, resized, drawn on) reaches each linked listener: the
  // picture holding it, a control showing it, a cache built from it.
  TChangeLinks<TGraphic> OnChange;

 protected:
  void Changed() { OnChange.Notify(*this); }

 private:
  bool transparent_ = false;
};

// The registry of picture classes, by class name ("TBitmap", "TGIFImage") and by file
// extension ("bmp", "gif").
struct TGraphicClass {
  std::string className;
  std::string extension;    // lower case, no dot
  std::string description;  // "CompuServe GIF Image"
  std::function<std::unique_ptr<TGraphic>()> create;
};

void RegisterGraphicClass(TGraphicClass graphicClass);
const TGraphicClass* FindGraphicClass(const std::string& className);
const TGraphicClass* FindGraphicClassByExtension(const std::string& extension);

// Reads the stored picture form (class name, 32-bit little-endian byte count, bytes) and
// returns the picture it holds. Raises EInvalidGraphic for an unknown class or short data.
std::unique_ptr<TGraphic> ReadStoredPicture(const std::vector<std::uint8_t>& data);
// The stored form of a picture of the given class from its file bytes.
std::vector<std::uint8_t> MakeStoredPicture(const std::string& className,
                                            const std::vector<std::uint8_t>& fileBytes);
