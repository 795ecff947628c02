#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace vb {

// The file system's name for a path held in the program's code page (936). On Windows the
// narrow C library calls would read it in the system's ANSI code page instead; on Linux a path
// typed in a dialog arrives in 936 while the file system names files in UTF-8.
std::filesystem::path FilePath(const std::string& path);

std::FILE* OpenFile(const std::string& path, const char* mode);

// Appends `block` as a text-mode read delivers it: each CR LF becomes LF, and the data ends at
// the first 0x1A or NUL. A CR that ends one block pairs with an LF that starts the next. False
// once the data has ended.
bool AppendReadAsText(std::string& text, std::string_view block);

// Deletes a file; false when there was nothing to delete or it could not be deleted.
bool RemoveFile(const std::string& path);

}  // namespace vb
