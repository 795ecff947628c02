#include "settings/autostart.h"

#include <cstdio>
#include <filesystem>

#include "settings/atomic_file.h"
#include "settings/file_io.h"

namespace vb {
namespace {

// The Exec key's quoting: inside double quotes, " ` $ and \ are escaped with a backslash, and
// the key's own string escaping doubles every backslash again; % is doubled for field codes.
std::string QuoteForExec(const std::string& path) {
  std::string quoted = "\"";
  for (char c : path) {
    if (c == '"' || c == '`' || c == '$') {
      quoted += "\\\\";
      quoted += c;
    } else if (c == '\\') {
      quoted += "\\\\\\\\";
    } else if (c == '%') {
      quoted += "%%";
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

}  // namespace

std::string XdgAutostart::EntryPath() const {
  return configHome_ + "/autostart/velloband.desktop";
}

void XdgAutostart::Set(bool on) {
  const std::string entry = EntryPath();
  if (!on) {
    RemoveFile(entry);
    return;
  }
  if (executablePath_.empty()) return;  // an entry starting nothing would only fail at login
  std::error_code ignored;
  std::filesystem::create_directories(configHome_ + "/autostart", ignored);
  WriteFileAtomically(entry,
                      "[Desktop Entry]\n"
                      "Type=Application\n"
                      "Name=Velloband\n"
                      "Comment=News ticker\n"
                      "Exec=" +
                          QuoteForExec(executablePath_) +
                          "\n"
                          "Icon=velloband\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n");
}

}  // namespace vb
