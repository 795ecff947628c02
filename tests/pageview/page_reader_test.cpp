// The page file read back into the model the desktops draw.
#include "pageview_fixture.h"

namespace vb {
namespace {

using test::RunsOf;
using ::testing::_;
using ::testing::ElementsAre;
using ::testing::FieldsAre;
using ::testing::Not;
using ::testing::Optional;

std::vector<std::size_t> GroupSizes(const PageModel& model) {
  std::vector<std::size_t> sizes;
  for (const PageGroup& group : model.groups) {
    sizes.push_back(std::count_if(group.runs.begin(), group.runs.end(),
                                  [](const PageRun& run) { return run.kind == RunKind::kItem; }));
  }
  return sizes;
}

TEST(PageReaderTest, HeadAndMarqueeOfAHorizontalPage) {
  test::RenderedPage page;
  page.request_.bkPic = "/tmp/pic(1) 2%.png";
  page.request_.dir = "right";
  page.request_.smooth = "5";
  page.request_.speed = "50";
  page.request_.lineNum = 2;
  PageModel model = page.Read(test::Feed(7));

  EXPECT_THAT(model.head,
              FieldsAre(16, 24, "102030", "/tmp/pic(1) 2%.png", "ff0000", "00ff00", "ff00ff"));

  const PageScroller& scroller = model.scroller;
  EXPECT_THAT(scroller,
              FieldsAre(ScrollerForm::kMarquee, 72, std::nullopt, Heading::kRight, 5, 50, _, _,
                        FieldsAre(_, _, false, true, _, _), FieldsAre(_, _, true, false, _, _)));
  EXPECT_THAT(GroupSizes(model), ElementsAre(3, 4));

  // "< " runs left at step + 3, the stop sign stops, " >" runs right; leaving restores.
  // Fields: text, colour, hover colour; then step, heading, start and stop on arriving and leaving.
  EXPECT_THAT(
      model.controlBar.controls,
      ElementsAre(FieldsAre("< ", "ff0000", "00ff00", FieldsAre(8, Heading::kLeft, true, _, _, _),
                            FieldsAre(5, Heading::kRight, false, _, _, _)),
                  FieldsAre("\xA1\xD1", "00ff00", "ff0000", FieldsAre(_, _, _, true, _, _), _),
                  FieldsAre(" >", _, _, FieldsAre(_, Heading::kRight, _, _, _, _), _)));
}

TEST(PageReaderTest, VerticalAndRollForms) {
  test::RenderedPage page;
  page.request_.dir = "up";
  page.request_.lineNum = 2;
  PageModel up = page.Read(test::Feed(5));
  EXPECT_EQ(up.scroller.heading, Heading::kUp);
  EXPECT_EQ(up.scroller.height, 48);
  EXPECT_EQ(up.controlBar.controls[0].over.heading, Heading::kUp);
  EXPECT_EQ(up.controlBar.controls[2].over.heading, Heading::kDown);
  EXPECT_THAT(GroupSizes(up), ElementsAre(2, 2, 1));

  page.request_.dir = "no";
  page.request_.speed = "3000";
  page.request_.lineNum = 3;
  page.request_.tFont = "13";
  PageModel roll = page.Read(test::Feed(4));
  // The roll timer's fields: backwards, period.
  const auto rollTimer = [](bool backwards, int periodMs) {
    return Optional(FieldsAre(backwards, periodMs));
  };
  const auto noTimer = Not(Optional(_));
  EXPECT_THAT(roll.scroller, FieldsAre(ScrollerForm::kRoll, _, 57, _, _, _, rollTimer(false, 3000),
                                       3, FieldsAre(_, _, _, _, true, noTimer),
                                       FieldsAre(_, _, _, _, _, rollTimer(false, 3000))));
  EXPECT_THAT(GroupSizes(roll), ElementsAre(2, 2, 0));

  // Arriving clears the timer and sets another; leaving sets one.
  const auto arrive = [](auto timer) { return FieldsAre(_, _, _, _, true, timer); };
  const auto leave = [](auto timer) { return FieldsAre(_, _, _, _, _, timer); };
  EXPECT_THAT(
      roll.controlBar.controls,
      ElementsAre(FieldsAre(_, _, _, arrive(rollTimer(false, 1000)), leave(rollTimer(false, 3000))),
                  FieldsAre(_, _, _, arrive(noTimer), _),
                  FieldsAre(_, _, _, arrive(rollTimer(true, 1000)), leave(rollTimer(true, 3000)))));
}

TEST(PageReaderTest, ItemsNoticeAndUpdateNotice) {
  test::RenderedPage page;
  page.request_.updateNotice =
      "<b>New</b> <font color=green>version</font><br><a href=http://up.example/?a=1&amp;b=2>get "
      "it</a>\n";
  std::string feed =
      "<rss><channel><title>News &amp; more</title><item><title>A &lt;b&gt; &amp;amp; "
      "&#20013;&#x6587;</title><link>http://x.example/?q=1&amp;r=2</link><description>line "
      "one<br>line \"two\"</description></item></channel></rss>";
  PageModel model = page.Read(feed);

  std::vector<PageRun> items = RunsOf(model, RunKind::kItem);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].address, "http://x.example/?q=1&amp;r=2");
  EXPECT_EQ(items[0].text, " [-]A <b> &amp; \xD6\xD0\xCE\xC4 ");
  EXPECT_THAT(items[0].tooltip, ::testing::StartsWith("News &amp; more\n\n"));
  EXPECT_THAT(items[0].tooltip, ::testing::HasSubstr("line one   \nline 'two'..."));

