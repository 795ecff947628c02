#include "platform/win32/registry_autostart.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace vb::win32 {
namespace {

constexpr const wchar_t* kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const wchar_t* kValueName = L"Velloband";

std::wstring RunningExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

}  // namespace

bool RunKeyAutostart::Set(bool on) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const std::wstring executable = on ? RunningExecutablePath() : std::wstring();
  // A quote could not be quoted in the command, and a control character has no place in one.
  const bool holdable = !executable.empty() &&
                        std::none_of(executable.begin(), executable.end(),
                                     [](wchar_t c) { return c < 0x20 || c == 0x7F || c == L'"'; });
  bool done = false;
  if (on && holdable) {
    // Quoted, so that a folder with blanks cannot be read as a shorter program path.
    const std::wstring command = L"\"" + executable + L"\"";
    done =
        RegSetValueExW(key, kValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  } else {
    const LONG removed = RegDeleteValueW(key, kValueName);
    done = !on && (removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND);
  }
  RegCloseKey(key);
  return done;
}

}  // namespace vb::win32
