#pragma once

#include <span>
#include <string_view>

// The shape of the menu and dialog resources, shared by both desktops: the Windows one writes its
// .rc from it, the Linux one builds its widgets from it. Texts are UTF-8; the
// program's code page 936 comes from Utf8To936 (settings/text_936.h).
namespace vb::res {

// Dialog units: x, y, width, height.
struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

enum class ControlKind {
  kLabel,     // static text
  kGroupBox,  // frame with a caption
  kPushButton,
  kDefaultPushButton,
  kRadioButton,  // automatic: ticking one unticks the others of its group
  kCheckBox,     // automatic
  kEdit,
  kListBox,
};

// Style flags of a control; any combination that makes sense for its kind.
enum Style : unsigned {
  kNone = 0,
  kGroupStart = 1u << 0,  // first control of a radio group, or the first after one
  kDigitsOnly = 1u << 1,  // edit accepts digits only
  kHScroll = 1u << 2,     // edit scrolls horizontally
  kMultiLine = 1u << 3,   // edit shows several lines
  kDisabled = 1u << 4,    // disabled control; a disabled label is a greyed note
  kCentered = 1u << 5,    // label text centred
  kNotify = 1u << 6,      // list box reports selection changes and double clicks
  kVScroll = 1u << 7,     // vertical scroll bar
};

struct Control {
  int id = 0;  // ids::IDC_STATIC for controls that no code addresses
  ControlKind kind = ControlKind::kLabel;
  unsigned style = kNone;
  Rect rect;
  std::string_view text;  // '\n' breaks a line
};

// A pop-up with a caption and a modal frame, no system menu, in the dialog font.
struct Dialog {
  int id = 0;
  std::string_view caption;
  int width = 0;
  int height = 0;
  int screenX = 0;  // where the dialog is moved when opened, screen pixels
  int screenY = 0;
  std::span<const Control> controls;  // in tab and grouping order
};

inline constexpr std::string_view kDialogFontName = "宋体";
inline constexpr int kDialogFontPoints = 10;

enum class MenuItemKind { kCommand, kSeparator, kPopup };

struct MenuItem {
  MenuItemKind kind = MenuItemKind::kCommand;
  std::string_view text;
  int id = 0;                       // commands only
  bool greyed = false;              // shown disabled
  std::span<const MenuItem> items;  // popups only
};

}  // namespace vb::res
