// What the page view shows against what a browser shows for the same page: each table's
// expectations were read from a browser engine given the same markup in a gb2312 page.
#include "pageview/line_breaks.h"
#include "pageview/page_links.h"
#include "pageview/page_text.h"
#include "pageview/page_view.h"
#include "pageview_fixture.h"

namespace vb {
namespace {

using ::testing::_;
using ::testing::ElementsAre;
using ::testing::FieldsAre;

constexpr char kNbsp = kNoBreakSpace;

TEST(BrowserParityTest, CharacterReferencesInTextAndInAttributes) {
  struct Case {
    const char* written;
    ReferenceContext where;
    std::string shown;
  };
  const auto text = ReferenceContext::kText, attribute = ReferenceContext::kAttribute;
  const Case cases[] = {
      // Fields cut at their byte limit inside a reference, and escaped markup.
      {"Au &amp", text, "Au &"},
      {"</td&gt", text, "</td>"},
      {"&lt;b&gt; &amp;amp; &AMP;&lt&gt", text, "<b> &amp; &<>"},
      // The whole table, longest name first; what 936 lacks is '?'.
      {"&mdash;&hellip;&eacute;&middot;&rarr;&fjlig;", text,
       "\xA1\xAA\xA1\xAD\xA8\xA6\xA1\xA4\xA1\xFA"
       "fj"},
      {"verst&auml;rkten &bdquo;Foxes&ldquo;", text, "verst?rkten ?Foxes\xA1\xB0"},
      {"&amp &ampx &notit; &copy=2", text, "& &x ?it; ?=2"},
      // Numbers: 128 to 159 as windows-1252, nothing and beyond Unicode as the replacement.
      {"&#128;&#150;&#x97;&#65;&#x42;&#20013&#0;&#99999999999;", text,
       "\x80\xA8"
       "C\xA1\xAA"
       "AB\xD6\xD0??"},
      {"&unknown; & &#; &#x; &", text, "&unknown; & &#; &#x; &"},
      {"a&nbsp;b&#160;c\x1F"
       "d",
       text, std::string("a") + kNbsp + "b" + kNbsp + "cd"},
      // In an attribute an old name without ';' stays before a letter, digit or '='.
      {"?a=1&copy=2&amp&notin&lt=3", attribute, "?a=1&copy=2&&notin&lt=3"},
      {"&ampx &copy=2 &notit; &#150; &amp;", attribute,
       "&ampx &copy=2 &notit; \xA8"
       "C &"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeEntities(c.written, c.where), c.shown) << c.written;
}

TEST(BrowserParityTest, TooltipsShowTheTitleAsAPersonReadsIt) {
  const std::pair<const char*, const char*> cases[] = {
      // The usual summary: escaped HTML, decoded and then its tags removed.
      {"News &amp; more\n&lt;p&gt;Summary &lt;b&gt;bold&lt;/b&gt;&lt;/p&gt;...",
       "News & more\nSummary bold..."},
      {"<p>raw</p> tags <!-- note --> <br/>gone", "raw tags gone"},
      // What only looks like a comparison stays.
      {"1 < 2 and 3 > 2; a <b unterminated", "1 < 2 and 3 > 2; a <b unterminated"},
      {"&amp;lt;p&amp;gt; twice escaped", "&lt;p&gt; twice escaped"},
      {"line one   \nline \t two\n\n", "line one \nline two\n\n"},
      {"a&nbsp;&nbsp;b &ldquo;q&rdquo; &#x4E2D;", "a  b \xA1\xB0q\xA1\xB1 \xD6\xD0"},
  };
  for (const auto& [title, shown] : cases) EXPECT_EQ(ReadableTooltip(title), shown) << title;
}

TEST(BrowserParityTest, ClickedAddressesLeaveAsABrowserSendsThem) {
  // The address as the page writes it; the click decodes it as an attribute.
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"http://news.example/1?a=1&copy=2&amp;b=2", "http://news.example/1?a=1&copy=2&b=2"},
      // Path in UTF-8, query in 936, fragment in UTF-8.
      {"http://x.example/\xD6\xD0\xCE\xC4 \xC2\xB7\xBE\xB6?q=\xD6\xD0\xCE\xC4 'x'#\xC6\xAC",
       "http://x.example/%E4%B8%AD%E6%96%87%20%E8%B7%AF%E5%BE%84?q=%D6%D0%CE%C4%20%27x%27#%E7%89%"
       "87"},
      // The version line of the update note lands in its address.
      {"http://up.example/v9999\n1141", "http://up.example/v99991141"},
      {"http://x.example/a\nb\tc", "http://x.example/abc"},
      {" HTTPS://News.example/\xD6\xD0\n", "https://news.example/%E4%B8%AD"},
      {"http://a.example/ -new-window", "http://a.example/%20-new-window"},
      {"http://a.example/\"c\"", "http://a.example/%22c%22"},
      {"http://a.example/x\x7Fy", "http://a.example/x%7Fy"},
      {"http:\\\\a.example\\b\\c?d\\e#f\\g", "http://a.example/b/c?d\\e#f\\g"},
      {"http://a.example/%41%zz{}`|^", "http://a.example/%41%zz%7B%7D%60%7C%5E"},
      {"http://a.example/?q={}`|^<>", "http://a.example/?q={}`|^%3C%3E"},
      {"mailto:editor@news.example?subject=\xD6\xD0 x",
       "mailto:editor@news.example?subject=%E4%B8%AD%20x"},
      {"ftp://files.example/a", "ftp://files.example/a"},
      // None of these leaves the bar.
      {"", std::nullopt},
      {"file:///C:/velloband.ini", std::nullopt},
      {"about:blank", std::nullopt},
      {"javascript:void(0)", std::nullopt},
      {" \tJavaScript:alert(1)", std::nullopt},
      {"data:text/html,x", std::nullopt},
      {"vbscript:x", std::nullopt},
      {"http://", std::nullopt},
      {"mailto:", std::nullopt},
      {"http//x", std::nullopt},
      {"news.example/1", std::nullopt},
      {"http://a b.example/", std::nullopt},
      {"http://a\"b.example/", std::nullopt},
  };
  PageView view;
  test::FixedWidth measure;
  for (const auto& [written, sent] : cases) {
    std::string escaped;
    for (char c : std::string_view(written))
      escaped += c == '"' ? std::string("&quot;") : std::string(1, c);
    view.Show(ReadPage("<div id=d><div><a href=\"" + escaped + "\">link</a></div></div>"), measure,
              300, 24, 0);
    std::optional<std::string> clicked = view.Click(80, 5);
    EXPECT_EQ(clicked ? AddressToOpen(*clicked) : std::nullopt, sent) << written;
  }
}

// Where a browser may start a new line in a headline (a 100 px wide column of 10 px cells).
TEST(BrowserParityTest, LinesBreakWhereABrowserBreaksThem) {
  const std::pair<const char*, std::vector<std::size_t>> cases[] = {
      {"word-word", {5}},
      {"aa bb", {3}},
      {"a,b.c;d/e", {}},
      {"\xD6\xD0\xCE\xC4\xA3\xAC\xD6\xD0", {2, 6}},  // 中文，中: never before the comma
      {"\xD6\xD0\xA3\xA8\xCE\xC4", {2}},             // 中（文: never after the bracket
      {"[1]\xD6\xD0x", {3, 5}},
      {"2026\xC4\xEA"
       "7",
       {4, 6}},
      {"\xD6\xD0\"x\"", {}},
      {"a\x1F"
       "b \x1F"
       "c",
       {}},
  };
  for (const auto& [text, expected] : cases) {
    std::vector<bool> breaks = LineBreakOpportunities(text);
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < breaks.size(); ++i) {
      if (breaks[i]) at.push_back(i);
    }
    EXPECT_EQ(at, expected) << text;
  }
}

