#pragma once

#include <cstddef>
#include <string_view>

// Code page 936 text read from its start: a byte from 0x81 to 0xFE and the byte after it are one
// character. A cut or an end that parts the two lets a browser pair the lead byte with the
// markup that follows, swallowing a delimiter.
namespace vb {

// The first `limit` bytes of `text`, shortened by one when the limit would split a character.
std::string_view CutToWholeCharacters(std::string_view text, std::size_t limit);

// Whether the last byte of `text` is a lead byte without its second byte.
bool EndsInsideCharacter(std::string_view text);

}  // namespace vb
