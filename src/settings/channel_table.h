#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/data_paths.h"
#include "settings/profile_store.h"
#include "settings/setting_limits.h"

namespace vb {

inline constexpr int kMaxChannels = limits::kMaxChannels;
inline constexpr std::size_t kUrlLimit = 259;
inline constexpr std::size_t kNameLimit = 50;
inline constexpr std::size_t kCodePageLimit = 5;

struct ChannelEntry {
  std::string url;       // as typed, option suffix included
  std::string name;      // display name, may be empty
  std::string codePage;  // decimal code page, may be empty
};

struct ChannelTable {
  int count = 0;    // 0 to 10
  int current = 0;  // -1 only after the last channel was deleted
  std::array<ChannelEntry, kMaxChannels> entries;

  // The entry at `current`, or nullptr when none is current.
  const ChannelEntry* Current() const;
};

// What a download worker is handed: the local file and the address to fetch into it.
struct DownloadTarget {
  std::string path;
  std::string url;
};

// Everything the channel operations work on.
struct ChannelStore {
  const ProfileStore& profile;
  const DataPaths& paths;
  ChannelTable& table;
  DownloadTarget& currentChannel;  // the current channel's file and address
};

// Whether a typed address may become a channel: one that starts like http:// or file://.
bool IsChannelAddress(std::string_view url);

// Fills entries 0 to count - 1 from the [URL] and [CodePage] keys; count and current were read
// by LoadSettings.
void LoadChannelTable(const ProfileStore& store, ChannelTable& table);

// Points currentChannel at the current slot's file and copies its address.
void MakeChannelCurrent(ChannelStore& store);

struct ChannelEdit {
  std::optional<int> index;            // the entry updated or added; empty when refused
  bool rotationStepRequested = false;  // the caller runs a RotationStep at once
  bool saved = true;                   // false when the settings file could not be written
};

// The dialog's add button: updates the first entry whose address (without its option suffix)
// begins the typed address, or adds a new entry.
ChannelEdit AddOrUpdateChannel(ChannelStore& store, std::string_view url, std::string_view name,
                               std::string_view codePage);

// The dialog's delete button for list row `selected` (-1 when nothing is selected); the index is
// empty when nothing was deleted.
ChannelEdit DeleteChannel(ChannelStore& store, int selected);

}  // namespace vb
