#include "settings/file_io.h"

#include <filesystem>

namespace vb {

std::FILE* OpenFile(const std::string& path, const char* mode) {
#ifdef _WIN32
  // std::filesystem converts with the C library's character locale, which the program sets to
  // code page 936 at start.
  std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(std::filesystem::path(path).c_str(), wideMode.c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

bool RemoveFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::remove(path, error);
}

}  // namespace vb
