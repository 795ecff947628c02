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

}  // namespace vb
