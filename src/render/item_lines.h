#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "render/page_file.h"

namespace vb {

// Writes one link line per feed item of the channel text (code page 936) into `page`, grouping
// the lines into divisions as the direction, `itemsPerLine` and `lineNum` say. Empty when the text
// has no channel title (nothing is written); otherwise the number of closing item tags after the
// title, which may exceed the lines written when the feed is malformed. A text without closing
// item tags but with Atom entries gives one line per entry instead (atom_entries.h). Blanks the
// CDATA markers of `text` in place.
std::optional<int> WriteItemLines(std::string& text, PageFile& page, std::string_view dir,
                                  int itemsPerLine, char noDescription, int lineNum);

// One item's texts, cut to their limits, as its line shows them.
struct ItemFields {
  std::string_view link, date, title, author, email;
  std::string description;  // cleaned
};

// How the lines are grouped and whether tooltips carry the author and summary.
struct LineLayout {
  std::string_view dir;
  int itemsPerLine;
  char noDescription;
  int lineNum;
};

// Writes the lines of at most `itemCount` items, and of no more than the first 1000, each filled in
// by `nextItem` until it returns false; `channelTitle` (LF and cut included) opens every tooltip.
void WriteLinesOfItems(PageFile& page, std::string_view channelTitle, const LineLayout& layout,
                       int itemCount, const std::function<bool(ItemFields&)>& nextItem);

}  // namespace vb
