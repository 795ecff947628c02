#pragma once

#include <fstream>
#include <string>

#include "settings/file_io.h"

namespace vb {

// Reads a file the way a text-mode C stream does on Windows, CR LF as LF, so that counted cuts
// fall at the same byte on every platform.
class TextModeReader {
 public:
  explicit TextModeReader(const std::string& path) : in_(FilePath(path), std::ios::binary) {}

  bool is_open() const { return in_.is_open(); }

  // Up to `count` characters; fewer at the end of the file.
  std::string Read(std::size_t count);

 private:
  std::ifstream in_;
};

}  // namespace vb
