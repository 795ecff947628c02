#pragma once

#include <string>

namespace vb {

// UTF-8 to code page 936 in place, without a converter call per character: the hot path of every
// feed served in UTF-8. No sequence gives more bytes than it has, so the text never grows. An
// ill-formed byte and a character that 936 lacks each become one '?'. False when the converter
// cannot be set up.
bool Utf8ToSystemCodePage(std::string& text);

}  // namespace vb
