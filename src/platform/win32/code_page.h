#pragma once

#include <string>
#include <string_view>

namespace vb::win32 {

// The program's texts are code page 936 whatever the system's ANSI code page is, so every text
// that meets the system goes through the wide functions with these conversions.
inline constexpr unsigned kProgramCodePage = 936;

std::wstring WideFrom936(std::string_view text);
std::string NarrowTo936(std::wstring_view text);

// Conversions between any code page and UTF-16; an unknown code page gives an empty result.
std::wstring WideFrom(unsigned codePage, std::string_view text);
std::string NarrowTo(unsigned codePage, std::wstring_view text);

// True when `text` converts to code page 936 and back unchanged.
bool RoundTripsThrough936(std::wstring_view text);

}  // namespace vb::win32
