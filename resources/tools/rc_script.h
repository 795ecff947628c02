#pragma once

#include <string>

namespace vb::res {

// The file name under which the .rc expects icon `iconId` beside itself.
std::string IconFileName(int iconId);

// A complete Windows resource script (UTF-8, code page 65001) for the menu, the dialogs and the
// icons.
std::string RcScript();

}  // namespace vb::res
