#include "render/channel_text.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>
#include <utility>

#include "settings/decimal_text.h"
#include "settings/file_io.h"
#include "settings/text_936.h"

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

// The file is read in blocks small enough to stay in the cache while they are scanned, so the
// whole text is written once and never re-read here.
constexpr std::size_t kBlockSize = 1 << 16;

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

int ChooseSourceCodePage(std::string_view codePage, std::string_view rawText) {
  if (!codePage.empty()) {
    const int chosen = Atoi(codePage);
    // Code page 0 is the system's own, as the conversion calls read it; a text that is no number
    // at all counts as not set.
    if (chosen == 0 && codePage[0] >= '0' && codePage[0] <= '9') return kSystemCodePage;
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
  const std::int32_t length = LengthOf(file.get());
  if (length <= 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return std::nullopt;

  std::string text;
  text.reserve(static_cast<std::size_t>(length));
  std::string block(kBlockSize, '\0');
  for (std::size_t left = static_cast<std::size_t>(length); left > 0;) {
    const std::size_t got = std::fread(block.data(), 1, std::min(left, block.size()), file.get());
    left -= got;
    if (got == 0 || !AppendReadAsText(text, std::string_view(block).substr(0, got))) break;
  }
  file.reset();
  const int source = ChooseSourceCodePage(codePage, text);
  return ConvertToSystemCodePage(std::move(text), source);
}

}  // namespace vb
