#include "settings/profile_store.h"

#include <new>
#include <unordered_map>
#include <utility>
#include <vector>

#include "settings/atomic_file.h"
#include "settings/file_io.h"

namespace vb {
namespace {

// The blanks trimmed from the ends of a key or a value.
bool IsIniSpace(char c) {
  return c == ' ' || c == '\t' || c == '\v';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsIniSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsIniSpace(text.back())) text.remove_suffix(1);
  return text;
}

char FoldAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The name as names are matched: ASCII letters in one case; the trail byte of a double-byte
// character stays as it is, so two different characters never match.
std::string Folded(std::string_view name) {
  std::string folded(name);
  for (std::size_t i = 0; i < folded.size(); ++i) {
    if (static_cast<unsigned char>(folded[i]) >= 0x81 && i + 1 < folded.size()) {
      ++i;
    } else {
      folded[i] = FoldAscii(folded[i]);
    }
  }
  return folded;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::size_t stop = end;
    if (stop > start && bytes[stop - 1] == '\r') --stop;
    lines.emplace_back(bytes, start, stop - start);
    start = end + 1;
  }
  return lines;
}

// The name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  return Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
}

std::optional<std::string_view> KeyName(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(0, equals));
}

// Lines [header, end) of a section: the header line, its keys, up to the next header.
struct SectionSpan {
  std::size_t header;
  std::size_t end;
};

}  // namespace

// The file's lines with the first section of each name and, within it, the first line of each
// key, which are the ones that reads and writes address.
struct ProfileStore::Parsed {
  struct Section {
    SectionSpan span;
    std::unordered_map<std::string, std::size_t> keys;
  };

  explicit Parsed(std::vector<std::string> fileLines) : lines(std::move(fileLines)) { Index(); }

  void Index() {
    sections.clear();
    Section* section = nullptr;  // the one being read, when it is the first of its name
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (const auto name = SectionName(lines[i])) {
        if (section != nullptr) section->span.end = i;
        const auto [entry, first] = sections.try_emplace(Folded(*name), Section{{i, i + 1}, {}});
        section = first ? &entry->second : nullptr;
      } else if (section != nullptr) {
        if (const auto key = KeyName(lines[i])) section->keys.try_emplace(Folded(*key), i);
      }
    }
    if (section != nullptr) section->span.end = lines.size();
  }

  const Section* Find(std::string_view section) const {
    const auto found = sections.find(Folded(section));
    return found == sections.end() ? nullptr : &found->second;
  }

  std::optional<std::size_t> FindKey(const Section& section, std::string_view key) const {
    const auto found = section.keys.find(Folded(key));
    if (found == section.keys.end()) return std::nullopt;
    return found->second;
  }

  // False when the change leaves the lines as they are: a removal of what is not there.
  bool Apply(const ProfileChanges::Change& change) {
    const bool set = change.value.has_value();
    // A line break would end the value and let the rest become keys of their own.
    const std::string value =
        set ? change.value->substr(0, change.value->find_first_of("\r\n")) : "";
    const std::string entry = change.key + "=" + value;

    const Section* found = Find(change.section);
    if (found == nullptr) {
      if (!set) return false;
      lines.push_back("[" + change.section + "]");
      lines.push_back(entry);
    } else if (const auto line = FindKey(*found, change.key)) {
      if (set) {
        // The file's own spelling of the key stays, as with the profile functions.
        lines[*line] = std::string(*KeyName(lines[*line])) + "=" + value;
        return true;  // no line moved
      }
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*line));
    } else {
      if (!set) return false;
      // New keys go after the section's last non-empty line, before any blank separator.
      const SectionSpan span = found->span;
      std::size_t at = span.end;
      while (at > span.header + 1 && Trim(lines[at - 1]).empty()) --at;
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
    }
    Index();
    return true;
  }

  std::vector<std::string> lines;
  std::unordered_map<std::string, Section> sections;
  // What the file looked like when it was read; a file without them is read again each time.
  std::optional<std::pair<std::filesystem::file_time_type, std::uintmax_t>> stamp;
};

