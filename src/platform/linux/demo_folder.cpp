#include "platform/linux/demo_folder.h"

#include <glib.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "settings/data_paths.h"
#include "settings/profile_store.h"
#include "settings/text_936.h"

namespace vb {
namespace {

struct DemoChannel {
  std::string_view file;
  std::string_view name;    // UTF-8
  std::string_view suffix;  // per-channel options
};

constexpr DemoChannel kDemoChannels[] = {
    {"city-news.xml", "城南快讯", ""},
    {"campus-tech.xml", "Campus Tech", " vbco;cs=3;"},
    {"river-almanac.rdf", "River Almanac", " vbco;cd=up;cs=1;ct=60;ccn=2;"},
    {"weekend-sports.xml", "周末体育", " vbco;cd=right;cnd=1;"},
    {"reading-room.atom", "Reading Room", " vbco;cd=up;cs=1;ct=50;ccn=1;"},
};

bool IsFolderWithFeeds(const std::filesystem::path& folder) {
  std::error_code error;
  return std::filesystem::is_regular_file(folder / kDemoChannels[0].file, error);
}

std::string FileAddress(const std::filesystem::path& file) {
  gchar* uri = g_filename_to_uri(file.c_str(), nullptr, nullptr);
  std::string address = uri != nullptr ? uri : "";
  g_free(uri);
  return address;
}

}  // namespace

std::string FindDemoFeeds(const std::string& executablePath, const std::string& sourceFeeds) {
  std::filesystem::path installed =
      std::filesystem::path(executablePath).parent_path().parent_path() / "share" / "velloband" /
      "demo";
  if (IsFolderWithFeeds(installed)) return installed.string();
  if (!sourceFeeds.empty() && IsFolderWithFeeds(sourceFeeds)) return sourceFeeds;
  return {};
}

std::string DemoDataFolder() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  if (cache != nullptr && cache[0] == '/') return std::string(cache) + "/velloband-demo";
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.cache/velloband-demo";
}

bool PrepareDemoFolder(const std::string& dataFolder, const std::string& feedFolder) {
  if (feedFolder.empty()) return false;
  DataPaths paths = BuildDataPaths(dataFolder);
  std::error_code error;
  bool firstUse = !std::filesystem::exists(paths.settingsFile, error);
  ProfileChanges changes;
  if (firstUse) {
    // Docked at the top, no autostart, and a quicker rotation to show several channels.
    changes.Set("Window", "Fixed", "1").Set("Window", "AutoLoad", "0");
    changes.Set("Timer", "DefTimer", "20").Set("Format", "ColNum", "2");
  }
  constexpr int kCount = static_cast<int>(std::size(kDemoChannels));
  changes.Set("FileNo", "MaxFileNo", std::to_string(kCount));
  for (int k = 0; k < kCount; ++k) {
    const DemoChannel& channel = kDemoChannels[k];
    const std::filesystem::path feed = std::filesystem::path(feedFolder) / channel.file;
    changes.Set("URL", std::to_string(-(k + 1)), Utf8To936(channel.name));
    changes.Set("URL", std::to_string(k), FileAddress(feed) + std::string(channel.suffix));
  }
  if (!ProfileStore(paths.settingsFile).Write(changes)) return false;
  for (int k = 0; k < kCount; ++k) {
    if (!std::filesystem::exists(paths.ChannelFile(k), error)) {
      std::filesystem::copy_file(std::filesystem::path(feedFolder) / kDemoChannels[k].file,
                                 paths.ChannelFile(k), error);
    }
  }
  return true;
}

}  // namespace vb
