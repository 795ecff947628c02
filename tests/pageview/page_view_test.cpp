// Layout, hit testing, hover and links of the page as the bar shows it.
#include "pageview/page_view.h"

#include "pageview/page_text.h"
#include "pageview_fixture.h"

namespace vb {
namespace {

using ::testing::ElementsAre;
using ::testing::FieldsAre;

TEST(PageTextTest, ColoursAsThePageWritesThem) {
  // Six-digit and lower-case named colours reach the views through the other tests.
  EXPECT_EQ(ParseColour("#0F0"), 0x00FF00u);
  EXPECT_EQ(ParseColour("Red"), 0xFF0000u);
  for (const char* bad : {"", "12345", "gggggg", "#", "ff00001", "transparent"}) {
    EXPECT_EQ(ParseColour(bad), std::nullopt) << bad;
  }
}

TEST(PageLayoutTest, BlanksFoldBreaksStackAndEmptyGroupsTakeNoRoom) {
  PageModel model = ReadPage(
      "<div id=d><div><b>Up</b>  <font color=blue>date</font><br><br>x</div><div></div>"
      "<div>  \n </div><div><a href=h title=\"t\" target=_blank> [1] A </a>\n</div></div>");
  test::FixedWidth measure;
  PageLayout layout = LayOutPage(model, measure, 300, 24);
  std::vector<std::tuple<std::string, int, int, int>> placed;
  for (const PlacedRun& run : layout.runs) placed.emplace_back(run.text, run.x, run.y, run.width);
  EXPECT_THAT(placed, ElementsAre(FieldsAre("Up", 0, 0, 18), FieldsAre(" ", 18, 0, 8),
                                  FieldsAre("date", 26, 0, 32), FieldsAre("x", 0, 48, 8),
                                  FieldsAre("[1] A", 0, 72, 40)));
  std::vector<std::pair<int, int>> bands;
  for (const GroupBand& band : layout.groups) bands.emplace_back(band.top, band.height);
  EXPECT_THAT(bands,
              ElementsAre(std::pair(0, 72), std::pair(72, 0), std::pair(72, 0), std::pair(72, 24)));
  EXPECT_EQ(layout.stripWidth, 58);
  EXPECT_EQ(layout.stripHeight, 96);

  // Sizes no page of the program carries are cut before they reach the sums.
  PageModel huge = ReadPage(
      "<style>body{font:99999999999 courier;line-height:99999999999px}</style>"
      "<div style=\"font-size:4000000000\"></div><div id=d><div>a<br><br>b</div></div>");
  EXPECT_EQ(huge.head.fontPx, 1000);
  EXPECT_EQ(huge.controlBar.fontPx, 1000);
  EXPECT_EQ(LayOutPage(huge, measure, 300, 24).stripHeight, 3000);
}

class PageViewTest : public test::ViewTest {
 protected:
  // Three headlines on one line moving left 2 px every 30 ms in a view of 600 x 24.
  void ShowLeftMarquee() {
    page_.request_.dir = "left";
    view_.Show(page_.Read(test::Feed(3)), measure_, 600, 24, 0);
  }
};

TEST_F(PageViewTest, PointsFindControlsAndHeadlinesWhereverTheStripIs) {
  ShowLeftMarquee();
  const PageLayout& layout = view_.Layout();
  EXPECT_THAT(layout.scroller, FieldsAre(72, 0, 528, 24));
  ASSERT_EQ(layout.runs.size(), 3u);
  EXPECT_EQ(layout.runs[1].text, "[03:02]Item 2 ");
  EXPECT_EQ(layout.stripWidth, 328);
  EXPECT_EQ(view_.Background(), 0x102030u);

  EXPECT_EQ(view_.HitTest(10, 5).where, PageHit::Where::kNothing);
  EXPECT_EQ(view_.HitTest(25, 5).where, PageHit::Where::kControl);
  EXPECT_EQ(view_.HitTest(60, 5).control, 2u);
  EXPECT_EQ(view_.HitTest(100, 5).where, PageHit::Where::kScroller);  // the strip is still off
  EXPECT_EQ(view_.HitTest(100, 5).run, std::nullopt);

  view_.Advance(7920);  // 264 steps: the strip's left edge reaches the scroller's
  EXPECT_EQ(view_.Motion().X(), 0);
  EXPECT_EQ(view_.HitTest(80, 5).run, 0u);
  EXPECT_EQ(view_.HitTest(72 + 150, 5).run, 1u);
  EXPECT_EQ(view_.HitTest(72 + 327, 5).run, 2u);  // the strip's last pixel, and past it
  EXPECT_EQ(view_.HitTest(72 + 328, 5).run, std::nullopt);
  EXPECT_EQ(view_.HitTest(80, 24).where, PageHit::Where::kNothing);
  EXPECT_THAT(view_.Pieces(), ElementsAre(FieldsAre(FieldsAre(0, 0, 328, 24), 72, 0)));

  // Resting on a headline: the marquee stands, the headline takes the hover colour.
  EXPECT_TRUE(view_.PointerAt(72 + 150, 5, 7920));
  EXPECT_FALSE(view_.Advance(20'000));
  EXPECT_THAT(view_.LookOf(layout.runs[1]), FieldsAre(0xFF00FFu, true));
  EXPECT_THAT(view_.LookOf(layout.runs[0]), FieldsAre(0xFF0000u, false));
  EXPECT_FALSE(view_.PointerAt(72 + 151, 6, 20'000));
  ASSERT_NE(view_.RunAt(72 + 150, 5), nullptr);
  EXPECT_EQ(ReadableTooltip(view_.RunAt(72 + 150, 5)->tooltip).substr(0, 32),
            "News\nSun, 06 Dec 26 03:02:00 GMT");

  // A click opens the address and marks it visited for as long as the view lives.
  EXPECT_EQ(view_.Click(72 + 150, 5), "http://news.example/2");
  EXPECT_EQ(view_.Click(72 + 400, 5), std::nullopt);
  EXPECT_EQ(view_.Click(25, 5), std::nullopt);
  EXPECT_TRUE(view_.PointerLeft(20'000));
  EXPECT_EQ(view_.NextStepAt(), 20'030);
  EXPECT_THAT(view_.LookOf(layout.runs[1]), FieldsAre(0x00FF00u, false));
  view_.Show(page_.Read(test::Feed(3)), measure_, 600, 24, 30'000);
  EXPECT_TRUE(view_.Visited("http://news.example/2"));

  // "< " under the pointer: the control turns green and the marquee runs at step + 3.
  EXPECT_THAT(view_.LookOfControl(0), FieldsAre(0xFF0000u, false));
  EXPECT_TRUE(view_.PointerAt(25, 5, 30'000));
  EXPECT_THAT(view_.LookOfControl(0), FieldsAre(0x00FF00u, false));
  EXPECT_EQ(view_.Motion().Step(), 5);
  // Straight onto the stop sign: the step is back and the marquee stops.
  view_.PointerAt(40, 5, 30'000);
  EXPECT_EQ(view_.Motion().Step(), 2);
  EXPECT_FALSE(view_.Motion().Running());
}

TEST_F(PageViewTest, RollShowsGroupsFromTheFirstAndStopsUnderThePointer) {
  page_.request_.dir = "no";
  page_.request_.lineNum = 2;
  page_.request_.speed = "3000";
  view_.Show(page_.Read(test::Feed(5)), measure_, 600, 48, 0);
  const PageLayout& layout = view_.Layout();
  ASSERT_EQ(layout.groups.size(), 3u);
  EXPECT_EQ(layout.scroller.height, 48);
  EXPECT_THAT(view_.Pieces(),
              ElementsAre(FieldsAre(FieldsAre(0, 0, layout.stripWidth, 24), 72, 0),
                          FieldsAre(FieldsAre(0, 24, layout.stripWidth, 24), 72, 24)));
  EXPECT_TRUE(view_.Advance(3000));
  EXPECT_THAT(view_.Pieces(),
              ElementsAre(FieldsAre(FieldsAre(0, 48, layout.stripWidth, 24), 72, 0),
                          FieldsAre(FieldsAre(0, 0, layout.stripWidth, 24), 72, 24)));
  // The fifth headline is on top now, the first under it.
  EXPECT_EQ(view_.RunAt(80, 5)->address, "http://news.example/5");
  EXPECT_EQ(view_.RunAt(80, 30)->address, "http://news.example/1");
  // Beyond the lines' end is not over the items.
  EXPECT_EQ(view_.HitTest(72 + layout.stripWidth + 5, 5).where, PageHit::Where::kNothing);

  view_.PointerAt(80, 5, 3500);
  EXPECT_FALSE(view_.Advance(60'000));
  view_.PointerLeft(60'000);
  EXPECT_EQ(view_.NextStepAt(), 63'000);
}

}  // namespace
}  // namespace vb
