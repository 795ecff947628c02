#include "settings/data_paths.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "settings/atomic_file.h"
#include "settings/channel_table.h"
#include "settings/file_io.h"

namespace vb {
namespace {

std::string Utf8Name(const std::filesystem::path& path) {
  const std::u8string name = path.filename().u8string();
  return std::string(name.begin(), name.end());
}

}  // namespace

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

void RemoveLeftoverTemporaries(const DataPaths& paths) {
  try {
    std::vector<std::string> targets;
    for (const std::string* file : {&paths.settingsFile, &paths.noteFile, &paths.pageFile}) {
      targets.push_back(Utf8Name(FilePath(*file)));
    }
    for (int k = 0; k < kMaxChannels; ++k) {
      targets.push_back(Utf8Name(FilePath(paths.ChannelFile(k))));
    }
    std::error_code error;
    const std::filesystem::path folder = FilePath(paths.dataBase).parent_path();
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
      const std::string name = Utf8Name(it->path());
      for (const std::string& target : targets) {
        std::error_code ignored;
        if (IsTemporaryNameFor(name, target)) std::filesystem::remove(it->path(), ignored);
      }
    }
  } catch (...) {
    // A name the system cannot spell in UTF-8 is none of ours; what was not reached stays.
  }
}

std::string XdgConfigHome() {
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  if (configHome != nullptr && configHome[0] == '/') return configHome;
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : ".") + "/.config";
}

}  // namespace vb
