#include "render/feed_text.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "render/whole_characters.h"

namespace vb {
namespace {

bool Contains(std::string_view text, std::string_view word) {
  return text.find(word) != std::string_view::npos;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

}  // namespace

FeedTags ChooseFeedTags(std::string_view text) {
  FeedTags tags;
  tags.item = Contains(text, "<item>") ? "<item>" : "<item rdf:";
  if (Contains(text, "</pubDate>")) {
    tags.dateOpen = "<pubDate>";
    tags.dateClose = "</pubDate>";
  } else {
    tags.dateOpen = "<dc:date>";
    tags.dateClose = "</dc:date>";
  }
  if (Contains(text, "</description>")) {
    tags.descriptionOpen = "<description>";
    tags.descriptionClose = "</description>";
  } else {
    tags.descriptionOpen = "<content:encoded>";
    tags.descriptionClose = "</content:encoded>";
  }
  return tags;
}

void BlankCdataMarkers(std::string& text) {
  constexpr std::string_view kOpen = "<![CDATA[";
  constexpr std::string_view kClose = "]]>";
  // Sought by its '!', which is rare in feeds, rather than by its '<'.
  auto findOpen = [&](std::size_t from) {
    for (std::size_t at = text.find('!', from + 1); at != std::string::npos;
         at = text.find('!', at + 1)) {
      if (std::string_view(text).substr(at - 1).starts_with(kOpen)) return at - 1;
    }
    return std::string::npos;
  };
  std::size_t at = findOpen(0);
  while (at != std::string::npos) {
    text.replace(at, kOpen.size(), kOpen.size(), ' ');
    const std::size_t end = text.find(kClose, at + kOpen.size());
    if (end == std::string::npos) return;
    text.replace(end, kClose.size(), kClose.size(), ' ');
    at = findOpen(end + kClose.size());
  }
}

int CountClosingItemTags(std::string_view text, int atMost) {
  // Anchored on the '/', which is rarer in feeds than '<'.
  constexpr std::string_view kTag = "</item>";
  int count = 0;
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  for (const char* p = begin;
       count < atMost && end - p >= static_cast<std::ptrdiff_t>(kTag.size()) - 1;) {
    p = static_cast<const char*>(std::memchr(p, '/', end - p - (kTag.size() - 2)));
    if (p == nullptr) break;
    bool match = p > begin && p[-1] == '<' && p[5] == '>';
    for (std::size_t k = 1; match && k < 5; ++k) match = (p[k] | 0x20) == kTag[k + 1];
    if (match) ++count;
    p += match ? kTag.size() - 1 : 1;
  }
  return count;
}

std::string_view FieldText(std::string_view body, std::string_view open, std::string_view close,
                           std::size_t limit, std::string_view fallback) {
  const std::size_t at = body.find(open);
  if (at == std::string_view::npos) return fallback;
  const std::size_t from = at + open.size();
  const std::size_t to = body.find(close, from);
  if (to == std::string_view::npos) return fallback;
  return CutToWholeCharacters(body.substr(from, to - from), limit);
}

std::string_view TimeText(std::string_view date) {
  const std::size_t colon = date.find(':');
  if (colon == std::string_view::npos) return "-";
  const std::size_t from = colon >= 2 ? colon - 2 : 0;
  return date.substr(from, std::min(date.size(), colon + 3) - from);
}

void CleanDescription(std::string& description) {
  std::replace(description.begin(), description.end(), '"', '\'');
  ReplaceAll(description, "<br>", "   \n");
  ReplaceAll(description, "&lt;br&gt;", "         \n");
}

}  // namespace vb
