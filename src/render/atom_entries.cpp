#include "render/atom_entries.h"

#include <array>
#include <limits>
#include <optional>

#include "render/atom_markup.h"
#include "render/feed_text.h"
#include "render/gb_texts.h"
#include "render/relative_link.h"
#include "render/whole_characters.h"

namespace vb {
namespace {

constexpr std::string_view kEntryEnd = "</entry>";
constexpr std::size_t kChannelTitleLimit = 50;

// What an entry, or the feed before its first entry, says: the first element of each name.
struct AtomParts {
  std::optional<Element> title, link, updated, published, author, summary, content;
};

bool IsAlternate(const Element& link) {
  const std::optional<std::string_view> rel = AttributeValue(link.startTag, "rel");
  return !rel || *rel == "alternate" ||
         *rel == "http://www.iana.org/assignments/relation/alternate";
}

// One pass over the elements of `body`. An element that is read, or a source (whose title and
// links are those of another feed), is stepped over whole, so nothing inside it counts.
AtomParts ReadParts(std::string_view body) {
  struct Slot {
    std::string_view name;
    std::optional<Element> AtomParts::*part;
  };
  static constexpr std::array<Slot, 8> kSlots = {{{"title", &AtomParts::title},
                                                  {"link", &AtomParts::link},
                                                  {"updated", &AtomParts::updated},
                                                  {"published", &AtomParts::published},
                                                  {"author", &AtomParts::author},
                                                  {"summary", &AtomParts::summary},
                                                  {"content", &AtomParts::content},
                                                  {"source", nullptr}}};
  AtomParts parts;
  // A name whose element did not end is not sought again, which keeps a body full of unclosed
  // tags from costing a search to its end for each.
  std::array<bool, kSlots.size()> unclosed{};
  for (std::size_t at = body.find('<'); at != std::string_view::npos; at = body.find('<', at)) {
    ++at;
    for (std::size_t k = 0; k < kSlots.size(); ++k) {
      const Slot& slot = kSlots[k];
      if (unclosed[k] || !NameAt(body, at, slot.name)) continue;
      const std::optional<Element> element = ElementAt(body, at - 1, slot.name);
      unclosed[k] = !element;
      if (!element) break;
      if (slot.part != nullptr && !(parts.*slot.part) &&
          (slot.part != &AtomParts::link || IsAlternate(*element))) {
        parts.*slot.part = element;
      }
      at = element->end;
      break;
    }
  }
  return parts;
}

// Where the next "<entry" start tag at or after `from` begins; npos when there is none.
std::size_t FindEntryStart(std::string_view text, std::size_t from) {
  std::size_t at = text.find("<entry", from);
  while (at != std::string_view::npos && !NameAt(text, at + 1, "entry")) {
    at = text.find("<entry", at + 1);
  }
  return at;
}

int CountEntryEnds(std::string_view text) {
  int count = 0;
  for (std::size_t at = text.find(kEntryEnd);
       at != std::string_view::npos && count < std::numeric_limits<int>::max();
       at = text.find(kEntryEnd, at + kEntryEnd.size())) {
    ++count;
  }
  return count;
}

std::string_view TypeOf(const Element& construct) {
  return AttributeValue(construct.startTag, "type").value_or("text");
}

std::string_view Href(const std::optional<Element>& link) {
  return link ? AttributeValue(link->startTag, "href").value_or("") : "";
}

// The address that relative links are read against: the feed's xml:base, else its own link.
std::string_view FeedBase(std::string_view head, const AtomParts& feed) {
  const std::size_t at = head.find("<feed");
  const std::size_t tagEnd = head.find('>', at);
  if (tagEnd != std::string_view::npos && NameAt(head, at + 1, "feed")) {
    const std::optional<std::string_view> base =
        AttributeValue(head.substr(at, tagEnd + 1 - at), "xml:base");
    if (base) return *base;
  }
  return Href(feed.link);
}

// Fills item fields from entries; the texts that need composing live in its buffers.
class EntryFields {
 public:
  EntryFields(const AtomParts& feed, std::string_view base)
      : feedAuthor_(feed.author), base_(base) {}

  void Fill(const AtomParts& entry, ItemFields& f) {
    if (entry.title) {
      ConstructText(entry.title->content, TypeOf(*entry.title), title_);
      f.title = CutToWholeCharacters(title_, 200);
    } else {
      f.title = gb::kNoTitle;
    }
    if (entry.link) {
      ResolveLink(base_, Href(entry.link), link_);
      f.link = CutToWholeCharacters(link_, 300);
    } else {
      f.link = "about:blank";
    }
    const std::optional<Element>& date = entry.updated ? entry.updated : entry.published;
    f.date = date ? CutToWholeCharacters(date->content, 60) : "";
    const std::optional<Element>& author = entry.author ? entry.author : feedAuthor_;
    const std::string_view person = author ? author->content : "";
    f.author = FieldText(person, "<name>", "</name>", 20, gb::kNoAuthor);
    f.email = FieldText(person, "<email>", "</email>", 80, gb::kNoEmail);
    const std::optional<Element>& summary = entry.summary ? entry.summary : entry.content;
    f.description = summary ? CutToWholeCharacters(summary->content, 1000) : gb::kNoDescription;
    CleanDescription(f.description);
  }

 private:
  std::optional<Element> feedAuthor_;
  std::string_view base_;
  std::string title_, link_;
};

}  // namespace

bool HoldsAtomEntries(std::string_view text) {
  return CountClosingItemTags(text, 1) == 0 && text.find(kEntryEnd) != std::string_view::npos;
}

int WriteAtomEntryLines(std::string& text, PageFile& page, const LineLayout& layout) {
  BlankCdataMarkers(text);
  const std::string_view view = text;
  std::size_t position = FindEntryStart(view, 0);
  const std::string_view head = view.substr(0, position);
  const int entryCount =
      position == std::string_view::npos ? 0 : CountEntryEnds(view.substr(position));

  const AtomParts feed = ReadParts(head);
  std::string channelTitle;
  if (feed.title) {
    ConstructText(feed.title->content, TypeOf(*feed.title), channelTitle);
    channelTitle = CutToWholeCharacters(channelTitle + '\n', kChannelTitleLimit);
  }
  EntryFields fields(feed, FeedBase(head, feed));
  WriteLinesOfItems(page, channelTitle, layout, entryCount, [&](ItemFields& f) {
    if (position == std::string_view::npos) return false;
    const std::size_t from = view.find('>', position);
    const std::size_t end = view.find(kEntryEnd, from);
    if (end == std::string_view::npos) return false;
    fields.Fill(ReadParts(view.substr(from + 1, end - from - 1)), f);
    position = FindEntryStart(view, end + kEntryEnd.size());
    return true;
  });
  return entryCount;
}

}  // namespace vb
