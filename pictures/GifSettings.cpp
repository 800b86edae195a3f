#include "pictures/GifSettings.h"

namespace {
bool loadCorrupted = true;
std::size_t maxImageBytes = std::size_t{128} << 20;
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
