// The core's code page 936 conversions over the system's tables: the MinGW runtime has no iconv.
#include "settings/text_936.h"

#include <windows.h>

#include <climits>

#include "platform/win32/code_page.h"

namespace vb {
namespace {

// Code page 936 has no character beyond U+FFFF: such a character (two UTF-16 units) becomes
// one mark, one '?' as on Linux, instead of one per unit.
std::wstring OneUnitPerCharacter(std::wstring wide) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    const bool pair =
        IS_HIGH_SURROGATE(wide[i]) && i + 1 < wide.size() && IS_LOW_SURROGATE(wide[i + 1]);
    wide[kept++] = pair ? L'\uFFFD' : wide[i];
    i += pair;
  }
  wide.resize(kept);
  return wide;
}

}  // namespace

// Invalid bytes become U+FFFD on the way in and the default character '?' on the way out.
std::string Utf8From936(std::string_view text) {
  return win32::NarrowTo(CP_UTF8, win32::WideFrom936(text));
}

std::string Utf8To936(std::string_view text) {
  return win32::NarrowTo936(OneUnitPerCharacter(win32::WideFrom(CP_UTF8, text)));
}

bool IsKnownCodePage(int codePage) {
  return codePage > 0 && IsValidCodePage(static_cast<UINT>(codePage)) != FALSE;
}

std::optional<std::string> ConvertToSystemCodePage(std::string source, int codePage) {
  if (!IsKnownCodePage(codePage) || source.size() > INT_MAX / 2) return std::nullopt;
  if (source.empty()) return std::string();
  // Invalid source bytes become U+FFFD, which 936 lacks, so they come out as '?' like any other
  // character that 936 cannot show; no best-fit look-alikes are substituted.
  const std::wstring wide =
      OneUnitPerCharacter(win32::WideFrom(static_cast<unsigned>(codePage), source));
  if (wide.empty()) return std::nullopt;
  const int size = static_cast<int>(wide.size());
  const int needed = WideCharToMultiByte(kSystemCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size,
                                         nullptr, 0, "?", nullptr);
  if (needed <= 0) return std::nullopt;
  std::string out(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(kSystemCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), size, out.data(), needed,
                      "?", nullptr);
  return out;
}

bool Utf8ToSystemCodePage(std::string& text) {
  std::optional<std::string> converted = ConvertToSystemCodePage(text, 65001);
  if (!converted) return false;
  text = std::move(*converted);
  return true;
}

}  // namespace vb
