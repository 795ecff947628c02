#pragma once

#include <string>
#include <string_view>

namespace vb {

// The update notice as the page may hold it. The note comes from outside and the page runs
// script, so only a, font, b, i, u, em, strong and br stay markup: a with an http or https href
// (tabs and line breaks taken out, as a browser's address parser takes them) and a target, font
// with color, size and face; their attribute values are written quoted and escaped. Every other
// tag is left out, its text kept; comments and what script and style hold are left out. The
// text ends at its first NUL, and a double-byte character that the note leaves unfinished is
// dropped.
std::string AllowedNoteMarkup(std::string_view note);

}  // namespace vb
