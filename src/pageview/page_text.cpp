#include "pageview/page_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "pageview/html_entities.h"
#include "settings/text_936.h"

namespace vb {
namespace {

constexpr int kUtf8CodePage = 65001;
constexpr std::uint32_t kReplacement = 0xFFFD;

std::string Utf8Of(std::uint32_t code) {
  std::string out;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

std::string CharacterIn936(std::uint32_t code) {
  if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = kReplacement;
  if (code < 0x80) return std::string(1, static_cast<char>(code));
  if (code == 0xA0) return std::string(1, kNoBreakSpace);
  std::optional<std::string> converted = ConvertToSystemCodePage(Utf8Of(code), kUtf8CodePage);
  return converted && !converted->empty() ? *converted : "?";
}

// What a browser reads for &#128; to &#159;: the characters of windows-1252 (the five bytes it
// leaves undefined stay as they are).
std::uint32_t FromWindows1252(std::uint32_t code) {
  static constexpr std::array<std::uint16_t, 32> kHigh{
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  return code >= 0x80 && code <= 0x9F ? kHigh[code - 0x80] : code;
}

// A numeric reference after "&#": its character and the bytes it took, or nothing.
std::optional<std::pair<std::string, std::size_t>> NumericReference(std::string_view text) {
  bool hex = !text.empty() && (text[0] == 'x' || text[0] == 'X');
  std::size_t at = hex ? 1 : 0, digits = 0;
  std::uint32_t code = 0;
  for (; at < text.size(); ++at, ++digits) {
    int digit = std::isdigit(static_cast<unsigned char>(text[at])) ? text[at] - '0'
                : hex && std::isxdigit(static_cast<unsigned char>(text[at]))
                    ? std::tolower(static_cast<unsigned char>(text[at])) - 'a' + 10
                    : -1;
    if (digit < 0) break;
    code = std::min<std::uint32_t>(code * (hex ? 16 : 10) + digit, 0x110000);
  }
  if (digits == 0) return std::nullopt;
  if (at < text.size() && text[at] == ';') ++at;
  return std::make_pair(CharacterIn936(FromWindows1252(code)), at);
}

bool IsAsciiAlnum(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// The longest named reference at the start of `text` (just after '&'), or none.
const NamedReference* LongestName(std::string_view text) {
  std::size_t length = 0;
  while (length < text.size() && length < kLongestReferenceName && IsAsciiAlnum(text[length])) {
    ++length;
  }
  if (length < text.size() && text[length] == ';') ++length;
  for (; length > 0; --length) {
    std::string_view name = text.substr(0, length);
    auto found = std::lower_bound(
        kNamedReferences.begin(), kNamedReferences.end(), name,
        [](const NamedReference& entry, std::string_view key) { return entry.name < key; });
    if (found != kNamedReferences.end() && found->name == name) return &*found;
  }
  return nullptr;
}

std::string NamedCharacters(const NamedReference& reference) {
  if (reference.utf8 == "\xC2\xA0") return std::string(1, kNoBreakSpace);
  if (reference.utf8.size() == 1) return std::string(reference.utf8);
  std::optional<std::string> converted =
      ConvertToSystemCodePage(std::string(reference.utf8), kUtf8CodePage);
  return converted && !converted->empty() ? *converted : "?";
}

}  // namespace

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

std::string DecodeEntities(std::string_view text, ReferenceContext context) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == kNoBreakSpace) continue;
    if (text[i] != '&') {
      out += text[i];
      continue;
    }
    std::string_view rest = text.substr(i + 1);
    if (!rest.empty() && rest[0] == '#') {
      if (auto numeric = NumericReference(rest.substr(1))) {
        out += numeric->first;
        i += 1 + numeric->second;
        continue;
      }
    }
    const NamedReference* named = LongestName(rest);
    std::size_t length = named != nullptr ? named->name.size() : 0;
    bool heldBack = named != nullptr && context == ReferenceContext::kAttribute &&
                    !named->name.ends_with(';') && length < rest.size() &&
                    (IsAsciiAlnum(rest[length]) || rest[length] == '=');
    if (named == nullptr || heldBack) {
      out += '&';
      continue;
    }
    out += NamedCharacters(*named);
    i += length;
  }
  return out;
}

std::string DecodeWithBlanks(std::string_view text, ReferenceContext context) {
  std::string out = DecodeEntities(text, context);
  std::replace(out.begin(), out.end(), kNoBreakSpace, ' ');
  return out;
}

std::string ReadableTooltip(std::string_view title) {
  std::string decoded = DecodeEntities(title, ReferenceContext::kAttribute);
  std::string text;
  text.reserve(decoded.size());
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    char c = decoded[i];
    unsigned char next = i + 1 < decoded.size() ? decoded[i + 1] : 0;
    bool opensTag = c == '<' && (std::isalpha(next) || next == '/' || next == '!');
    std::size_t end = opensTag ? decoded.find('>', i) : std::string::npos;
    if (end != std::string::npos) {
      i = end;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f') {
      if (text.empty() || text.back() != ' ') text += ' ';
    } else {
      text += c == kNoBreakSpace ? ' ' : c;
    }
  }
  return text;
}

std::optional<std::uint32_t> ParseColour(std::string_view colour) {
  static constexpr std::array<std::pair<std::string_view, std::uint32_t>, 16> kNames{
      {{"black", 0x000000},
       {"silver", 0xC0C0C0},
       {"gray", 0x808080},
       {"white", 0xFFFFFF},
       {"maroon", 0x800000},
       {"red", 0xFF0000},
       {"purple", 0x800080},
       {"fuchsia", 0xFF00FF},
       {"green", 0x008000},
       {"lime", 0x00FF00},
       {"olive", 0x808000},
       {"yellow", 0xFFFF00},
       {"navy", 0x000080},
       {"blue", 0x0000FF},
       {"teal", 0x008080},
       {"aqua", 0x00FFFF}}};
  std::string lower;
  for (char c : colour) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const auto& [name, value] : kNames) {
    if (lower == name) return value;
  }
  std::string_view digits = lower;
  if (digits.starts_with('#')) digits.remove_prefix(1);
  if ((digits.size() != 6 && digits.size() != 3) ||
      !std::all_of(digits.begin(), digits.end(),
                   [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); })) {
    return std::nullopt;
  }
  std::uint32_t value = 0;
  for (char c : digits) {
    int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : c - 'a' + 10;
    value = value * 16 + digit;
    if (digits.size() == 3) value = value * 16 + digit;
  }
  return value;
}

}  // namespace vb
