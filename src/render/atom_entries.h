#pragma once

#include <string>
#include <string_view>

#include "render/item_lines.h"
#include "render/page_file.h"

namespace vb {

// True for an Atom feed: the text holds an "</entry>" and, in any letter case, no "</item>".
bool HoldsAtomEntries(std::string_view text);

// Writes one item line per Atom entry of the channel text (code page 936), with the fields that
// an RSS item would give: the title, the alternate link read against the feed's base, the
// updated (else published) date, the author's name and e-mail (the feed's when the entry names
// none) and the summary (else the content). The feed's title opens every tooltip. Returns the
// number of entries. Blanks the CDATA markers of `text` in place.
int WriteAtomEntryLines(std::string& text, PageFile& page, const LineLayout& layout);

}  // namespace vb
