// Reads the text of a window layout into a TLayoutObject tree. The format is described in
// docs/layouts.md. The parser trusts nothing: every read is bounds-checked, nesting is limited,
// strings must be valid UTF-8, and any fault raises EInvalidLayout naming the layout and line.
#pragma once

#include <string>
#include <string_view>

#include "platform/layout/LayoutValue.h"

// Deepest nesting of objects and collections a layout may use.
inline constexpr int kMaxLayoutDepth = 64;

// Parses a whole layout: exactly one root object, optionally surrounded by blanks and comments.
// layoutName is only used in messages.
TLayoutObject ParseLayout(std::string_view text, const std::string& layoutName);

// The message format every layout error uses: Layout "NAME", line N: WHAT
std::string LayoutErrorMessage(const std::string& layoutName, int line, const std::string& what);
