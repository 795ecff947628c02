#include "render/gb_texts.h"
#include "render_fixture.h"

namespace vb {
namespace {

using test::HasSubstr;
using test::Not;

using test::Feed;

class ItemLinesTest : public test::RenderTest {
 protected:
  // The sizes of the groups of `n` items.
  std::vector<int> Groups(int n) {
    request_.noDescription = 1;
    return test::LinesPerGroup(Items(Feed(std::vector<std::string>(n, "<title>t</title>"))));
  }
};

TEST_F(ItemLinesTest, GroupsFollowTheFormAndItsCounts) {
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
  request_.noDescription = 1;
  EXPECT_THAT(Items(Feed({"<dc:date>x 03:01:36</dc:date>"}, "<pubDate>1 10:00</pubDate>")),
              HasSubstr("\n\n...\" target=_blank> [-]"));
  request_.noDescription = 0;
  EXPECT_THAT(Items(Feed({"<content:encoded><![CDATA[<p>Hi</p>]]></content:encoded>"})),
              HasSubstr(":\n         <p>Hi</p>   ...\""));
  EXPECT_THAT(Items(Feed({"<description>d</description>"})), Not(HasSubstr("content")));
}

TEST_F(ItemLinesTest, CutsAtTheLimitsKeepWholeCharacters) {
  request_.codePage = "936";
  const std::string xin = "\xD0\xC2";  // one character, two bytes
  // Each field with a character across its limit, the title's with one that ends right on it.
  const auto across = [&](char c, std::size_t limit) { return std::string(limit - 1, c) + xin; };
  const std::string link = "http://a/" + across('l', 300 - 9);
  const std::string lines =
      Items("<title>" + across('c', 50) + "</title><item><link>" + link + "</link><title>" +
            std::string(198, 't') + xin + "x</title><description>" + xin + across('d', 998) +
            "</description><pubDate>" + across('1', 60) + "</pubDate><author>" + across('a', 20) +
            "</author><email>" + across('e', 80) + "</email></item>");
  EXPECT_THAT(lines, HasSubstr("<a href=" + link.substr(0, 299) + " title="));
  EXPECT_THAT(lines, HasSubstr("\"" + std::string(49, 'c') + std::string(59, '1') + "\n"));
  EXPECT_THAT(lines, HasSubstr(gb::kSentBy + std::string(19, 'a') + gb::kEmail));
  EXPECT_THAT(lines, HasSubstr(gb::kEmail + std::string(79, 'e') + gb::kSummary));
  EXPECT_THAT(lines, HasSubstr(gb::kSummary + xin + std::string(997, 'd') + "...\""));
  EXPECT_THAT(lines, HasSubstr("]" + std::string(198, 't') + xin + " </a>"));

  // A channel title one byte short of the limit keeps its character and loses its LF.
  EXPECT_THAT(Items("<title>" + std::string(48, 'c') + xin + "</title><item></item>"),
              HasSubstr("\"" + std::string(48, 'c') + xin + "\n"));
}

TEST_F(ItemLinesTest, HostileFeedTextStaysText) {
  const std::string lines = Items(
      Feed({"<title>&lt;b&gt;<script>x</script></title><link> JavaScript:alert(1)</link>",
            "<link>\n  HTTP://a.example/x y\"z'<w>`\x7F&amp;q\t\n</link><pubDate><b>1:2></pubDate>",
            "<link>data:text/html,x</link><author>\"onmouseover=\"x</author>"},
           "<title>a\"b</title>"));
  EXPECT_THAT(lines, HasSubstr("<a href=about:blank title=\"a'b\n"));
  EXPECT_THAT(lines, HasSubstr("]&lt;b&gt;&lt;script&gt;x&lt;/script&gt; </a>"));
  EXPECT_THAT(lines, HasSubstr("<a href=HTTP://a.example/x%20y%22z%27%3Cw%3E%60%7F&amp;q title="));
  EXPECT_THAT(lines, HasSubstr("[&gt;1:2&gt;]"));
  EXPECT_THAT(lines, HasSubstr(std::string(gb::kSentBy) + "'onmouseover='x"));
  EXPECT_THAT(lines, Not(HasSubstr("data:")));

  request_.currentChannel.url = " javascript:alert(1) vbco;cd=up;";
  EXPECT_THAT(Render(""), HasSubstr("<a href=about:blank target=_blank>"));

  // A feed's links lead to the web or to mail only; the notice keeps the channel's own file.
  request_.currentChannel.url = "http://feeds.example/news";
  const std::string links = Items(Feed(
      {"<link>file://attacker.example/share/x.exe</link>", "<link>FILE:///c:/windows/x.exe</link>",
       "<link>\\\\attacker.example\\share</link>", "<link>ftp://f.example/a</link>",
       "<link>MailTo:a@b.example</link>", "<link>https://h.example/</link>"}));
  EXPECT_EQ(test::LinesPerGroup(links), (std::vector<int>{6}));
  EXPECT_THAT(links, Not(HasSubstr("file:")));
  EXPECT_THAT(links, Not(HasSubstr("attacker")));
  for (const char* kept : {"ftp://f.example/a", "MailTo:a@b.example", "https://h.example/"}) {
    EXPECT_THAT(links, HasSubstr(std::string("<a href=") + kept + " title=")) << kept;
  }
  request_.currentChannel.url = "file:///c:/feeds/news.xml";
  EXPECT_THAT(Render(""), HasSubstr("<a href=file:///c:/feeds/news.xml target=_blank>"));
}

TEST_F(ItemLinesTest, APageHoldsTheFirstThousandItems) {
  request_.noDescription = 1;
  std::vector<std::string> items;
  for (int i = 0; i < 2500; ++i) items.push_back("<title>t" + std::to_string(i) + "</title>");
  std::string lines = Items(Feed(items));
  EXPECT_EQ(result_, 2500);
  EXPECT_EQ(test::LinesPerGroup(lines), (std::vector<int>{1000}));
  EXPECT_THAT(lines, HasSubstr("]t999 </a>"));
  EXPECT_THAT(lines, Not(HasSubstr("]t1000 </a>")));
  // The lines written are what the horizontal form spreads over its lines.
  request_.lineNum = 2;
  EXPECT_EQ(test::LinesPerGroup(Items(Feed(items))), (std::vector<int>{500, 500}));
  // A flood of empty items stays a page of a thousand lines, Atom entries too.
  request_.lineNum = 1;
  std::string flood = "<rss><channel><title>x</title>";
  for (int i = 0; i < 200000; ++i) flood += "<item></item>";
  EXPECT_EQ(test::LinesPerGroup(Items(flood)), (std::vector<int>{1000}));
  std::string atom = "<feed><title>x</title>";
  for (int i = 0; i < 200000; ++i) atom += "<entry></entry>";
  EXPECT_EQ(test::LinesPerGroup(Items(atom)), (std::vector<int>{1000}));
  EXPECT_EQ(result_, 200000);
}

}  // namespace
}  // namespace vb
