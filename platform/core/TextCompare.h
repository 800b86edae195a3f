// Names compare the classic way: without regard to ASCII case (face names, component names,
// colour names, file extensions). Letters beyond ASCII compare as they are.
#pragma once

#include <string>
#include <string_view>

// <0, 0 or >0 as a sorts before, with or after b when ASCII case is ignored.
int CompareText(std::string_view a, std::string_view b);
inline bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}
