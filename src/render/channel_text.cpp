#include "render/channel_text.h"

#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <utility>

#include "render/code_page.h"
#include "settings/decimal_text.h"
#include "settings/file_io.h"

namespace vb {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::int32_t LengthOf(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return 0;
  const long end = std::ftell(file);
  if (end < 0) return 0;
  constexpr long kTop = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(end > kTop ? kTop : end);
}

// What a text-mode read delivers: the data ends at the first 0x1A, and each CR LF becomes LF.
// The text then ends at its first NUL.
void ReadAsText(std::string& bytes) {
  if (const void* eof = std::memchr(bytes.data(), 0x1A, bytes.size())) {
    bytes.resize(static_cast<const char*>(eof) - bytes.data());
  }
  if (const void* nul = std::memchr(bytes.data(), '\0', bytes.size())) {
    bytes.resize(static_cast<const char*>(nul) - bytes.data());
  }
  const char* cr = static_cast<const char*>(std::memchr(bytes.data(), '\r', bytes.size()));
  if (cr == nullptr) return;
  char* out = bytes.data() + (cr - bytes.data());
  const char* in = out;
  const char* end = bytes.data() + bytes.size();
  while (in < end) {
    const char* next = static_cast<const char*>(std::memchr(in, '\r', end - in));
    const char* runEnd = next ? next : end;
    std::memmove(out, in, runEnd - in);
    out += runEnd - in;
    in = runEnd;
    if (next == nullptr) break;
    if (in + 1 < end && in[1] == '\n') ++in;  // drop the CR of a CR LF
    *out++ = *in++;
  }
  bytes.resize(out - bytes.data());
}

bool Contains(std::string_view text, std::string_view word) {
  return text.find(word) != std::string_view::npos;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view lowerWord) {
  for (std::size_t i = 0; i + lowerWord.size() <= text.size(); ++i) {
    std::size_t k = 0;
    while (k < lowerWord.size() && (text[i + k] | 0x20) == lowerWord[k]) ++k;
    if (k == lowerWord.size()) return true;
  }
  return false;
}

}  // namespace

std::int32_t FileLength(const std::string& path) {
  FileHandle file(OpenFile(path, "rb"));
  return file ? LengthOf(file.get()) : 0;
}

int ChooseSourceCodePage(std::string_view codePage, std::string_view rawText) {
  if (!codePage.empty()) {
    const int chosen = Atoi(codePage);
    if (IsKnownCodePage(chosen)) return chosen;
  }
  const std::string_view head = rawText.substr(0, 59);
  if (Contains(head, "gb2312") || Contains(head, "GB2312") || ContainsIgnoringCase(head, "gbk")) {
    return 936;
  }
  if (Contains(head, "big5") || Contains(head, "BIG5")) return 950;
  return 65001;
}

std::optional<std::string> LoadChannelText(const std::string& path, std::string_view codePage) {
  FileHandle file(OpenFile(path, "rb"));
  if (!file) return std::nullopt;
  const std::int32_t length = FileLength(path);
  if (length <= 0) return std::nullopt;

  std::string raw(static_cast<std::size_t>(length), '\0');
  raw.resize(std::fread(raw.data(), 1, raw.size(), file.get()));
  file.reset();
  ReadAsText(raw);
  const int source = ChooseSourceCodePage(codePage, raw);
  return ConvertToSystemCodePage(std::move(raw), source);
}

}  // namespace vb
