#pragma once

#include <string>

namespace vb {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The names of every file the program keeps, all beside each other in the application-data
// folder.
struct DataPaths {
  std::string dataBase;      // folder + separator + "velloband"
  std::string settingsFile;  // dataBase + ".ini"
  std::string noteFile;      // dataBase + "_note"
  std::string pageFile;      // dataBase + ".html"

  // The downloaded file of channel slot k (0 to 9).
  std::string ChannelFile(int k) const { return dataBase + std::to_string(k); }
};

// Builds the paths under `appDataFolder` and creates that folder when it is missing, so that
// writes are not lost.
DataPaths BuildDataPaths(const std::string& appDataFolder);

// Removes what an earlier run's unfinished writes and downloads left beside the data files: the
// temporary files of those files, and nothing else in the folder.
void RemoveLeftoverTemporaries(const DataPaths& paths);

// $XDG_CONFIG_HOME, or $HOME/.config when that is unset or empty.
std::string XdgConfigHome();

}  // namespace vb
