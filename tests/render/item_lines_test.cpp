#include "render/gb_texts.h"
#include "render_fixture.h"

namespace vb {
namespace {

using test::Feed;

class ItemLinesTest : public test::RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    request_.noDescription = 1;
  }
  // The sizes of the groups of `n` items.
  std::vector<int> Groups(int n) {
    const std::string page = Items(Feed(std::vector<std::string>(n, "<title>t</title>")));
    std::vector<int> sizes{0};
    for (std::size_t at = 0; at < page.size(); ++at) {
      if (page.compare(at, 8, "<a href=") == 0) ++sizes.back();
      if (page.compare(at, 11, "</div><div>") == 0) sizes.push_back(0);
    }
    return sizes;
  }
};

TEST_F(ItemLinesTest, GroupsFollowTheFormAndItsCounts) {
  request_.dir = "left";
  EXPECT_EQ(Groups(5), (std::vector<int>{5}));
  request_.lineNum = 2;
  EXPECT_EQ(Groups(7), (std::vector<int>{3, 4}));
  request_.lineNum = 3;
  EXPECT_EQ(Groups(10), (std::vector<int>{3, 3, 4}));
  EXPECT_EQ(Groups(2), (std::vector<int>{1, 1, 0}));
  request_.dir = "no";
  request_.colNum = 2;
  EXPECT_EQ(Groups(5), (std::vector<int>{2, 2, 1}));
  request_.dir = "up";
  EXPECT_EQ(Groups(4), (std::vector<int>{2, 2, 0}));
  request_.currentChannel.url = "http://a vbco;ccn=0;";
  EXPECT_EQ(Groups(4), (std::vector<int>{4}));
}

TEST_F(ItemLinesTest, TagChoiceAndCdata) {
  // The only </pubDate> is the channel's: items keep <pubDate> and show no time.
  EXPECT_NE(Items(Feed({"<dc:date>x 03:01:36</dc:date>"}, "<pubDate>1 10:00</pubDate>"))
                .find("\n\n...\" target=_blank> [-]"),
            std::string::npos);
  request_.noDescription = 0;
  EXPECT_NE(Items(Feed({"<content:encoded><![CDATA[<p>Hi</p>]]></content:encoded>"}))
                .find(":\n         <p>Hi</p>   ...\""),
            std::string::npos);
  EXPECT_EQ(Items(Feed({"<description>d</description>"})).find("content"), std::string::npos);
}

TEST_F(ItemLinesTest, FieldsAreCutAtTheirLimitsEvenInsideACharacter) {
  request_.noDescription = 0;
  request_.codePage = "936";
  const std::string title = std::string(199, 't') + "\xD0\xC2";
  const std::string channel = std::string(48, 'c') + "\xD0\xC2";
  const std::string lines =
      Items("<title>" + channel + "</title><item><title>" + title + "</title><description>" +
            std::string(1001, 'd') + "</description><pubDate>" + std::string(61, '1') +
            "</pubDate><author>" + std::string(21, 'a') + "</author></item>");
  EXPECT_NE(lines.find("]" + title.substr(0, 200) + " </a>"), std::string::npos);
  EXPECT_NE(lines.find("\"" + channel.substr(0, 50) + std::string(60, '1') + "\n"),
            std::string::npos);
  EXPECT_NE(lines.find(std::string(gb::kSentBy) + std::string(20, 'a') + "\n"), std::string::npos);
  EXPECT_NE(lines.find("\n" + std::string(1000, 'd') + "...\""), std::string::npos);
}

TEST_F(ItemLinesTest, HostileFeedTextStaysText) {
  request_.noDescription = 0;
  const std::string lines = Items(
      Feed({"<title>&lt;b&gt;<script>x</script></title><link> JavaScript:alert(1)</link>",
            "<link>\n  HTTP://a.example/x y\"z'<w>`\x7F&amp;q\t\n</link><pubDate><b>1:2></pubDate>",
            "<link>data:text/html,x</link><author>\"onmouseover=\"x</author>"},
           "<title>a\"b</title>"));
  EXPECT_NE(lines.find("<a href=about:blank title=\"a'b\n"), std::string::npos);
  EXPECT_NE(lines.find("]&lt;b&gt;&lt;script&gt;x&lt;/script&gt; </a>"), std::string::npos);
  EXPECT_NE(lines.find("<a href=HTTP://a.example/x%20y%22z%27%3Cw%3E%60%7F&amp;q title="),
            std::string::npos);
  EXPECT_NE(lines.find("[&gt;1:2&gt;]"), std::string::npos);
  EXPECT_NE(lines.find(std::string(gb::kSentBy) + "'onmouseover='x"), std::string::npos);
  EXPECT_EQ(lines.find("data:"), std::string::npos);

  request_.currentChannel.url = " javascript:alert(1) vbco;cd=up;";
  EXPECT_NE(Render("").find("<a href=about:blank target=_blank>"), std::string::npos);
}

}  // namespace
}  // namespace vb
