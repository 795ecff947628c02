#include "settings/file_io.h"

#include "settings/text_936.h"
#include "settings/text_shape.h"

namespace vb {
namespace {

#ifndef _WIN32
// Paths that are already UTF-8 (the data folder, which comes from the environment, and any
// ASCII path) stay as they are; others are read as GBK.
std::string Utf8FromGbk(const std::string& path) {
  return IsUtf8(path) ? path : Utf8From936(path);
}
#endif

}  // namespace

std::filesystem::path FilePath(const std::string& path) {
#ifdef _WIN32
  // std::filesystem converts with the C library's character locale, which the program sets to
  // code page 936 at start.
  return std::filesystem::path(path);
#else
  return std::filesystem::path(Utf8FromGbk(path));
#endif
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
#ifdef _WIN32
  std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(FilePath(path).c_str(), wideMode.c_str());
#else
  return std::fopen(FilePath(path).c_str(), mode);
#endif
}

bool RemoveFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::remove(FilePath(path), error);
}

bool AppendReadAsText(std::string& text, std::string_view block) {
  bool ended = false;
  for (const char last : {'\x1A', '\0'}) {
    const std::size_t at = block.find(last);
    if (at == std::string_view::npos) continue;
    block = block.substr(0, at);
    ended = true;
  }
  if (block.starts_with('\n') && text.ends_with('\r')) text.pop_back();
  for (std::size_t cr = block.find('\r'); cr != std::string_view::npos; cr = block.find('\r')) {
    const bool pair = cr + 1 < block.size() && block[cr + 1] == '\n';
    text.append(block.data(), cr);
    text += pair ? '\n' : '\r';
    block.remove_prefix(cr + (pair ? 2 : 1));
  }
  text += block;
  return !ended;
}

}  // namespace vb