class ShownPageTest : public test::ViewTest {
 protected:
  // The strip's lines as text, one per line from the top.
  std::vector<std::string> Lines(const PageModel& model, int viewWidth) {
    view_.Show(model, measure_, viewWidth, 48, 0);
    std::map<int, std::string> lines;
    for (const PlacedRun& run : view_.Layout().runs) lines[run.y] += run.text;
    std::vector<std::string> texts;
    for (const auto& [y, text] : lines) texts.push_back(text);
    return texts;
  }
};

TEST_F(ShownPageTest, WideLinesWrapInTheVerticalAndRollFormsOnly) {
  // A scroller 160 px wide: twenty bytes of 8 px.
  const int view = 72 + 160;
  const std::string feed = test::Feed(
      {"<title>Chinese and English words wrap</title><link>http://news.example/1</link>",
       "<title>\xD6\xD0\xCE\xC4\xD6\xD0\xCE\xC4\xD6\xD0\xCE\xC4\xD6\xD0\xCE\xC4\xA3\xAC\xD6\xD0</"
       "title>",
       "<title>averyveryverylongwordwiderthanthescroller end</title>"});
  page_.request_.codePage = "936";
  page_.request_.colNum = 1;
  page_.request_.lineNum = 2;
  for (const char* form : {"up", "down", "no"}) {
    page_.request_.dir = form;
    EXPECT_THAT(Lines(page_.Read(feed), view),
                ElementsAre("[-]Chinese and", "English words wrap",
                            // 中文中文中文中 | 文，中: the comma keeps the character before it.
                            "[-]\xD6\xD0\xCE\xC4\xD6\xD0\xCE\xC4\xD6\xD0\xCE\xC4\xD6\xD0",
                            "\xCE\xC4\xA3\xAC\xD6\xD0", "[-]averyveryverylong",
                            "wordwiderthanthescro", "ller end"))
        << form;
  }
  // The group grows by whole lines, and the roll form shows the taller groups whole.
  const PageLayout& layout = view_.Layout();
  EXPECT_THAT(layout.groups, ElementsAre(FieldsAre(0, 48), FieldsAre(48, 48), FieldsAre(96, 72),
                                         FieldsAre(168, 0)));
  EXPECT_EQ(layout.stripHeight, 168);
  ASSERT_NE(view_.RunAt(80, 30), nullptr);
  EXPECT_EQ(view_.RunAt(80, 30)->address, "http://news.example/1");
  // Both lines of a headline take the hover look together.
  view_.PointerAt(80, 30, 0);
  EXPECT_TRUE(view_.LookOf(layout.runs[0]).underline);
  EXPECT_FALSE(view_.LookOf(layout.runs[2]).underline);

  page_.request_.dir = "left";
  page_.request_.lineNum = 1;
  EXPECT_EQ(Lines(page_.Read(feed), view).size(), 1u);
}

