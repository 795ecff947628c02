#include "render/gb_texts.h"
#include "render_fixture.h"

namespace vb {
namespace {

using test::HasSubstr;
using test::Not;

// An Atom feed with `head` before its entries, each given as its inner markup.
std::string Atom(const std::string& head, const std::vector<std::string>& entries,
                 const std::string& encoding = "utf-8") {
  std::string feed = "<?xml version=\"1.0\" encoding=\"" + encoding +
                     "\"?>\n<feed xmlns=\"http://www.w3.org/2005/Atom\">" + head + "\n";
  for (const std::string& entry : entries) feed += "  <entry>" + entry + "</entry>\n";
  return feed + "</feed>\n";
}

// The line an entry gives with descriptions shown.
std::string Line(const std::string& link, const std::string& tooltip, const std::string& author,
                 const std::string& email, const std::string& summary, const std::string& visible) {
  return "<a href=" + link + " title=\"" + tooltip + "\n" + gb::kSentBy + author + gb::kEmail +
         email + gb::kSummary + summary + "...\" target=_blank> [" + visible + " </a>\n";
}

class AtomEntriesTest : public test::RenderTest {};

TEST_F(AtomEntriesTest, EntriesGiveTheFieldsAnRssItemWould) {
  const std::string feed = Atom(
      "<title type=\"html\">Tech &amp;amp; &lt;i&gt;News&lt;/i&gt;</title>"
      "<link rel=\"self\" href=\"http://news.example/feed.atom\"/>"
      "<link href='http://news.example/blog/index.html'/>"
      "<author><name>Desk</name><email>desk@news.example</email></author>",
      {"<id>1</id><link rel=\"self\" href=\"http://news.example/1.atom\"/>"
       "<link rel=\"edit\" href=\"http://news.example/edit/1\"/>"
       "<link rel=\"enclosure\" href=\"http://news.example/1.mp3\" length=\"9\"/>"
       "<link rel=\"alternate\" type=\"text/html\" href=\"http://news.example/1.html\"/>"
       "<link rel=\"alternate\" href=\"http://news.example/other\"/>"
       "<title type=\"xhtml\"><div xmlns=\"http://www.w3.org/1999/xhtml\">First <b>bold</b> "
       "story</div></title><published>2026-12-06T01:02:03Z</published>"
       "<updated>2026-12-06T03:01:36+08:00</updated>"
       "<author><name>Li</name><email>li@news.example</email></author>"
       "<summary type=\"html\">Said &quot;hi&quot;&lt;br&gt;bye</summary><content>long</content>",
       "<title>Second</title>\n<link\n  href=\"2.html\"/><published>2026-12-05T22:10:00Z"
       "</published><content type=\"xhtml\"><div>Body <p class=\"x\">x</p></div></content>",
       "<source><title>Elsewhere</title><link href=\"http://elsewhere.example/\"/>"
       "<updated>2020-01-01T09:09:09Z</updated></source><title>Third</title>"
       "<link href=\"/root/3\"></link><contributor><name>Wang</name></contributor>"});
  const std::string channel = "Tech &amp; News\n";
  EXPECT_EQ(Items(feed),
            Line("http://news.example/1.html", channel + "2026-12-06T03:01:36+08:00", "Li",
                 "li@news.example", "Said &quot;hi&quot;         \nbye", "03:01]First bold story") +
                Line("http://news.example/blog/2.html", channel + "2026-12-05T22:10:00Z", "Desk",
                     "desk@news.example", "<div>Body <p class='x'>x</p></div>", "22:10]Second") +
                Line("http://news.example/root/3", channel, "Desk", "desk@news.example",
                     gb::kNoDescription, "-]Third"));
  EXPECT_EQ(result_, 3);

  // The feed's xml:base comes before its own link.
  const std::string based =
      std::regex_replace(feed, std::regex("<feed "), "<feed xml:base = 'https://base.example/x/' ");
  EXPECT_THAT(Items(based), HasSubstr("<a href=https://base.example/root/3 title="));

  request_.noDescription = 1;
  EXPECT_THAT(Items(feed), HasSubstr(channel + "2026-12-05T22:10:00Z\n...\" target=_blank>"));
}

TEST_F(AtomEntriesTest, MissingFieldsTakeTheDefaultsAndAFeedNeedsNoTitle) {
  const std::string empty = Line("about:blank", "", gb::kNoAuthor, gb::kNoEmail, gb::kNoDescription,
                                 std::string("-]") + gb::kNoTitle);
  EXPECT_EQ(Items(Atom("", {"<author></author>", "<title>Open<summary>s</summary>"})),
            empty + Line("about:blank", "", gb::kNoAuthor, gb::kNoEmail, "s",
                         std::string("-]") + gb::kNoTitle));
  EXPECT_EQ(result_, 2);

  // Only one entry is closed; the count is of closed entries, as of closed items.
  EXPECT_EQ(Items(Atom("<title>F</title>", {"<title/><link rel=\"self\" href=\"http://a/\"/>"}) +
                  "<entry><title>cut off"),
            Line("about:blank", "F\n", gb::kNoAuthor, gb::kNoEmail, gb::kNoDescription, "-]"));
  EXPECT_EQ(result_, 1);

  Render(Atom("<title>F</title>", {}) + "</entry>");
  EXPECT_EQ(result_, 0);
}

TEST_F(AtomEntriesTest, FieldsAreCutAtTheirLimitsAsShown) {
  const std::string title = "&lt;b&gt;" + std::string(200, 't') + "&lt;/b&gt;u";
  const std::string link = "http://a.example/" + std::string(300, 'l');
  EXPECT_EQ(
      Items(Atom("<title>" + std::string(50, 'c') + "</title>",
                 {"<title type=\"html\">" + title + "</title><link href=\"" + link +
                  "\"/><updated>" + std::string(61, '1') + "</updated><summary>" +
                  std::string(1001, 's') + "</summary><author><name>" + std::string(21, 'n') +
                  "</name><email>" + std::string(81, 'e') + "</email></author>"})),
      Line(link.substr(0, 300), std::string(50, 'c') + std::string(60, '1'), std::string(20, 'n'),
           std::string(80, 'e'), std::string(1000, 's'), "-]" + std::string(200, 't')));
}

TEST_F(AtomEntriesTest, ChineseFeedsInUtf8) {
  request_.noDescription = 1;
  EXPECT_EQ(
      Items(Atom("<title>\xE6\x96\xB0\xE9\x97\xBB</title>",
                 {"<title type=\"html\">&lt;b&gt;\xE4\xB8\xAD\xE6\x96\x87&lt;/b&gt;"
                  "\xE6\xA0\x87\xE9\xA2\x98</title><updated>2026-12-06T08:30:00+08:00</updated>"})),
      "<a href=about:blank title=\"\xD0\xC2\xCE\xC5\n2026-12-06T08:30:00+08:00\n...\" "
      "target=_blank> [08:30]\xD6\xD0\xCE\xC4\xB1\xEA\xCC\xE2 </a>\n");
  // A limit that falls inside a character ends before it.
  std::string wide, cut;
  for (int i = 0; i < 100; ++i) wide += "\xE4\xB8\xAD";
  for (int i = 0; i < 99; ++i) cut += "\xD6\xD0";
  EXPECT_THAT(Items(Atom("", {"<title>t" + wide + "</title>"})), HasSubstr("-]t" + cut + " </a>"));
}

TEST_F(AtomEntriesTest, HostileTitlesAndLinksStayText) {
  const std::string lines = Items(
      Atom("<title>a\"b</title><link href=\"javascript:alert(1)//\"/>",
           {"<title type=\"html\">&lt;script&gt;alert(1)&lt;/script&gt;&amp;lt;b&amp;gt;</title>"
            "<link href=\" JavaScript:alert(1)\"/>",
            "<title><![CDATA[<img src=x onerror=alert(1)>]]></title><link href=\"rel/x\"/>",
            "<title type=\"html\">&#60;b&#62;x&#x3C;/b&#x3e; &#20013;&amp</title>"
            "<link rel=\"alternate\" href=\" http://a.example/x y&quot;z'&lt;w&gt;`\"/>",
            "<title type=\"xhtml\">\"q\" <a href=\"javascript:x\">t</a><</title>"
            "<link title='rel=\"alternate\"' rel=\"self\" href=\"data:text/html,x\"/>"}));
  EXPECT_THAT(lines, HasSubstr("<a href=about:blank title=\"a'b\n"));
  EXPECT_THAT(lines, HasSubstr("]alert(1)&lt;b&gt; </a>"));
  EXPECT_THAT(lines, HasSubstr("]         &lt;img src=x onerror=alert(1)&gt;    </a>"));
  EXPECT_THAT(lines, HasSubstr("<a href=http://a.example/x%20y&quot;z%27&lt;w&gt;%60 title="));
  EXPECT_THAT(lines, HasSubstr("]x &#20013;&amp </a>"));
  EXPECT_THAT(lines, HasSubstr("]\"q\" t&lt; </a>"));
  EXPECT_THAT(lines, Not(HasSubstr("rel/x")));
  EXPECT_THAT(lines, Not(HasSubstr("data:")));
  EXPECT_EQ(result_, 4);
}

TEST_F(AtomEntriesTest, OnlyFeedsWithoutItemsAreReadAsAtomAndGroupAsItems) {
  const std::string entry = "<entry><title>e</title></entry>";
  EXPECT_THAT(Items(test::Feed({"<title>i</title>"}) + entry), Not(HasSubstr("]e ")));
  EXPECT_EQ(result_, 1);
  EXPECT_EQ(Items(Atom("<title>F</title>", {"<title>e</title>"}) + "</ITEM>"), "");
  EXPECT_EQ(result_, 1);

  request_.noDescription = 1;
  request_.lineNum = 2;
  EXPECT_EQ(test::LinesPerGroup(Items(Atom("<title>F</title>", std::vector<std::string>(7, "")))),
            (std::vector<int>{3, 4}));
  EXPECT_EQ(result_, 7);
}

}  // namespace
}  // namespace vb
