#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

// Plain substring work on a feed's text; the feed is never parsed as XML.
namespace vb {

// The tags that a feed uses, chosen once per text between its RSS 2.0 and RSS 1.0 forms.
struct FeedTags {
  std::string_view item;
  std::string_view dateOpen, dateClose;
  std::string_view descriptionOpen, descriptionClose;
};

FeedTags ChooseFeedTags(std::string_view text);

// Overwrites every "<![CDATA[" and its "]]>" with spaces, leaving what they enclose as text.
void BlankCdataMarkers(std::string& text);

// How many "</item>" occur in `text`, letters compared without regard to case; the count stops
// at `atMost`.
int CountClosingItemTags(std::string_view text, int atMost = std::numeric_limits<int>::max());

// The text between the first `open` in `body` and the first `close` after it, cut to at most
// `limit` bytes of whole characters; `fallback` when either tag is missing.
std::string_view FieldText(std::string_view body, std::string_view open, std::string_view close,
                           std::size_t limit, std::string_view fallback);

// The "hh:mm" around the first ':' of a date, as far as the date reaches; "-" without a ':'.
std::string_view TimeText(std::string_view date);

// Quotes become apostrophes and both break forms become blanks and an LF, keeping the length.
void CleanDescription(std::string& description);

}  // namespace vb
