#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vb {

// The bytes of the character (one, or two for a double-byte character of code page 936) that
// starts at `at`.
std::size_t CharacterLength(std::string_view text, std::size_t at);

// Where a browser may wrap a line of code page 936 text with its blanks folded: for each byte
// offset, whether a new line may start there. After a blank, between Chinese characters (except
// before closing and after opening punctuation) and after a hyphen inside a word; never inside a
// Latin word, before a blank or next to a no-break space.
std::vector<bool> LineBreakOpportunities(std::string_view text);

}  // namespace vb
