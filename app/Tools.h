// The three tools of the tools menu: the desktop's own on-screen keyboard, calculator and
// character map. Each is the first program of a short list of well-known ones that is found
// on PATH (never in the current folder), started as a separate process that the editor does
// not wait for. When none is installed nothing happens and nothing is reported.
#pragma once

#include <string>
#include <vector>

enum class TTool { tlKeyboard, tlCalculator, tlCharacterMap };

// The programs tried for a tool, in order.
const std::vector<std::string>& ToolPrograms(TTool tool);
// The full path of the first of the tool's programs found on PATH, or "".
std::string FindTool(TTool tool);
// Starts the tool; false when none of its programs is installed or it could not start.
bool StartTool(TTool tool);
