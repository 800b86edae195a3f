// Small text helpers the layout reader shares: names compare without regard to ASCII case
// (SameText, CompareText), and strings must be valid UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/TextCompare.h"

// Orders names without regard to ASCII case, for maps keyed by property or class names.
struct TLessTextAscii {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const;
};

bool IsValidUtf8(std::string_view text);
// Appends a code point as UTF-8; false for surrogates and values beyond U+10FFFF.
bool AppendUtf8(std::string& out, std::uint32_t code);
