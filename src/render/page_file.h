#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace vb {

// The page being written. Every LF is stored as CR LF, the same bytes on every platform. Writes
// are gathered and handed to the file in large blocks; any failure is remembered and reported by
// Close.
class PageFile {
 public:
  PageFile() = default;
  PageFile(const PageFile&) = delete;
  PageFile& operator=(const PageFile&) = delete;
  ~PageFile() { Close(); }

  // Creates or truncates the file; false when it cannot be opened.
  bool Open(const std::string& path);
  void Write(std::string_view text);
  // True when the file was open and every byte reached it.
  bool Close();

 private:
  void Flush();

  std::FILE* file_ = nullptr;
  std::string pending_;
  bool failed_ = false;
};

}  // namespace vb
