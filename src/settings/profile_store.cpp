#include "settings/profile_store.h"

#include <new>
#include <unordered_map>
#include <utility>
#include <vector>

#include "settings/atomic_file.h"
#include "settings/file_io.h"

namespace vb {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
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

  explicit Parsed(const std::string& bytes) : lines(SplitLines(bytes)) {
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

ProfileStore::ProfileStore(std::string path) : path_(std::move(path)) {}
ProfileStore::~ProfileStore() = default;
ProfileStore::ProfileStore(const ProfileStore& other) : path_(other.path_) {}
ProfileStore& ProfileStore::operator=(const ProfileStore& other) {
  path_ = other.path_;
  parsed_.reset();
  return *this;
}

const ProfileStore::Parsed* ProfileStore::Current() const {
  std::error_code timeError, sizeError;
  const std::filesystem::path file = FilePath(path_);
  const auto time = std::filesystem::last_write_time(file, timeError);
  const auto size = std::filesystem::file_size(file, sizeError);
  const bool stamped = !timeError && !sizeError;
  if (stamped && parsed_ && parsed_->stamp == std::pair(time, size)) return parsed_.get();
  parsed_.reset();
  try {
    std::string bytes;
    if (!ReadWholeFile(path_, bytes)) return nullptr;
    parsed_ = std::make_unique<Parsed>(bytes);
  } catch (const std::bad_alloc&) {
    return nullptr;  // a file too large to hold is one that cannot be read
  }
  if (stamped) parsed_->stamp = std::pair(time, size);
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
  const Parsed* parsed = Current();
  const bool existed = parsed != nullptr;
  // A file that is there but cannot be read must not be replaced by one holding a single key.
  std::error_code ignored;
  if (!existed && std::filesystem::exists(FilePath(path_), ignored)) return false;
  auto lines = existed ? parsed->lines : std::vector<std::string>();
  if (value) {
    // A line break would end the value and let the rest become keys of their own.
    value = value->substr(0, value->find_first_of("\r\n"));
  }
  const std::string entry = value ? std::string(key) + "=" + std::string(*value) : std::string();

  const Parsed::Section* found = existed ? parsed->Find(section) : nullptr;
  if (found == nullptr) {
    if (!value) return true;
    lines.push_back("[" + std::string(section) + "]");
    lines.push_back(entry);
  } else if (const auto line = parsed->FindKey(*found, key)) {
    if (value) {
      // The file's own spelling of the key stays, as with the profile functions.
      lines[*line] = std::string(*KeyName(lines[*line])) + "=" + std::string(*value);
    } else {
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*line));
    }
  } else {
    if (!value) return true;
    // New keys go after the section's last non-empty line, before any blank separator.
    const SectionSpan span = found->span;
    std::size_t at = span.end;
    while (at > span.header + 1 && Trim(lines[at - 1]).empty()) --at;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
  }
  if (!existed && lines.empty()) return true;

  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  parsed_.reset();  // the next use reads what was written
  return WriteFileAtomically(path_, out);
}

}  // namespace vb
