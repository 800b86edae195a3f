// TEMPORARY until platform/Bitmap.cpp lands.
#include "pictures/RxGIF.h"

TBitmap* TGIFFrame::Bitmap() const {
  Dib();
  return nullptr;
}

void TGIFImage::Draw(TCanvas&, const TRect&) {}
