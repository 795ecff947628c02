#pragma once

#include <string_view>

namespace vb {

// Whether a clicked link may go to the desktop's handler: web, ftp and mail addresses only. The
// bar never opens files, and script addresses never run.
bool OpensOutside(std::string_view uri);

}  // namespace vb
