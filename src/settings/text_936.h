#pragma once

#include <string>
#include <string_view>

namespace vb {

// The program keeps its texts in code page 936; GTK and web addresses want UTF-8. Bytes that do
// not convert become '?' so that a damaged text still shows, and a conversion never fails.
std::string Utf8From936(std::string_view text);
std::string Utf8To936(std::string_view text);

}  // namespace vb
