#include <algorithm>
#include <cstdint>

#include "resources/resource_data.h"

namespace vb::res {
namespace {

struct GbkChar {
  char32_t codePoint;
  std::uint8_t lead;
  std::uint8_t trail;
};

constexpr GbkChar kTable[] = {
#include "resources/gbk_table.inc"
};

static_assert(std::ranges::is_sorted(kTable, {}, &GbkChar::codePoint));

// Decodes one UTF-8 sequence at `at`, advancing it; a malformed sequence gives U+FFFD and
// consumes one byte, so decoding always moves forward.
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char first = byte(at);
  int length = first < 0x80         ? 1
               : (first >> 5) == 6  ? 2
               : (first >> 4) == 14 ? 3
               : (first >> 3) == 30 ? 4
                                    : 0;
  if (length == 0 || at + length > text.size()) {
    ++at;
    return U'\uFFFD';
  }
  char32_t value = length == 1 ? first : first & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) {
      ++at;
      return U'\uFFFD';
    }
    value = (value << 6) | (byte(at + i) & 0x3F);
  }
  at += length;
  return value;
}

}  // namespace

std::string Gbk(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const char32_t c = NextCodePoint(utf8, at);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    const auto* found = std::ranges::lower_bound(kTable, c, {}, &GbkChar::codePoint);
    if (found == std::end(kTable) || found->codePoint != c) {
      out.push_back('?');
      continue;
    }
    out.push_back(static_cast<char>(found->lead));
    out.push_back(static_cast<char>(found->trail));
  }
  return out;
}

}  // namespace vb::res
