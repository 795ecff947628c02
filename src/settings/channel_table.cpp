#include "settings/channel_table.h"

#include <cstdio>

#include "settings/decimal_text.h"
#include "settings/file_io.h"

namespace vb {
namespace {

std::string UrlKey(int k) {
  return std::to_string(k);
}
std::string NameKey(int k) {
  return std::to_string(-(k + 1));
}

// The entry's address without its option suffix begins the typed one.
bool Matches(const ChannelEntry& entry, std::string_view typed) {
  const std::size_t suffix = entry.url.find(" vbco");
  const std::size_t length = suffix == std::string::npos ? entry.url.size() : suffix;
  return typed.size() >= length && typed.compare(0, length, entry.url, 0, length) == 0;
}

}  // namespace

bool IsChannelAddress(std::string_view url) {
  if (url.empty()) return false;
  const char first = url.front();
  return first == 'h' || first == 'H' || first == 'f' || first == 'F';
}

const ChannelEntry* ChannelTable::Current() const {
  return current >= 0 && current < count ? &entries[static_cast<std::size_t>(current)] : nullptr;
}

void LoadChannelTable(const ProfileStore& store, ChannelTable& table) {
  for (int k = 0; k < table.count; ++k) {
    auto& entry = table.entries[static_cast<std::size_t>(k)];
    entry.name = store.Read("URL", NameKey(k), "", kNameLimit);
    entry.url = store.Read("URL", UrlKey(k), "", kUrlLimit);
    entry.codePage = store.Read("CodePage", UrlKey(k), "", kCodePageLimit);
  }
}

void MakeChannelCurrent(ChannelStore& store) {
  store.currentChannel.path = store.paths.ChannelFile(store.table.current);
  const ChannelEntry* entry = store.table.Current();
  store.currentChannel.url = entry != nullptr ? entry->url : std::string();
}

ChannelEdit AddOrUpdateChannel(ChannelStore& store, std::string_view typedUrl,
                               std::string_view typedName, std::string_view typedCodePage) {
  ChannelTable& table = store.table;
  const std::string url = CutBytes(typedUrl, kUrlLimit);
  const std::string name = CutBytes(typedName, kNameLimit);
  const std::string codePage = CutBytes(typedCodePage, kCodePageLimit);
  if (table.count >= kMaxChannels || !IsChannelAddress(url)) return {};

  for (int k = 0; k < table.count; ++k) {
    auto& entry = table.entries[static_cast<std::size_t>(k)];
    if (!Matches(entry, url)) continue;
    entry.name = name;
    entry.url = url;
    entry.codePage = codePage;
    ProfileChanges changes;
    changes.Set("URL", UrlKey(k), entry.url).Set("URL", NameKey(k), entry.name);
    if (!entry.codePage.empty()) changes.Set("CodePage", UrlKey(k), entry.codePage);
    return {k, false, store.profile.Write(changes)};
  }

  const int added = table.count;
  table.entries[static_cast<std::size_t>(added)] = {url, name, codePage};
  table.current = added == 0 ? 0 : added - 1;
  table.count = added + 1;
  ProfileChanges changes;
  changes.Set("URL", NameKey(added), name).Set("URL", UrlKey(added), url);
  if (!codePage.empty()) changes.Set("CodePage", UrlKey(added), codePage);
  changes.Set("FileNo", "MaxFileNo", std::to_string(table.count));
  MakeChannelCurrent(store);
  return {added, true, store.profile.Write(changes)};
}

ChannelEdit DeleteChannel(ChannelStore& store, int selected) {
  ChannelTable& table = store.table;
  if (table.count == 0 || selected < 0 || selected >= table.count) return {};

  ProfileChanges changes;
  for (int i = selected; i < table.count - 1; ++i) {
    auto& to = table.entries[static_cast<std::size_t>(i)];
    const auto& from = table.entries[static_cast<std::size_t>(i + 1)];
    to = from;
    changes.Set("URL", NameKey(i), to.name).Set("URL", UrlKey(i), to.url);
    if (!to.codePage.empty()) changes.Set("CodePage", UrlKey(i), to.codePage);
  }
  const int last = table.count - 1;
  changes.Remove("URL", NameKey(last)).Remove("URL", UrlKey(last)).Remove("CodePage", UrlKey(last));
  table.count = last;
  changes.Set("FileNo", "MaxFileNo", std::to_string(table.count));
  // The whole shift is one replace of the file: a crash never leaves half a table.
  const bool saved = store.profile.Write(changes);

  table.current = selected > 0 ? selected - 1 : table.count - 1;
  RemoveFile(store.paths.ChannelFile(table.count));
  table.entries[static_cast<std::size_t>(last)] = {};
  MakeChannelCurrent(store);
  return {selected, true, saved};
}

}  // namespace vb
