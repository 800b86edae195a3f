// Sound files from outside: the check that decides whether a file may go to the player reads
// any bytes without running past them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/environment/Sound.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  IsPlayableWave(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
