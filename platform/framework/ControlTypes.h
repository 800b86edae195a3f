// The small value types that controls, forms and their events share: mouse buttons, the shift
// state, key codes, alignment, cursors, modal results and the event signatures.
//
// Events are public std::function members named like the program's events (OnClick,
// OnMouseDown, ...); the first argument is always the component that fires the event.
#pragma once

#include <cstdint>
#include <functional>

class TComponent;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// A set of TShiftStateBits: (shift & ssCtrl) != 0.
enum TShiftStateBits : unsigned {
  ssShift = 0x01,
  ssAlt = 0x02,
  ssCtrl = 0x04,
  ssLeft = 0x08,
  ssRight = 0x10,
  ssMiddle = 0x20,
  ssDouble = 0x40,
};
using TShiftState = unsigned;

// Virtual key codes as the classic desktop numbers them; letters and digits are their upper-case
// ASCII codes ('A', '0').
using TKey = std::uint16_t;
inline constexpr TKey VK_BACK = 0x08;
inline constexpr TKey VK_TAB = 0x09;
inline constexpr TKey VK_RETURN = 0x0D;
inline constexpr TKey VK_SHIFT = 0x10;
inline constexpr TKey VK_CONTROL = 0x11;
inline constexpr TKey VK_MENU = 0x12;  // Alt
inline constexpr TKey VK_PAUSE = 0x13;
inline constexpr TKey VK_CAPITAL = 0x14;
inline constexpr TKey VK_ESCAPE = 0x1B;
inline constexpr TKey VK_SPACE = 0x20;
inline constexpr TKey VK_PRIOR = 0x21;
inline constexpr TKey VK_NEXT = 0x22;
inline constexpr TKey VK_END = 0x23;
inline constexpr TKey VK_HOME = 0x24;
inline constexpr TKey VK_LEFT = 0x25;
inline constexpr TKey VK_UP = 0x26;
inline constexpr TKey VK_RIGHT = 0x27;
inline constexpr TKey VK_DOWN = 0x28;
inline constexpr TKey VK_INSERT = 0x2D;
inline constexpr TKey VK_DELETE = 0x2E;
inline constexpr TKey VK_F1 = 0x70;  // VK_F1 + n - 1 is Fn, up to F24
inline constexpr TKey VK_APPS = 0x5D;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Horizontal alignment of a caption or a paragraph (labels, panels, status panels, rich text).
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A set of TAnchorKind bits. Only the default [akLeft, akTop] has an effect on layout; the
// others are kept so that layouts may name them.
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

// Mouse cursors, numbered as the classic library numbers them.
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;

// Behaviour switches of a control class (a set of TControlStyleBits).
enum TControlStyleBits : unsigned {
  csCaptureMouse = 0x01,  // mouse moves keep coming while a button is held, wherever they go
  csClickEvents = 0x02,   // a press and release inside fires Click
  csDoubleClicks = 0x04,  // a second press in time fires DblClick (else it is a plain press)
  csOpaque = 0x08,        // Paint covers the whole area: the background is not filled first
  csAcceptsControls = 0x10,
  csReplicatable = 0x20,
};
using TControlStyle = unsigned;

using TNotifyEvent = std::function<void(TComponent* sender)>;
using TMouseEvent =
    std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;
// The handler may change key, or set it to 0 to stop the control from acting on it.
using TKeyEvent = std::function<void(TComponent* sender, TKey& key, TShiftState shift)>;
// One typed character (a Unicode code point); set it to 0 to swallow it.
using TKeyPressEvent = std::function<void(TComponent* sender, char32_t& key)>;
