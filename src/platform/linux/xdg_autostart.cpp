#include "platform/linux/xdg_autostart.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "settings/atomic_file.h"
#include "settings/file_io.h"
#include "settings/text_shape.h"

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

bool XdgAutostart::Set(bool on) {
  const std::string entry = EntryPath();
  const bool holdable = !executablePath_.empty() && IsUtf8(executablePath_) &&
                        std::none_of(executablePath_.begin(), executablePath_.end(), [](char c) {
                          return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
                        });
  if (!on || !holdable) {
    RemoveFile(entry);
    std::error_code error;
    return !on && !std::filesystem::exists(FilePath(entry), error) && !error;
  }
  std::error_code ignored;
  std::filesystem::create_directories(configHome_ + "/autostart", ignored);
  return WriteFileAtomically(entry,
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
