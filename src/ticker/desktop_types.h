#pragma once

#include <cstdint>

// The values that cross the desktop port, in the bar's own terms; each desktop maps its
// system's events and constants onto them.
namespace vb {

// Colours as 0x00BBGGRR: blue in the third byte, red in the lowest.
using Colour = std::uint32_t;

// The pointer buttons the tray icon reports.
enum class PointerButton : char { kPrimary, kSecondary };

// How an icon control on the bar was pressed.
enum class IconPress : char { kClick, kDoubleClick };

// What the shell tells a docked bar: the strips moved (the screen may have changed too), the
// taskbar's always-on-top state changed, or a full-screen window opened or closed.
enum class AppBarNotice : char {
  kPositionChanged,
  kTaskbarStateChanged,
  kFullScreenOpened,
  kFullScreenClosed
};

// How a layered bar lets the desktop show through: one colour fully transparent, or the whole
// bar at one opacity (0 to 255).
struct Transparency {
  enum class Kind : char { kColourKey, kOpacity };
  Kind kind = Kind::kOpacity;
  Colour colourKey = 0;
  int opacity = 255;

  static Transparency ColourKey(Colour colour) { return {Kind::kColourKey, colour, 255}; }
  static Transparency Opacity(int opacity) { return {Kind::kOpacity, 0, opacity}; }
};

// The user's answer to a question.
enum class Answer : char { kOk, kCancel };

// Any top-level or child window of any process, as the desktop names it; 0 is none. The ticker
// only compares and passes these back.
using WindowRef = std::uintptr_t;

struct Point {
  int x = 0;
  int y = 0;
};

struct Size {
  int width = 0;
  int height = 0;
};

// A screen rectangle: left and top inclusive, right and bottom exclusive.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The rectangle the shell reserves for the docked bar. While the bar floats, left and top hold
// its position and right and bottom mean nothing.
using AppBarStrip = Rect;

// How the bar's icon controls are painted: background (the brush has the same colour) and text.
struct IconColours {
  Colour background = 0;
  Colour text = 0;
};

}  // namespace vb
