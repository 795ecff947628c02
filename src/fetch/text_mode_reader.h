#pragma once

#include <fstream>
#include <string>

#include "settings/file_io.h"

namespace vb {

// Reads a file the way a text-mode C stream does on Windows, CR LF as LF and a 0x1A byte as the
// end of the file, so that counted cuts fall at the same byte on every platform.
class TextModeReader {
 public:
  explicit TextModeReader(const std::string& path) : in_(FilePath(path), std::ios::binary) {}

  bool is_open() const { return in_.is_open(); }

  // Up to `count` characters; fewer at the end of the file.
  std::string Read(std::size_t count);

 private:
  static constexpr char kEndOfText = '\x1A';
  std::ifstream in_;
  bool ended_ = false;
};

}  // namespace vb
