#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vb {

// The program's own code page, in which every page is written.
inline constexpr int kSystemCodePage = 936;

// Whether the converter knows the Windows code page `codePage` (936, 950, 65001, or any other
// number it knows as "CPnnn").
bool IsKnownCodePage(int codePage);

// Converts `source` from `codePage` to code page 936 (UTF-8 in place). An invalid byte in the
// source and a character that 936 cannot represent each become '?'. Empty when the converter
// cannot be set up.
std::optional<std::string> ConvertToSystemCodePage(std::string source, int codePage);

}  // namespace vb
