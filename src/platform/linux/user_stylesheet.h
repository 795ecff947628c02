#pragma once

#include <string>
#include <string_view>

namespace vb {

// What the page's own style asks for in a form that WebKit drops: a background colour without
// '#' in the `background:` shorthand and a font size without a unit.
struct PageLook {
  std::string_view bgColor;            // six hex digits or a colour name
  std::string_view bkPic;              // path or address in code page 936, may be empty
  std::string_view tFont;              // font size in pixels, as text
  bool transparentBackground = false;  // the colour-key mode: the body lets the desktop through
};

// A user stylesheet (UTF-8) that restores those declarations. Values that could break out of
// their declaration are left out rather than passed on.
std::string BuildUserStylesheet(const PageLook& look);

// The colour as CSS accepts it ("#" added to hex digits), or empty when it is not a colour.
std::string CssColor(std::string_view color);

}  // namespace vb
