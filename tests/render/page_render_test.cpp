#include <cstdlib>
#include <optional>

#include "render/gb_texts.h"
#include "render_fixture.h"
#include "support/source_dir.h"

namespace vb {
namespace {

using test::ReadFile;

class PageRenderTest : public test::RenderTest {
 protected:
  // Renders a sample feed and compares the page's bytes with golden/<name>.html; with
  // VB_UPDATE_GOLDEN set the golden page is written instead.
  void ExpectGolden(const std::string& feedName, const std::string& name, int expected) {
    const std::filesystem::path golden = testing::SourceDir() / "tests/render/golden";
    Render(ReadFile(golden / feedName));
    EXPECT_EQ(result_, expected);
    const std::string page = ReadFile(request_.pageFile);
    if (std::getenv("VB_UPDATE_GOLDEN")) test::WriteFile(golden / (name + ".html"), page);
    EXPECT_EQ(page, ReadFile(golden / (name + ".html"))) << name;
  }
};

TEST_F(PageRenderTest, EachFrameFormMatchesItsGoldenPage) {
  request_.dir = "no";
  request_.lineNum = 2;
  request_.colNum = 2;
  ExpectGolden("rss2.xml", "roll", 3);

  request_.dir = "left";
  request_.currentChannel.url = "http://news.example/rss vbco;cd=right;cs=3;ct=50;";
  ExpectGolden("rss2.xml", "horizontal", 3);

  request_.currentChannel.url = "http://rdf.example/rss";
  request_.dir = "down";
  request_.noDescription = 1;
  ExpectGolden("rss1.xml", "vertical", 2);

  request_.dir = "Up";
  request_.lineNum = 1;
  request_.bkPic = "c:\\pics\\sky.jpg";
  request_.updateNotice = "<a href=http://update.example/>new <b>version</b></a>";
  ExpectGolden("rss1.xml", "other", 2);
}

TEST_F(PageRenderTest, FailuresEndThePageWithTheNoticeLine) {
  const std::string notice = std::string("<a href=http://feeds.example/news target=_blank>") +
                             "<font color=red>" + gb::kChannelEmpty + "</a>";
  const std::string closing = "</div></div></marquee></div>";
  const struct {
    std::optional<std::string> feed;  // none: no channel file
    int result;
    std::string ending;
  } rows[] = {
      {std::nullopt, -1, notice},
      {"", -1, notice},
      {"<rss><item>a</item></rss>", 0, notice},
      {"<title>News</titl", 0, notice},
      {"\x1A<title>News</title><item></item>", 0, notice},
      {"<item></item><title>News</title>", 0, notice + closing},
      {"<title>News</title><ITEM>a</ITEM></Item>", 2, "<div id=d><div>" + closing},
  };
  for (const auto& row : rows) {
    std::filesystem::remove(request_.currentChannel.path);
    if (row.feed) test::WriteFile(request_.currentChannel.path, *row.feed);
    EXPECT_EQ(RenderChannelPage(request_), row.result) << row.feed.value_or("missing");
    EXPECT_TRUE(ReadFile(request_.pageFile).ends_with(row.ending)) << row.feed.value_or("");
  }

  request_.currentChannel.url = "";
  EXPECT_TRUE(Render("").ends_with(std::string("<a><font color=red>") + gb::kNoChannel + "</a>"));

  request_.pageFile = folder_.File("missing/page.html");
  EXPECT_EQ(RenderChannelPage(request_), -1);
  EXPECT_FALSE(std::filesystem::exists(request_.pageFile));
}

}  // namespace
}  // namespace vb
