#include "settings/profile_store.h"

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

// Case-insensitive for ASCII letters only; the trail byte of a double-byte character is compared
// as it is, so two different characters never compare equal.
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto byte = static_cast<unsigned char>(a[i]);
    if (byte >= 0x81 && i + 1 < a.size()) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
      return false;
    }
  }
  return true;
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

// Lines [begin, end) of the first section with this name: begin is the header line.
struct SectionSpan {
  std::size_t header;
  std::size_t end;
};

std::optional<SectionSpan> FindSection(const std::vector<std::string>& lines,
                                       std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i]);
    if (!name || !SameName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end])) ++end;
    return SectionSpan{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<std::string>& lines, SectionSpan span,
                                   std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const auto name = KeyName(lines[i]);
    if (name && SameName(*name, key)) return i;
  }
  return std::nullopt;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

std::string ProfileStore::Read(std::string_view section, std::string_view key,
                               std::string_view fallback, std::size_t limit) const {
  std::string bytes;
  if (ReadWholeFile(path_, bytes)) {
    const auto lines = SplitLines(bytes);
    if (const auto span = FindSection(lines, section)) {
      if (const auto line = FindKey(lines, *span, key)) {
        const std::string_view text = lines[*line];
        return std::string(Unquote(Trim(text.substr(text.find('=') + 1))).substr(0, limit));
      }
    }
  }
  return std::string(fallback.substr(0, limit));
}

bool ProfileStore::Write(std::string_view section, std::string_view key,
                         std::optional<std::string_view> value) const {
  std::string bytes;
  const bool existed = ReadWholeFile(path_, bytes);
  // A file that is there but cannot be read must not be replaced by one holding a single key.
  std::error_code ignored;
  if (!existed && std::filesystem::exists(FilePath(path_), ignored)) return false;
  auto lines = SplitLines(bytes);
  if (value) {
    // A line break would end the value and let the rest become keys of their own.
    value = value->substr(0, value->find_first_of("\r\n"));
  }
  const std::string entry = value ? std::string(key) + "=" + std::string(*value) : std::string();

  const auto span = FindSection(lines, section);
  if (!span) {
    if (!value) return true;
    lines.push_back("[" + std::string(section) + "]");
    lines.push_back(entry);
  } else if (const auto line = FindKey(lines, *span, key)) {
    if (value) {
      // The file's own spelling of the key stays, as with the profile functions.
      lines[*line] = std::string(*KeyName(lines[*line])) + "=" + std::string(*value);
    } else {
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*line));
    }
  } else {
    if (!value) return true;
    // New keys go after the section's last non-empty line, before any blank separator.
    std::size_t at = span->end;
    while (at > span->header + 1 && Trim(lines[at - 1]).empty()) --at;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
  }
  if (!existed && lines.empty()) return true;

  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return WriteFileAtomically(path_, out);
}

}  // namespace vb
