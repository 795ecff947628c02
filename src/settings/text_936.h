#pragma once

#include <optional>
#include <string>
#include <string_view>

// Every conversion between the program's own code page and the rest of the world. On Linux they
// are iconv's; the Windows desktop implements them over the system's tables, since MinGW has no
// iconv.
namespace vb {

// The program's own code page, in which every page and setting is written.
inline constexpr int kSystemCodePage = 936;

// GTK and web addresses want UTF-8. Bytes that do not convert become '?' so that a damaged text
// still shows, and a conversion never fails. Utf8To936 marks exactly as Utf8ToSystemCodePage.
std::string Utf8From936(std::string_view text);
std::string Utf8To936(std::string_view text);

// Whether the converter knows the Windows code page `codePage` (936, 950, 65001, or any other
// number it knows as "CPnnn").
bool IsKnownCodePage(int codePage);

// Converts a feed's `source` from `codePage` to code page 936 (UTF-8 in place). An invalid byte
// in the source and a character that 936 cannot represent each become '?'. Empty when the
// converter cannot be set up.
std::optional<std::string> ConvertToSystemCodePage(std::string source, int codePage);

// UTF-8 to code page 936 in place, without a converter call per character: the hot path of every
// feed served in UTF-8. No sequence gives more bytes than it has, so the text never grows. Each
// maximal ill-formed part (a byte that starts no sequence, or a sequence cut short by a byte that
// cannot continue it or by the end) and each character that 936 lacks become one '?', as Unicode
// recommends and a browser shows it. False when the converter cannot be set up.
bool Utf8ToSystemCodePage(std::string& text);

}  // namespace vb
