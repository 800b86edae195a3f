// The frames as the drawing layer's bitmaps, and drawing the current frame.
#include "pictures/RxGIF.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

// Each pixel takes the colour of its palette entry.
std::shared_ptr<TBitmap> BitmapOf(const TGIFDib& dib) {
  auto bitmap = std::make_shared<TBitmap>(dib.Width(), dib.Height());
  for (int y = 0; y < dib.Height(); ++y) {
    std::uint8_t* row = bitmap->ScanLine(y);
    for (int x = 0; x < dib.Width(); ++x, row += TBitmap::PixelStep) {
      const auto entry = dib.PaletteEntry(dib.PixelIndex(x, y));
      row[TBitmap::BlueOffset] = entry[0];
      row[TBitmap::GreenOffset] = entry[1];
      row[TBitmap::RedOffset] = entry[2];
    }
  }
  bitmap->Modified();
  return bitmap;
}

}  // namespace

TBitmap* TGIFFrame::Bitmap() const {
  if (!bitmap_) bitmap_ = BitmapOf(Dib());
  return bitmap_.get();
}

void TGIFImage::Draw(TCanvas& canvas, const TRect& rect) {
  if (frameIndex_ < 0) return;
  const TGIFFrame* frame = currentFrame();
  if (!frame) return;
  const TBitmap* bitmap = frame->Bitmap();
  if (bitmap->Empty()) return;
  const TColor key = TGraphic::Transparent() ? frame->TransparentColor() : clNone;
  canvas.StretchCopy(rect, *bitmap, Rect(0, 0, bitmap->Width(), bitmap->Height()), key);
}
