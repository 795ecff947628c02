#pragma once

#include <string>

namespace vb {

// Opens a web address (UTF-8) in the user's browser without waiting: with the desktop's handler
// for it, else with xdg-open, else with each command of $BROWSER in turn (a "%s" in one stands
// for the address, which otherwise goes last). When none of them can, a message box that shows
// the address says so, once.
void OpenLink(const std::string& uri);

}  // namespace vb
