#include <iconv.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "settings/text_936.h"

namespace vb {
namespace {

// Asks the converter for each code point once: a feed uses few distinct characters. Entries:
// 0 not asked yet, 1 not in 936, 0x80-0xFF one byte, 0x8140 and up two bytes.
class GbkEncoder {
 public:
  GbkEncoder() : cd_(iconv_open("CP936", "UCS-4LE")), table_(0x10000, 0) {}
  GbkEncoder(const GbkEncoder&) = delete;
  GbkEncoder& operator=(const GbkEncoder&) = delete;
  ~GbkEncoder() {
    if (ok()) iconv_close(cd_);
  }
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Writes the bytes of `cp` (at least 0x80) at `out`, at most two; returns the end. Above
  // U+FFFF, and for kIllFormed, that is one '?'.
  char* Put(char* out, char32_t cp) {
    if (cp > 0xFFFF) {
      *out++ = '?';
      return out;
    }
    std::uint16_t& entry = table_[cp];
    if (entry == 0) entry = Ask(cp);
    if (entry == 1) {
      *out++ = '?';
    } else if (entry < 0x100) {
      *out++ = static_cast<char>(entry);
    } else {
      *out++ = static_cast<char>(entry >> 8);
      *out++ = static_cast<char>(entry & 0xFF);
    }
    return out;
  }

 private:
  std::uint16_t Ask(char32_t cp) {
    unsigned char in[4] = {static_cast<unsigned char>(cp), static_cast<unsigned char>(cp >> 8), 0,
                           0};
    unsigned char bytes[8];
    char* inPtr = reinterpret_cast<char*>(in);
    char* outPtr = reinterpret_cast<char*>(bytes);
    std::size_t inLeft = 4;
    std::size_t outLeft = sizeof bytes;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    const std::size_t done = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
    const std::size_t length = sizeof bytes - outLeft;
    if (done == static_cast<std::size_t>(-1) || done > 0) return 1;
    if (length == 1 && bytes[0] >= 0x80) return bytes[0];
    if (length == 2 && bytes[0] >= 0x81)
      return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
    return 1;
  }

  iconv_t cd_;
  std::vector<std::uint16_t> table_;
};

bool IsTrail(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// Beyond Unicode: what an ill-formed part decodes to.
constexpr char32_t kIllFormed = 0x110000;

// Decodes the sequence at `p` (its lead byte is at least 0x80) and returns its length. When it is
// ill-formed, `cp` is kIllFormed and the length is that of its maximal subpart: the lead and the
// continuation bytes that could still have completed it, as Unicode recommends and a browser
// counts them, so that a damaged feed shows as many marks here as there.
std::size_t DecodeSequence(const unsigned char* p, const unsigned char* end, char32_t& cp) {
  const unsigned char lead = p[0];
  std::size_t length;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    cp = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    cp = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    cp = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    cp = kIllFormed;
    return 1;
  }
  std::size_t k = 1;
  for (; k < length && p + k < end && p[k] >= low && p[k] <= high; ++k) {
    cp = (cp << 6) | (p[k] & 0x3F);
    low = 0x80;
    high = 0xBF;
  }
  if (k < length) cp = kIllFormed;
  return k;
}

}  // namespace

bool Utf8ToSystemCodePage(std::string& text) {
  GbkEncoder encoder;
  if (!encoder.ok()) return false;
  char* o = text.data();
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* const end = p + text.size();
  while (p < end) {
    while (end - p >= 8) {
      std::uint64_t word;
      std::memcpy(&word, p, 8);
      if (word & 0x8080808080808080ULL) break;
      std::memmove(o, p, 8);
      p += 8;
      o += 8;
    }
    if (p == end) break;
    if (*p < 0x80) {
      *o++ = static_cast<char>(*p++);
      continue;
    }
    // Chinese text is mostly three-byte sequences led by E1 to EC, which need no range check.
    if (*p >= 0xE1 && *p <= 0xEC && end - p >= 3 && IsTrail(p[1]) && IsTrail(p[2])) {
      const char32_t cp = (p[0] & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F);
      p += 3;
      o = encoder.Put(o, cp);
      continue;
    }
    char32_t cp = 0;
    p += DecodeSequence(p, end, cp);
    o = encoder.Put(o, cp);
  }
  text.resize(o - text.data());
  return true;
}

std::string Utf8To936(std::string_view text) {
  std::string converted(text);
  return Utf8ToSystemCodePage(converted) ? converted : std::string(text);
}

}  // namespace vb
