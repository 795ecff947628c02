#pragma once

#include <string>

namespace vb::win32 {

// The user's application-data folder (CSIDL_APPDATA, not created) in code page 936, or empty
// when the shell has none. A folder whose name is not plain ASCII is given by its short name
// where the volume has one, so that the narrow file functions of the portable code, which read
// names in the system's ANSI code page, open the same files as the wide ones.
std::string AppDataFolder();

}  // namespace vb::win32
