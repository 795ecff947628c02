#include <cstdlib>
#include <optional>

#include "render/gb_texts.h"
#include "render_fixture.h"
#include "support/page_markup.h"
#include "support/source_dir.h"

namespace vb {
namespace {

using test::HasSubstr;
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

TEST_F(PageRenderTest, HostileOptionsAndSettingsWriteNothingButTheFramesMarkup) {
  const std::string feed = test::Feed({"<title>a</title><link>http://a.example/1</link>"});
  // Each hostile address renders the page of its harmless twin, which the frame check passes.
  const std::pair<std::string, std::string> addresses[] = {
      {"http://x/feed vbco;cd=l onstart=alert(1) x", "http://x/feed"},
      {"http://x/feed vbco;cd=no;ct=1),alert(2),(1", "http://x/feed vbco;cd=no"},
      {"http://x/feed vbco;cd=no;ccn=2;cs=1;alert(3)//", "http://x/feed vbco;cd=no;ccn=2"},
      {"http://x/feed vbco;cd=up' onmouseover='x;cs=2+alert(1)", "http://x/feed vbco;cd=left"},
      {"http://x/feed vbco;cd=down;cs=\xA3\xB2;ct=9<b>", "http://x/feed vbco;cd=down"}};
  for (const auto& [hostile, twin] : addresses) {
    request_.currentChannel.url = hostile;
    const std::string page = Render(feed);
    EXPECT_EQ(testing::PageMarkupFault(page), "") << hostile;
    request_.currentChannel.url = twin;
    EXPECT_EQ(page, Render(feed)) << hostile;
  }

  // Every byte that could end the url(...), the rule or the style is encoded, and a backslash,
  // which could start a CSS escape, is a slash; a script address and another machine's share
  // are left out, and a lead byte without its second byte is not written as it stands.
  const std::pair<std::string, std::string> pictures[] = {
      {"c:\\my pics\\a'b\"c;{d}.jpg", "c:/my%20pics/a%27b%22c%3B%7Bd%7D.jpg"},
      {")}</style><script>alert(1)</script>",
       "%29%7D%3C/style%3E%3Cscript%3Ealert%281%29%3C/script%3E"},
      {"JavaScript:alert(1)", ""},
      {"VBScript:msgbox(1)", ""},
      {"javascript\\3a alert(1)", "javascript/3a%20alert%281%29"},
      {"\\\\attacker.example\\share\\p.jpg", ""},
      {"/\\attacker.example/p.jpg", ""},
      {"file://attacker.example/share/p.jpg", ""},
      {"FILE:\\\\\\\\attacker.example\\p.jpg", ""},
      {"file:%5C%5Cattacker.example/p.jpg", ""},
      {"file:///c:/pics/a.jpg", "file:///c:/pics/a.jpg"},
      {"file://localhost/c:/a.jpg", "file://localhost/c:/a.jpg"},
      {"file://d:\\a.jpg", "file://d:/a.jpg"},
      {"http://x/\xD0\xC2\xD0", "http://x/\xD0\xC2%D0"}};
  for (const auto& [picture, written] : pictures) {
    request_.bkPic = picture;
    const std::string page = Render(feed);
    EXPECT_THAT(page, HasSubstr(" url(" + written + ")}")) << picture;
    EXPECT_EQ(testing::PageMarkupFault(page), "") << picture;
  }

  // The notice line's link keeps its last character whole.
  request_.currentChannel.url = "http://x/\xD0";
  EXPECT_THAT(Render(""), HasSubstr("<a href=http://x/%D0 target=_blank>"));
  EXPECT_EQ(testing::PageMarkupFault(ReadFile(request_.pageFile)), "");
}

TEST_F(PageRenderTest, TheFrameCheckFindsMarkupThatTheRendererDoesNotWrite) {
  request_.currentChannel.url = "http://x/feed";
  const std::string page = Render(test::Feed({"<title>a</title>"}));
  ASSERT_EQ(testing::PageMarkupFault(page), "");
  const std::pair<std::string, std::string> injections[] = {
      {"direction=left", "direction=l onstart=alert(1) x"},
      {"url()", "url()}</style><script>alert(1)</script><style>"},
      {"scrollamount=2", "scrollamount=2+alert(1)"},
      {"<a href=about:blank", "<a href=javascript:alert(1)"},
      {"<a href=about:blank", "<a href=file://host/share/x.exe"},
      {"<a href=about:blank", "<a href=about:blank\xD0"},
      {"url()", "url(javascript\\3a alert(1))"},
      {"url()", "url(//host/share/p.jpg)"},
      {"url()", "url(file://host/share/p.jpg)"},
      {"url()", "url(%5C%5Chost/p.jpg)"},
      {"<div id=d><div>", "<div id=d><div><a href=\"javascript:x\">"},
      {"<div id=d><div>", "<div id=d><div><a href=\"http://x/\" onclick=\"x\">"},
      {"<div id=d><div>", "<div id=d><div><img src=x>"}};
  for (const auto& [from, to] : injections) {
    std::string broken = page;
    broken.replace(broken.find(from), from.size(), to);
    EXPECT_NE(testing::PageMarkupFault(broken), "") << to;
  }
}

}  // namespace
}  // namespace vb