namespace {

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

ProfileChanges& ProfileChanges::Set(std::string_view section, std::string_view key,
                                    std::string_view value) {
  changes_.push_back({std::string(section), std::string(key), std::string(value)});
  return *this;
}

ProfileChanges& ProfileChanges::Remove(std::string_view section, std::string_view key) {
  changes_.push_back({std::string(section), std::string(key), std::nullopt});
  return *this;
}

ProfileStore::ProfileStore(std::string path, FileWriter writer)
    : path_(std::move(path)), writer_(writer ? std::move(writer) : WriteFileAtomically) {}
ProfileStore::~ProfileStore() = default;
ProfileStore::ProfileStore(const ProfileStore& other)
    : path_(other.path_), writer_(other.writer_) {}
ProfileStore& ProfileStore::operator=(const ProfileStore& other) {
  path_ = other.path_;
  writer_ = other.writer_;
  parsed_.reset();
  return *this;
}

namespace {

std::optional<std::pair<std::filesystem::file_time_type, std::uintmax_t>> StampOf(
    const std::string& path) {
  std::error_code timeError, sizeError;
  const std::filesystem::path file = FilePath(path);
  const auto time = std::filesystem::last_write_time(file, timeError);
  const auto size = std::filesystem::file_size(file, sizeError);
  if (timeError || sizeError) return std::nullopt;
  return std::pair(time, size);
}

}  // namespace

const ProfileStore::Parsed* ProfileStore::Current() const {
  const auto stamp = StampOf(path_);
  if (stamp && parsed_ && parsed_->stamp == stamp) return parsed_.get();
  parsed_.reset();
  try {
    std::string bytes;
    if (!ReadWholeFile(path_, bytes)) return nullptr;
    parsed_ = std::make_unique<Parsed>(SplitLines(bytes));
  } catch (const std::bad_alloc&) {
    return nullptr;  // a file too large to hold is one that cannot be read
  }
  parsed_->stamp = stamp;
  return parsed_.get();
}

std::string ProfileStore::Read(std::string_view section, std::string_view key,
                               std::string_view fallback, std::size_t limit) const {
  if (const Parsed* parsed = Current()) {
    if (const Parsed::Section* found = parsed->Find(section)) {
      if (const auto line = parsed->FindKey(*found, key)) {
        const std::string_view text = parsed->lines[*line];
        return std::string(Unquote(Trim(text.substr(text.find('=') + 1))).substr(0, limit));
      }
    }
  }
  return std::string(fallback.substr(0, limit));
}

bool ProfileStore::Write(std::string_view section, std::string_view key,
                         std::optional<std::string_view> value) const {
  ProfileChanges change;
  if (value) {
    change.Set(section, key, *value);
  } else {
    change.Remove(section, key);
  }
  return Write(change);
}

bool ProfileStore::Write(const ProfileChanges& changes) const {
  const Parsed* current = Current();
  // A file that is there but cannot be read must not be replaced by one holding a few keys.
  std::error_code ignored;
  if (current == nullptr && std::filesystem::exists(FilePath(path_), ignored)) return false;
  try {
    auto edited = std::make_unique<Parsed>(current ? current->lines : std::vector<std::string>());
    bool changed = false;
    for (const auto& change : changes.changes_) changed = edited->Apply(change) || changed;
    if (!changed) return true;

    std::string out;
    for (const auto& line : edited->lines) out += line + "\r\n";
    parsed_.reset();
    if (!writer_(path_, out)) return false;
    // What was written is what the next read finds, unless another writer comes between.
    edited->stamp = StampOf(path_);
    parsed_ = std::move(edited);
    return true;
  } catch (const std::bad_alloc&) {
    parsed_.reset();
    return false;
  }
}

}  // namespace vb
