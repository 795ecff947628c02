#pragma once

#include <array>
#include <string_view>

namespace vb {

// A named character reference: its name after '&' (with its ';', or one of the old names a
// browser also reads without it) and the characters it stands for, in UTF-8.
struct NamedReference {
  std::string_view name;
  std::string_view utf8;
};

// Sorted by name, byte by byte.
extern const std::array<NamedReference, 2231> kNamedReferences;

// The longest name in the table.
inline constexpr std::size_t kLongestReferenceName = 32;

}  // namespace vb
