// The core's code page 936 conversions over the system's tables: the MinGW runtime has no iconv.
#include "settings/text_936.h"

#include <windows.h>

#include "platform/win32/code_page.h"

namespace vb {

// Invalid bytes become U+FFFD on the way in and the default character '?' on the way out.
std::string Utf8From936(std::string_view text) {
  return win32::NarrowTo(CP_UTF8, win32::WideFrom936(text));
}

std::string Utf8To936(std::string_view text) {
  return win32::NarrowTo936(win32::WideFrom(CP_UTF8, text));
}

}  // namespace vb
