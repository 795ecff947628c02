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

// Code page 936 has no no-break space; the decoded text carries this byte in its place, which
// the layout neither folds nor breaks at and draws as a blank. A raw one in the page is dropped.
inline constexpr char kNoBreakSpace = '\x1F';

// Where a reference stands: an attribute value leaves an old name without its ';' alone when a
// letter, digit or '=' follows it ("?a=1&copy=2" stays an address).
enum class ReferenceContext { kText, kAttribute };

// Character references decoded the way a browser decodes them, in code page 936: every named
// reference (the longest name that matches), and decimal or hexadecimal ones, with 128 to 159
// read as windows-1252. A character that 936 lacks becomes '?'. Anything that is not a
// reference stays as written.
std::string DecodeEntities(std::string_view text,
                           ReferenceContext context = ReferenceContext::kText);

// The same with each no-break space as an ordinary blank.
std::string DecodeWithBlanks(std::string_view text, ReferenceContext context);

// A link's title as a person reads it: references decoded, then whatever has the shape of a
// tag removed, runs of blanks folded into one, line feeds kept.
std::string ReadableTooltip(std::string_view title);

// 0xRRGGBB for a colour as the page writes it: six (or three) hex digits with or without '#',
// or one of the basic colour names; empty when it is none of these.
std::optional<std::uint32_t> ParseColour(std::string_view colour);

}  // namespace vb
