#include "settings/percent_escapes.h"

namespace vb {
namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

bool StartsPercentEscape(std::string_view text, std::size_t at) {
  return at + 2 < text.size() && text[at] == '%' && HexDigitValue(text[at + 1]) >= 0 &&
         HexDigitValue(text[at + 2]) >= 0;
}

std::string PercentDecoded(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsPercentEscape(text, i)) {
      out += static_cast<char>(HexDigitValue(text[i + 1]) * 16 + HexDigitValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace vb
