#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vb {

// ASCII letters in lower case; other bytes (936 included) as they are.
std::string AsciiLower(std::string_view text);

// Without leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);

// Character references decoded the way a browser shows them, in code page 936: the named ones
// the page and feeds use, and decimal or hexadecimal ones (a character that 936 lacks becomes
// '?'). Anything that is not a reference stays as written.
std::string DecodeEntities(std::string_view text);

// A link's title as a person reads it: markup removed, references decoded, line feeds kept.
std::string ReadableTooltip(std::string_view title);

// 0xRRGGBB for a colour as the page writes it: six (or three) hex digits with or without '#',
// or one of the basic colour names; empty when it is none of these.
std::optional<std::uint32_t> ParseColour(std::string_view colour);

}  // namespace vb
