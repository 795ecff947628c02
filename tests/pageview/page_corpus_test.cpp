// Every corpus feed, under every form of the page: the page holds only the frame's markup, an
// Atom feed gives a line per entry (with its link and time where the feed is a real one of
// several entries), and every item line comes back from the page as the renderer wrote it.
#include <strings.h>

#include <filesystem>
#include <regex>

#include "pageview/page_text.h"
#include "pageview_fixture.h"
#include "support/corpus_folder.h"
#include "support/page_markup.h"

namespace vb {
namespace {

namespace fs = std::filesystem;

struct Line {
  std::string address, tooltip, text;
  bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Line& line) {
  return out << line.address << " | " << line.tooltip.substr(0, 40) << " | " << line.text;
}

// The item lines of a page file, found by the fixed shape the renderer gives each of them.
std::vector<Line> WrittenLines(std::string page) {
  std::string lf;
  for (std::size_t i = 0; i < page.size(); ++i) {
    if (page[i] != '\r' || i + 1 >= page.size() || page[i + 1] != '\n') lf += page[i];
  }
  std::vector<Line> lines;
  static const std::string kOpen = "<a href=", kTitle = " title=\"", kEnd = "\" target=_blank>";
  for (std::size_t at = lf.find(kOpen); at != std::string::npos; at = lf.find(kOpen, at + 1)) {
    std::size_t title = lf.find(kTitle, at);
    std::size_t end = title == std::string::npos ? title : lf.find(kEnd, title);
    std::size_t close = end == std::string::npos ? end : lf.find(" </a>\n", end);
    if (close == std::string::npos || lf.find(' ', at + kOpen.size()) != title) continue;
    std::size_t textStart = end + kEnd.size();
    lines.push_back(Line{lf.substr(at + kOpen.size(), title - at - kOpen.size()),
                         lf.substr(title + kTitle.size(), end - title - kTitle.size()),
                         DecodeEntities(lf.substr(textStart, close + 1 - textStart))});
  }
  return lines;
}

// The entries of an Atom feed, each closed, or 0 for any other feed.
int AtomEntries(const std::string& feed) {
  if (feed.find("<feed") == std::string::npos || strcasestr(feed.c_str(), "</item>")) return 0;
  int count = 0;
  for (std::size_t at = feed.find("</entry>"); at != std::string::npos;
       at = feed.find("</entry>", at + 1)) {
    ++count;
  }
  return count;
}

TEST(PageCorpusTest, EveryFeedUnderEverySettingGivesItsLinesAndNothingElse) {
  const fs::path corpus = testing::CorpusFolder();
  if (!fs::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
  struct Setting {
    const char* dir;
    int lineNum, colNum;
  };
  const Setting settings[] = {{"left", 1, 2}, {"up", 2, 2}, {"no", 2, 1}, {"right", 3, 3}};
  static const std::regex kTimedText(R"( \[\d\d:\d\d\][\s\S]+)");
  test::RenderedPage page;
  int feeds = 0, lines = 0, atomFeeds = 0;
  for (const auto& entry : fs::recursive_directory_iterator(corpus)) {
    if (!entry.is_regular_file()) continue;
    ++feeds;
    const int entries = AtomEntries(testing::ReadFile(entry.path()));
    atomFeeds += entries > 0;
    for (const Setting& setting : settings) {
      page.request_.currentChannel.path = entry.path().string();
      page.request_.dir = setting.dir;
      page.request_.lineNum = setting.lineNum;
      page.request_.colNum = setting.colNum;
      const int result = RenderChannelPage(page.request_);
      const std::string file = testing::ReadFile(page.request_.pageFile);
      EXPECT_EQ(testing::PageMarkupFault(file), "") << entry.path();
      const std::vector<Line> written = WrittenLines(file);
      if (entries > 0) {
        EXPECT_EQ(result, entries) << entry.path();
        EXPECT_EQ(written.size(), static_cast<std::size_t>(entries)) << entry.path();
        // The real feeds of several entries give each one's link and time.
        for (const Line& line : written) {
          if (entry.path().extension() != ".atom" || entries == 1) break;
          EXPECT_TRUE(line.address.starts_with("http") && std::regex_match(line.text, kTimedText))
              << entry.path() << ": " << line;
        }
      }
      std::optional<PageModel> model = ReadPageFile(page.request_.pageFile);
      ASSERT_TRUE(model.has_value());
      std::vector<Line> read;
      for (const PageRun& run : test::RunsOf(*model, RunKind::kItem)) {
        read.push_back(Line{run.address, run.tooltip, run.text});
      }
      EXPECT_EQ(read, written) << entry.path() << " " << setting.dir;
      lines += static_cast<int>(written.size());
    }
  }
  EXPECT_GT(feeds, 0);
  EXPECT_GT(lines, 0);
  EXPECT_GE(atomFeeds, 6);
}

}  // namespace
}  // namespace vb
