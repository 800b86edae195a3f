// Synthesized input for tests that drive controls without touching the window system's API:
// mouse and key events go through the same path real input takes (mouse capture, enter and
// leave, double clicks, the focused control), on shown windows. Positions are in the given
// control's client coordinates.
#pragma once

#include <string>

#include "platform/framework/Control.h"

namespace TestInput {

// Moves the mouse over control to pos (buttons: ssLeft / ssRight / ssMiddle still held).
void MouseMove(TControl* control, TPoint pos, TShiftState held = 0);
void MouseDown(TControl* control, TMouseButton button, TPoint pos, TShiftState modifiers = 0);
void MouseUp(TControl* control, TMouseButton button, TPoint pos, TShiftState modifiers = 0);
// Press and release at pos.
void Click(TControl* control, TPoint pos, TMouseButton button = mbLeft);
// Two clicks close enough in time and place to make a double click.
void DoubleClick(TControl* control, TPoint pos);

// A key typed into the window of control, delivered to the window's focused control: key is a
// virtual key code (VK_RETURN, 'A', ...); text is what the key types ("" for none).
void KeyDown(TWinControl* window, TKey key, const std::string& text = "", TShiftState shift = 0);
void KeyUp(TWinControl* window, TKey key, TShiftState shift = 0);
// KeyDown then KeyUp.
void Key(TWinControl* window, TKey key, const std::string& text = "", TShiftState shift = 0);
// Types UTF-8 text one character at a time.
void Type(TWinControl* window, const std::string& text);

// Handles pending events (paints, timers that are due), waiting up to ms for more.
void ProcessEvents(int ms = 0);

}  // namespace TestInput
