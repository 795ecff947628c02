#include "render/item_lines.h"

#include <algorithm>
#include <array>

#include "render/atom_entries.h"
#include "render/feed_text.h"
#include "render/gb_texts.h"
#include "render/page_frame.h"
#include "render/safe_output.h"
#include "render/whole_characters.h"

namespace vb {
namespace {

constexpr std::size_t kChannelTitleLimit = 50;
constexpr long long kNeverEnds = 100000;
// Keeps a page around a megabyte, whatever a feed holds; real feeds stay well below.
constexpr int kMostLines = 1000;

// When a group ends: at the in-group index `quota`, which the horizontal form lifts out of reach
// once `lineNum` groups have been made.
class Grouping {
 public:
  Grouping(std::string_view dir, int itemsPerLine, int lineNum, int itemCount)
      : horizontal_(FrameFormOf(dir) == FrameForm::kHorizontal), lineNum_(lineNum) {
    if (!horizontal_) {
      quota_ = static_cast<long long>(itemsPerLine) - 1;
    } else if (lineNum > 1) {
      quota_ = std::max(0, itemCount / lineNum - 1);
    } else {
      quota_ = kNeverEnds;
    }
  }

  // Counts one item; true when it ends its group.
  bool EndsGroup() {
    if (inGroup_ != quota_) {
      ++inGroup_;
      return false;
    }
    inGroup_ = 0;
    if (horizontal_ && group_ == lineNum_) quota_ = kNeverEnds;
    ++group_;
    return true;
  }

 private:
  bool horizontal_;
  long long lineNum_;
  long long quota_ = 0;
  long long inGroup_ = 0;
  long long group_ = 2;
};

struct FieldTags {
  std::string_view open, close;
  std::size_t limit;
  std::string_view fallback;
};

// Reads one item in a single pass over its '<' bytes: the body runs from `from` to the next
// "</item>", and each field's opening tag counts at its first occurrence in the body. False when
// the item has no "</item>"; otherwise `next` is where the following item is sought.
bool ReadItem(std::string_view text, std::size_t from, const std::array<FieldTags, 6>& tags,
              ItemFields& f, std::size_t& next) {
  constexpr std::string_view kItemEnd = "</item>";
  std::array<std::size_t, 6> opens;
  opens.fill(std::string_view::npos);
  std::size_t end = text.find('<', from);
  for (; end != std::string_view::npos; end = text.find('<', end + 1)) {
    const std::string_view rest = text.substr(end);
    if (rest.starts_with(kItemEnd)) break;
    for (std::size_t k = 0; k < tags.size(); ++k) {
      if (opens[k] == std::string_view::npos && rest.starts_with(tags[k].open)) opens[k] = end;
    }
  }
  if (end == std::string_view::npos) return false;
  next = end + 1;

  const std::string_view body = text.substr(from, end - from);
  std::array<std::string_view, 6> values;
  for (std::size_t k = 0; k < tags.size(); ++k) {
    values[k] = opens[k] == std::string_view::npos
                    ? tags[k].fallback
                    : FieldText(body.substr(opens[k] - from), tags[k].open, tags[k].close,
                                tags[k].limit, tags[k].fallback);
  }
  f.link = values[0];
  f.description = values[1];
  CleanDescription(f.description);
  f.date = values[2];
  f.title = values[3];
  f.author = values[4];
  f.email = values[5];
  return true;
}

void ComposeLine(std::string& line, const ItemFields& f, std::string_view channelTitle,
                 char noDescription) {
  line = "<a href=";
  AppendItemLink(line, f.link);
  line += " title=\"";
  AppendTooltipText(line, channelTitle);
  AppendTooltipText(line, f.date);
  line += '\n';
  if (noDescription == 0) {
    line += gb::kSentBy;
    AppendTooltipText(line, f.author);
    line += gb::kEmail;
    AppendTooltipText(line, f.email);
    line += gb::kSummary;
    line += f.description;
  }
  line += "...\" target=_blank> [";
  AppendVisibleText(line, TimeText(f.date));
  line += ']';
  AppendVisibleText(line, f.title);
  line += " </a>\n";
}

}  // namespace

void WriteLinesOfItems(PageFile& page, std::string_view channelTitle, const LineLayout& layout,
                       int itemCount, const std::function<bool(ItemFields&)>& nextItem) {
  // The lines written, not the items counted, are spread over the horizontal form's lines.
  const int lineCount = std::min(itemCount, kMostLines);
  Grouping grouping(layout.dir, layout.itemsPerLine, layout.lineNum, lineCount);
  ItemFields fields;
  std::string line;
  for (int i = 0; i < lineCount && nextItem(fields); ++i) {
    ComposeLine(line, fields, channelTitle, layout.noDescription);
    if (grouping.EndsGroup()) line += "</div><div>";
    page.Write(line);
  }
}

std::optional<int> WriteItemLines(std::string& text, PageFile& page, std::string_view dir,
                                  int itemsPerLine, char noDescription, int lineNum) {
  const LineLayout layout{dir, itemsPerLine, noDescription, lineNum};
  if (HoldsAtomEntries(text)) return WriteAtomEntryLines(text, page, layout);
  const FeedTags tags = ChooseFeedTags(text);
  BlankCdataMarkers(text);

  const std::size_t titleOpen = text.find("<title>");
  if (titleOpen == std::string::npos) return std::nullopt;
  const std::size_t titleFrom = titleOpen + 7;
  const std::size_t titleClose = text.find("</title>", titleFrom);
  if (titleClose == std::string::npos) return std::nullopt;
  const std::string titleLine = text.substr(titleFrom, titleClose - titleFrom) + '\n';
  const std::string channelTitle(CutToWholeCharacters(titleLine, kChannelTitleLimit));

  const std::string_view view = text;
  std::size_t position = titleClose + 2;
  const int itemCount = CountClosingItemTags(view.substr(position));
  const std::array<FieldTags, 6> fieldTags = {
      {{"<link>", "</link>", 300, "about:blank"},
       {tags.descriptionOpen, tags.descriptionClose, 1000, gb::kNoDescription},
       {tags.dateOpen, tags.dateClose, 60, ""},
       {"<title>", "</title>", 200, gb::kNoTitle},
       {"<author>", "</author>", 20, gb::kNoAuthor},
       {"<email>", "</email>", 80, gb::kNoEmail}}};
  WriteLinesOfItems(page, channelTitle, layout, itemCount, [&](ItemFields& fields) {
    const std::size_t tag = view.find(tags.item, position);
    return tag != std::string_view::npos &&
           ReadItem(view, tag + tags.item.size(), fieldTags, fields, position);
  });
  return itemCount;
}

}  // namespace vb
