// Accelerator characters of captions: "&File" underlines F and Alt+F (or F in a menu) picks it;
// "&&" stands for one "&". Captions are UTF-8, so Cyrillic accelerators ("&Файл") work too.
#pragma once

#include <string>

// The character after the accelerator mark, lower-cased; 0 when the caption has none.
char32_t AccelChar(const std::string& caption);
// True when key (any case) is the caption's accelerator.
bool IsAccel(char32_t key, const std::string& caption);
// The caption as shown without underlines: single "&" marks removed, "&&" turned into "&".
std::string StripHotkey(const std::string& caption);
// Lower case of one character (Latin and Cyrillic alike).
char32_t LowerChar(char32_t ch);
// True when both captions read the same without accelerator marks, regardless of case.
bool SameCaption(const std::string& a, const std::string& b);
