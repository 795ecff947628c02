#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "render/page_file.h"

namespace vb {

// Writes one link line per feed item of the channel text (code page 936) into `page`, grouping
// the lines into divisions as the direction, `itemsPerLine` and `lineNum` say. Empty when the text
// has no channel title (nothing is written); otherwise the number of closing item tags after the
// title, which may exceed the lines written when the feed is malformed. Blanks the CDATA markers
// of `text` in place.
std::optional<int> WriteItemLines(std::string& text, PageFile& page, std::string_view dir,
                                  int itemsPerLine, char noDescription, int lineNum);

}  // namespace vb
