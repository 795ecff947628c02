#include "platform/win32/app_data_folder.h"

#include <windows.h>
// The other system headers build on windows.h.
#include <shlobj.h>

#include "platform/win32/code_page.h"

namespace vb::win32 {
namespace {

std::wstring ShortName(const std::wstring& path) {
  const DWORD needed = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (needed == 0) return {};
  std::wstring shortPath(needed, L'\0');
  const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), needed);
  if (length == 0 || length >= needed) return {};
  shortPath.resize(length);
  return shortPath;
}

}  // namespace

std::string AppDataFolder() {
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer))) {
    return {};
  }
  std::wstring folder = buffer;
  if (!RoundTripsThrough936(folder)) {
    const std::wstring shortFolder = ShortName(folder);
    if (!shortFolder.empty() && RoundTripsThrough936(shortFolder)) folder = shortFolder;
  }
  return NarrowTo936(folder);
}

}  // namespace vb::win32
