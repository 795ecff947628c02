#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vb {

// An INI file read and written one key at a time, with the semantics of the Windows
// private-profile functions: names match without regard to case, a missing file, section or key
// gives the caller's default, values are trimmed of blanks and of one pair of quotes and cut to
// the caller's read limit. Values are opaque bytes (code page 936). Every write rewrites the file
// through a temporary file, so a crash leaves either the old or the new file. The file is parsed
// once and read again only when its size or time changes (another writer, an import).
class ProfileStore {
 public:
  explicit ProfileStore(std::string path);
  ~ProfileStore();
  ProfileStore(const ProfileStore& other);
  ProfileStore& operator=(const ProfileStore& other);

  const std::string& path() const { return path_; }

  std::string Read(std::string_view section, std::string_view key, std::string_view fallback,
                   std::size_t limit) const;

  // A null value removes the key. Returns false when the file could not be written.
  bool Write(std::string_view section, std::string_view key,
             std::optional<std::string_view> value) const;

 private:
  struct Parsed;
  // The file as it is now, parsed; null when it cannot be read (missing, unreadable, or too
  // large for memory).
  const Parsed* Current() const;

  std::string path_;
  mutable std::unique_ptr<Parsed> parsed_;
};

}  // namespace vb
