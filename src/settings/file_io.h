#pragma once

#include <cstdio>
#include <string>

namespace vb {

// Files named by paths in the program's code page (936) on every system. On Windows the narrow
// C library calls would read a name in the system's ANSI code page instead, which garbles
// Chinese names wherever that is not 936.
std::FILE* OpenFile(const std::string& path, const char* mode);

// Deletes a file; false when there was nothing to delete or it could not be deleted.
bool RemoveFile(const std::string& path);

}  // namespace vb