TEST_F(ShownPageTest, LinksTakeTheHeadsColoursWhateverFontSurroundsThem) {
  PageModel model = ReadPage(
      "<style>a:link{color:ff0000}a:visited{color:00ff00}a:hover{color:ff00ff}</style>"
      "<div id=d><div><font color=blue><a href=h1>out</a></font> "
      "<a href=h2><font color=green>in</font></a> <a href=h3><font color=teal>open</a> "
      "after <a href=h4>next</a></div></div>");
  view_.Show(model, measure_, 600, 24, 0);
  std::vector<std::pair<std::string, std::uint32_t>> colours;
  for (const PlacedRun& run : view_.Layout().runs) {
    colours.emplace_back(run.text, view_.LookOf(run).colour);
  }
  EXPECT_THAT(colours, ElementsAre(std::pair("out", 0xFF0000u), std::pair(" ", 0x000000u),
                                   std::pair("in", 0x008000u), std::pair(" ", 0x000000u),
                                   std::pair("open", 0x008080u), std::pair(" after ", 0x008080u),
                                   std::pair("next", 0xFF0000u)));
  // Hover and visited colours reach a link inside a font too.
  view_.Click(72 + 2, 5);
  view_.PointerAt(72 + 150, 5, 0);
  EXPECT_EQ(view_.LookOf(view_.Layout().runs[0]).colour, 0x00FF00u);
  EXPECT_EQ(view_.LookOf(view_.Layout().runs[6]).colour, 0xFF00FFu);
}

