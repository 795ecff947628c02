#include "settings/data_paths.h"

#include <cstdlib>
#include <filesystem>

namespace vb {

DataPaths BuildDataPaths(const std::string& appDataFolder) {
  // A missing folder would silently lose every write and make each start a first run.
  std::error_code ignored;
  std::filesystem::create_directories(appDataFolder, ignored);

  DataPaths paths;
  paths.dataBase = appDataFolder + kPathSeparator + "velloband";
  paths.settingsFile = paths.dataBase + ".ini";
  paths.noteFile = paths.dataBase + "_note";
  paths.pageFile = paths.dataBase + ".html";
  return paths;
}

std::string XdgConfigHome() {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  if (configHome != nullptr && configHome[0] == '/') return configHome;
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : ".") + "/.config";
}

}  // namespace vb
