#pragma once

#include <string>

namespace vb::win32 {

// The user's application-data folder (CSIDL_APPDATA, not created) in code page 936, or empty
// when the shell has none. A folder whose name 936 cannot spell (a Western user name with,
// say, an Ø) is given by its short name where the volume has one, so that the program's files
// are found under a name that survives the conversion.
std::string AppDataFolder();

}  // namespace vb::win32
