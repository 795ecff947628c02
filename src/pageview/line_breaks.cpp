#include "pageview/line_breaks.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

#include "pageview/page_text.h"

namespace vb {
namespace {

bool IsDoubleByte(std::string_view character) {
  return character.size() == 2;
}

bool IsAmong(std::string_view character, std::string_view ascii,
             std::initializer_list<std::string_view> wide) {
  if (character.size() == 1) return ascii.find(character[0]) != std::string_view::npos;
  return std::find(wide.begin(), wide.end(), character) != wide.end();
}

// Punctuation that may not begin a line: ，。、；：？！）］｝」』》〉】〕’”…
bool IsClosing(std::string_view character) {
  return IsAmong(
      character, ",.;:!?)]}%'\"",
      {"\xA3\xAC", "\xA1\xA3", "\xA1\xA2", "\xA3\xBB", "\xA3\xBA", "\xA3\xBF", "\xA3\xA1",
       "\xA3\xA9", "\xA3\xDD", "\xA3\xFD", "\xA1\xB9", "\xA1\xBB", "\xA1\xB7", "\xA1\xB5",
       "\xA1\xBF", "\xA1\xB3", "\xA1\xAF", "\xA1\xB1", "\xA1\xAD"});
}

// Punctuation that may not end a line: （［｛「『《〈【〔‘“
bool IsOpening(std::string_view character) {
  return IsAmong(character, "([{$",
                 {"\xA3\xA8", "\xA3\xDB", "\xA3\xFB", "\xA1\xB8", "\xA1\xBA", "\xA1\xB6",
                  "\xA1\xB4", "\xA1\xBE", "\xA1\xB2", "\xA1\xAE", "\xA1\xB0"});
}

bool IsLetterOrDigit(std::string_view character) {
  return character.size() == 1 && std::isalnum(static_cast<unsigned char>(character[0])) != 0;
}

}  // namespace

std::size_t CharacterLength(std::string_view text, std::size_t at) {
  return static_cast<unsigned char>(text[at]) >= 0x81 && at + 1 < text.size() ? 2 : 1;
}

std::vector<bool> LineBreakOpportunities(std::string_view text) {
  std::vector<bool> breaks(text.size() + 1, false);
  std::string_view beforePrevious, previous;
  for (std::size_t at = 0; at < text.size();) {
    std::string_view current = text.substr(at, CharacterLength(text, at));
    if (!previous.empty() && current != " " && current[0] != kNoBreakSpace &&
        previous[0] != kNoBreakSpace) {
      bool afterBlank = previous == " ";
      bool chinese = (IsDoubleByte(previous) || IsDoubleByte(current)) && !IsClosing(current) &&
                     !IsOpening(previous);
      bool afterHyphen = previous == "-" && IsLetterOrDigit(beforePrevious) &&
                         std::isalpha(static_cast<unsigned char>(current[0])) != 0;
      breaks[at] = afterBlank || chinese || afterHyphen;
    }
    beforePrevious = previous;
    previous = current;
    at += current.size();
  }
  return breaks;
}

}  // namespace vb
