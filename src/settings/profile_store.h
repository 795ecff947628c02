#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vb {

// Key changes that reach the file together, in the order they were added.
class ProfileChanges {
 public:
  ProfileChanges& Set(std::string_view section, std::string_view key, std::string_view value);
  ProfileChanges& Remove(std::string_view section, std::string_view key);

 private:
  friend class ProfileStore;
  struct Change {
    std::string section;
    std::string key;
    std::optional<std::string> value;  // none removes the key
  };
  std::vector<Change> changes_;
};

// An INI file with the semantics of the Windows private-profile functions: names match without
// regard to case, a missing file, section or key gives the caller's default, values are trimmed
// of blanks and of one pair of quotes and cut to the caller's read limit. Values are opaque bytes
// (code page 936). The store keeps the file parsed and reads it again only when its size or time
// changes (another writer, an import). A write of several keys is one replace of the whole file
// through a temporary file, so a crash leaves either the old or the new file, never a part of a
// change.
class ProfileStore {
 public:
  // Replaces the file at `path` with `bytes`, or returns false leaving it as it was.
  using FileWriter = std::function<bool(const std::string& path, std::string_view bytes)>;

  explicit ProfileStore(std::string path, FileWriter writer = {});
  ~ProfileStore();
  ProfileStore(const ProfileStore& other);
  ProfileStore& operator=(const ProfileStore& other);

  const std::string& path() const { return path_; }

  std::string Read(std::string_view section, std::string_view key, std::string_view fallback,
                   std::size_t limit) const;

  // False when the file could not be written; it is then as it was before.
  bool Write(const ProfileChanges& changes) const;
  // One key; a null value removes it.
  bool Write(std::string_view section, std::string_view key,
             std::optional<std::string_view> value) const;

 private:
  struct Parsed;
  // The file as it is now, parsed; null when it cannot be read (missing, unreadable, or too
  // large for memory).
  const Parsed* Current() const;

  std::string path_;
  FileWriter writer_;
  mutable std::unique_ptr<Parsed> parsed_;
};

}  // namespace vb
