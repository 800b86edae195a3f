// Conversions between the model's UTF-16 text and the UTF-8 strings of the platform API.
#pragma once

#include <string>
#include <string_view>

namespace rtf {

// Malformed sequences become U+FFFD; nothing else is dropped.
std::u16string Utf8ToUtf16(std::string_view utf8);
void AppendUtf8AsUtf16(std::string_view utf8, std::u16string& out);

// Unpaired surrogates become U+FFFD, so the result is always valid UTF-8.
std::string Utf16ToUtf8(std::u16string_view utf16);
void AppendUtf16AsUtf8(std::u16string_view utf16, std::string& out);

// Whether `bytes` is entirely well-formed UTF-8 (no overlongs, no surrogates, <= U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

}  // namespace rtf
