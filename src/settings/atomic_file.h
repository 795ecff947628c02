#pragma once

#include <string>
#include <string_view>

namespace vb {

// Writes `bytes` to a temporary file beside `path`, flushes it to disk and renames it over
// `path`. Either the old or the new content survives a crash. False on any failure, in which
// case `path` is untouched and no temporary file remains.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// A fresh name in the folder of `path` for a temporary file that will be renamed over it.
std::string TemporaryPathBeside(const std::string& path);

// Whether the file name `name` is one that TemporaryPathBeside gives a file named `target`.
bool IsTemporaryNameFor(std::string_view name, std::string_view target);

// Renames `from` over `to`, replacing `to` if it exists.
bool ReplaceFileWith(const std::string& from, const std::string& to);

// Reads the whole file as bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace vb
