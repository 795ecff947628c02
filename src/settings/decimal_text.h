#pragma once

#include <string>
#include <string_view>

namespace vb {

// Numbers kept as text are read the way C's atoi reads them: optional blanks and sign, then
// leading digits; anything else gives 0. Saturates instead of overflowing.
int Atoi(std::string_view text);

// The first `limit` bytes of `text` (all of it when shorter).
std::string CutBytes(std::string_view text, std::size_t limit);

}  // namespace vb
