#pragma once

#include <string_view>

// Shapes of values that the page writes into its markup and script as they stand. The empty text
// has every shape.
namespace vb {

bool IsAsciiLetters(std::string_view text);
bool IsAsciiDigits(std::string_view text);
bool IsAsciiLettersOrDigits(std::string_view text);

// Whether `text` is well-formed UTF-8.
bool IsUtf8(std::string_view text);

// The white space that HTML skips between words and attributes; unlike C's isspace, no vertical
// tab.
constexpr bool IsHtmlSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

}  // namespace vb
