// Small rules of the editing commands that need no window: the base style a "stiltext" value
// asks for, the caret text of the status bar and the length of a text in the editor's
// positions.
#pragma once

#include <string>

#include "platform/graphics/Font.h"

// The style of the editor's base font for "stiltext": 0 regular, 1 italic, 2 bold, 3 bold
// italic. Any other value keeps current.
TFontStyles BaseStyleForIndex(int index, TFontStyles current);

// "Строка № 3    Знак № 7": line and character number, counted from 1.
std::string CaretPositionText(int line, int character);

// The number of UTF-16 code units of a UTF-8 text: how many positions it takes in the editor.
int Utf16Length(const std::string& text);
