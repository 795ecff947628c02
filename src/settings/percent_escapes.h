#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vb {

// Whether a %XX escape starts at `at`.
bool StartsPercentEscape(std::string_view text, std::size_t at);

// `text` with every %XX escape replaced by its byte; a '%' that starts none stays.
std::string PercentDecoded(std::string_view text);

}  // namespace vb
