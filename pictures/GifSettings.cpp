#include "pictures/GifSettings.h"

namespace {
bool loadCorrupted = true;
std::size_t maxImageBytes = std::size_t{128} << 20;
std::size_t maxPictureBytes = std::size_t{512} << 20;
}  // namespace

bool GIFLoadCorrupted() {
  return loadCorrupted;
}
void SetGIFLoadCorrupted(bool value) {
  loadCorrupted = value;
}

std::size_t GIFMaxImageBytes() {
  return maxImageBytes;
}
void SetGIFMaxImageBytes(std::size_t value) {
  maxImageBytes = value;
}

std::size_t GIFMaxPictureBytes() {
  return maxPictureBytes;
}
void SetGIFMaxPictureBytes(std::size_t value) {
  maxPictureBytes = value;
}