TEST_F(ShownPageTest, TheUpdateNoteShowsItsMarkupAndNeverATag) {
  page_.request_.updateNotice =
      "<b>New</b> <i>version</i> <u>out</u> <em>now</em><strong>!</strong><br>"
      "<font color=green size=5 face=Arial>big</font><font size=+1>up</font><font size=-9>small"
      "</font><span style=x>span</span><p>para</p><img src=x onerror=alert(1)>"
      "<script>alert(2)</script><style>b{}</style>&nbsp;<a href=\"http://up.example/v9999\n1141\" "
      "target=_blank><font color=red>\xA1\xF1</font></a>\n";
  page_.request_.dir = "no";
  page_.request_.lineNum = 3;
  PageModel model = page_.Read(test::Feed(1));
  // Each run as its text, then b, i and u for bold, italic and underline, its colour, size, face.
  std::vector<std::string> looks;
  for (const PageRun& run : test::RunsOf(model, RunKind::kUpdate)) {
    if (run.lineBreak) continue;
    looks.push_back(run.text + "|" + (run.bold ? "b" : "") + (run.italic ? "i" : "") +
                    (run.underline ? "u" : "") + run.colour +
                    (run.fontPx ? std::to_string(run.fontPx) : "") + run.face);
  }
  EXPECT_THAT(looks, ElementsAre("New|b", " |", "version|i", " |", "out|u", " |", "now|i", "!|b",
                                 "big|green24Arial", "up|18", "small|10",
                                 "spanpara" + std::string(1, kNbsp) + "|", "\xA1\xF1|red", "\n|"));
  // Its download link opens although the version line lands in the address.
  view_.Show(model, measure_, 600, 72, 0);
  std::optional<std::string> clicked;
  for (const PlacedRun& run : view_.Layout().runs) {
    if (run.text == "\xA1\xF1") clicked = view_.Click(72 + run.x + 1, run.y + 1);
  }
  ASSERT_TRUE(clicked.has_value());
  EXPECT_EQ(AddressToOpen(*clicked), "http://up.example/v99991141");
}

TEST_F(ShownPageTest, StillMarqueesStandReadableAtTheScrollersCorner) {
  // cs=0 and ct=0 stand still.
  const std::tuple<const char*, const char*, const char*, int, int, bool> cases[] = {
      {"left", "0", "30", 0, 0, false},  {"up", "0", "30", 0, 0, false},
      {"right", "2", "0", 0, 0, false},  {"down", "2", "0", 0, 0, false},
      {"left", "2", "30", 528, 0, true}, {"up", "2", "30", 0, 48, true},
  };
  for (const auto& [dir, step, delay, x, y, moves] : cases) {
    page_.request_.dir = dir;
    page_.request_.lineNum = 2;
    page_.request_.currentChannel.url =
        std::string("http://feeds.example/news vbco;cs=") + step + ";ct=" + delay + ";";
    view_.Show(page_.Read(test::Feed(2)), measure_, 600, 48, 0);
    EXPECT_EQ(view_.Motion().X(), x) << dir << step << delay;
    EXPECT_EQ(view_.Motion().Y(), y) << dir << step << delay;
    EXPECT_EQ(view_.NextStepAt().has_value(), moves) << dir << step << delay;
    if (!moves) {
      EXPECT_FALSE(view_.Advance(60'000));
    }
  }
  // Numbers and headings a browser does not take: its defaults, and 60 ms at the least
  // without truespeed.
  const std::tuple<const char*, Heading, int, int> odd[] = {
      {"scrollamount=-3 scrolldelay=-5 truespeed", Heading::kLeft, 6, 85},
      {"scrollamount=x scrolldelay=12 direction=sideways", Heading::kLeft, 6, 60}};
  for (const auto& [attributes, heading, step, delay] : odd) {
    EXPECT_THAT(ReadPage(std::string("<marquee ") + attributes + ">").scroller,
                FieldsAre(_, _, _, heading, step, delay, _, _, _, _))
        << attributes;
  }
}

}  // namespace
}  // namespace vb
