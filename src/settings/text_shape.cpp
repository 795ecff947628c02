#include "settings/text_shape.h"

#include <algorithm>

namespace vb {
namespace {

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

bool IsAsciiLetters(std::string_view text) {
  return std::ranges::all_of(text, IsLetter);
}

bool IsAsciiDigits(std::string_view text) {
  return std::ranges::all_of(text, IsDigit);
}

bool IsAsciiLettersOrDigits(std::string_view text) {
  return std::ranges::all_of(text, [](char c) { return IsLetter(c) || IsDigit(c); });
}

bool IsUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80         ? 1
                               : (lead >> 5) == 6  ? 2
                               : (lead >> 4) == 14 ? 3
                               : (lead >> 3) == 30 ? 4
                                                   : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

}  // namespace vb
