// Every headline of every corpus feed comes back from the page as the renderer wrote it.
#include <filesystem>

#include "pageview/page_text.h"
#include "pageview_fixture.h"
#include "support/corpus_folder.h"

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

TEST(PageCorpusTest, ReaderRecoversEveryItemLineUnderEverySetting) {
  const fs::path corpus = testing::CorpusFolder();
  if (!fs::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
  struct Setting {
    const char* dir;
    int lineNum, colNum;
  };
  const Setting settings[] = {{"left", 1, 2}, {"up", 2, 2}, {"no", 2, 1}, {"right", 3, 3}};
  test::RenderedPage page;
  int feeds = 0, lines = 0;
  for (const auto& entry : fs::recursive_directory_iterator(corpus)) {
    if (!entry.is_regular_file()) continue;
    ++feeds;
    for (const Setting& setting : settings) {
      page.request_.currentChannel.path = entry.path().string();
      page.request_.dir = setting.dir;
      page.request_.lineNum = setting.lineNum;
      page.request_.colNum = setting.colNum;
      RenderChannelPage(page.request_);
      std::vector<Line> written = WrittenLines(testing::ReadFile(page.request_.pageFile));
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
}

}  // namespace
}  // namespace vb