  std::vector<PageRun> update = RunsOf(model, RunKind::kUpdate);
  ASSERT_GE(update.size(), 5u);
  EXPECT_TRUE(update[3].lineBreak);
  EXPECT_EQ(update[4].address, "http://up.example/?a=1&amp;b=2");
  EXPECT_TRUE(RunsOf(model, RunKind::kNotice).empty());

  // A missing channel file leaves the notice that links to the channel's address.
  page.request_.updateNotice.clear();
  page.request_.currentChannel.path = page.folder_.File("absent");
  page.Read("");
  PageModel empty = ReadPageFile(page.request_.pageFile).value_or(PageModel{});
  std::vector<PageRun> notice = RunsOf(empty, RunKind::kNotice);
  ASSERT_EQ(notice.size(), 1u);
  EXPECT_EQ(notice[0].address, "http://feeds.example/news");
  EXPECT_EQ(notice[0].colour, "red");
  EXPECT_TRUE(notice[0].text.starts_with("\xA1\xF1"));
  EXPECT_TRUE(RunsOf(empty, RunKind::kItem).empty());

  page.request_.currentChannel.url.clear();
  page.Read("");
  notice = RunsOf(ReadPageFile(page.request_.pageFile).value_or(PageModel{}), RunKind::kNotice);
  ASSERT_EQ(notice.size(), 1u);
  EXPECT_EQ(notice[0].address, "");
}

TEST(PageReaderTest, AnyTextGivesAModel) {
  EXPECT_FALSE(ReadPageFile("/nonexistent/page.html").has_value());
  // A page file far beyond what the renderer writes is refused as a missing one is.
  const testing::TempFolder folder;
  const std::string item = "<a href=http://x/ title=\"t\" target=_blank> [-]t </a>\r\n";
  std::string large = "<div id=d><div>";
  while (large.size() <= (8u << 20) - item.size()) large += item;
  testing::WriteFile(folder.File("page.html"), large);
  EXPECT_TRUE(ReadPageFile(folder.File("page.html")).has_value());
  testing::WriteFile(folder.File("page.html"), large + item);
  EXPECT_FALSE(ReadPageFile(folder.File("page.html")).has_value());
  for (std::string text :
       {std::string(), std::string("<"), std::string("<a href='unterminated"),
        std::string("<div id=d><div><a href=x title=\"t\" target=_blank>a</a></div></div>"),
        std::string("<marquee scrollamount=x scrolldelay=-5 direction=sideways>"),
        std::string("<script>var t=setInterval(roll,);var i=;f.onmouseover=function(){"),
        std::string("\0<div\0id=d>\xFF<", 13)}) {
    PageModel model = ReadPage(text);
    EXPECT_GE(model.head.fontPx, 1) << text;
  }
}

}  // namespace
}  // namespace vb
