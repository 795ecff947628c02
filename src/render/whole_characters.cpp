#include "render/whole_characters.h"

namespace vb {
namespace {

bool IsLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x81 && byte <= 0xFE;
}

// Where the character that holds byte `limit - 1` ends.
std::size_t EndOfCharacterAt(std::string_view text, std::size_t limit) {
  std::size_t at = 0;
  while (at < limit) at += IsLeadByte(text[at]) ? 2 : 1;
  return at;
}

}  // namespace

std::string_view CutToWholeCharacters(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text;
  const std::size_t end = EndOfCharacterAt(text, limit);
  return text.substr(0, end > limit ? limit - 1 : limit);
}

bool EndsInsideCharacter(std::string_view text) {
  return EndOfCharacterAt(text, text.size()) > text.size();
}

}  // namespace vb
