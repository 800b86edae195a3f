// Pictures and other files built into the program. They live in resources/ and are listed in
// resources/*.qrc; a picture named NAME is found as ":/bitmaps/NAME.bmp" or
// ":/bitmaps/NAME.png" (the name as given, then upper case). The platform library is static, so
// every .qrc file must also be named in InitResources (Resources.cpp) to be linked in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/Exception.h"

// A resource that the program asked for is missing.
class EResNotFound : public Exception {
 public:
  explicit EResNotFound(const std::string& name) : Exception("Resource " + name + " not found") {}
};

// The bytes of the embedded picture NAME (BMP or PNG), or nothing.
std::optional<std::vector<std::uint8_t>> FindBitmapResource(const std::string& name);
// The bytes of any embedded file by its resource path (":/layouts/Unit1.txt"), or nothing.
std::optional<std::vector<std::uint8_t>> FindResourceFile(const std::string& path);
