// The marquee and the roll form as the browser runs them, step by step against the clock.
#include "pageview/page_motion.h"

#include <gtest/gtest.h>

namespace vb {
namespace {

// A scroller of 100 x 40 pixels with a strip of 50 x 20.
PageLayout Sizes(std::size_t groups = 1) {
  PageLayout layout;
  layout.scroller = PageRect{72, 0, 100, 40};
  layout.stripWidth = 50;
  layout.stripHeight = 20;
  layout.groups.resize(groups);
  return layout;
}

PageAction Steer(std::optional<int> step, std::optional<Heading> heading, bool start, bool stop) {
  PageAction action;
  action.step = step;
  action.heading = heading;
  action.start = start;
  action.stop = stop;
  return action;
}

// clearInterval, then setInterval of roll or rroll.
PageAction Roll(bool backwards, int periodMs) {
  PageAction action;
  action.clearRoll = true;
  action.roll = RollTimer{backwards, periodMs};
  return action;
}

PageScroller Marquee(Heading heading, int step, int delay) {
  PageScroller scroller;
  scroller.heading = heading;
  scroller.step = step;
  scroller.delayMs = delay;
  scroller.over.stop = true;
  scroller.out.start = true;
  return scroller;
}

TEST(PageMotionTest, MarqueeEntersStepsAndEntersAgain) {
  struct Case {
    Heading heading;
    int step, delay;
    std::int64_t at;
    int x, y;
  };
  // Each enters at its edge and moves nothing before the first delay; the strip enters again
  // once it has left (the 75th step to the left) or reached the far edge (to the right).
  const Case cases[] = {
      {Heading::kLeft, 2, 30, 0, 100, 0},    {Heading::kLeft, 2, 30, 29, 100, 0},
      {Heading::kLeft, 2, 30, 30, 98, 0},    {Heading::kLeft, 2, 30, 2220, -48, 0},
      {Heading::kLeft, 2, 30, 2250, 100, 0}, {Heading::kRight, 5, 50, 0, -50, 0},
      {Heading::kRight, 5, 50, 1450, 95, 0}, {Heading::kRight, 5, 50, 1500, -50, 0},
      {Heading::kUp, 1, 20, 0, 0, 40},       {Heading::kUp, 1, 20, 1180, 0, -19},
      {Heading::kUp, 1, 20, 1200, 0, 40},    {Heading::kDown, 4, 10, 0, 0, -20},
      {Heading::kDown, 4, 10, 140, 0, 36},   {Heading::kDown, 4, 10, 150, 0, -20}};
  for (const Case& c : cases) {
    PageMotion motion(Marquee(c.heading, c.step, c.delay), Sizes(), 1000);
    // Ticks every millisecond, ticks that come late (every 37 ms, whatever the delay) and one
    // tick at the end give the same place: a late tick costs the motion no time.
    PageMotion ticked = motion, late = motion;
    for (std::int64_t t = 1000; t <= 1000 + c.at; ++t) ticked.Advance(t);
    for (std::int64_t t = 1000; t < 1000 + c.at; t += 37) late.Advance(t);
    late.Advance(1000 + c.at);
    motion.Advance(1000 + c.at);
    for (const PageMotion* m : {&motion, &ticked, &late}) {
      EXPECT_EQ(std::pair(m->X(), m->Y()), std::pair(c.x, c.y))
          << static_cast<int>(c.heading) << " at " << c.at;
    }
  }
}

TEST(PageMotionTest, HoverStopsAndControlsSteerTheMarquee) {
  PageMotion motion(Marquee(Heading::kRight, 2, 30), Sizes(), 0);
  motion.Advance(300);
  ASSERT_EQ(motion.X(), -30);
  // Over the items: stopped however long the pointer rests.
  motion.Apply(Marquee(Heading::kRight, 2, 30).over, 300);
  EXPECT_FALSE(motion.Advance(10'000));
  EXPECT_EQ(motion.NextStepAt(), std::nullopt);
  // Leaving starts it again, one delay later.
  motion.Apply(Marquee(Heading::kRight, 2, 30).out, 10'000);
  EXPECT_EQ(motion.NextStepAt(), 10'030);
  motion.Advance(10'030);
  EXPECT_EQ(motion.X(), -28);

  // "< ": step + 3 towards the left, running even when stopped; leaving: step and direction back.
  motion.Apply(Steer({}, {}, false, true), 10'030);
  motion.Apply(Steer(5, Heading::kLeft, true, false), 10'030);
  motion.Advance(10'090);
  EXPECT_EQ(motion.X(), -38);
  EXPECT_EQ(motion.Direction(), Heading::kLeft);
  motion.Apply(Steer(2, Heading::kRight, false, false), 10'090);
  motion.Advance(10'120);
  EXPECT_EQ(motion.X(), -36);
  EXPECT_TRUE(motion.Running());

  // Turning to the other axis starts at that axis's entry edge.
  motion.Apply(Steer({}, Heading::kUp, false, false), 10'120);
  EXPECT_EQ(motion.X(), 0);
  EXPECT_EQ(motion.Y(), 40);

  // After a long pause the marquee goes on from now, a bounded number of steps at once.
  motion.Advance(10'120 + 3'600'000);
  EXPECT_EQ(motion.NextStepAt(), 10'120 + 3'600'000 + 30);
}

TEST(PageMotionTest, RollTurnsGroupsUntilHovered) {
  PageScroller scroller;
  scroller.form = ScrollerForm::kRoll;
  scroller.roll = RollTimer{false, 3000};
  scroller.rollLines = 2;
  scroller.over.clearRoll = true;
  scroller.out.roll = RollTimer{false, 3000};
  PageMotion motion(scroller, Sizes(5), 0);
  EXPECT_EQ(motion.FirstGroup(), 0u);
  EXPECT_FALSE(motion.Advance(2999));
  EXPECT_TRUE(motion.Advance(3000));
  EXPECT_EQ(motion.FirstGroup(), 2u);
  motion.Advance(6000);
  EXPECT_EQ(motion.FirstGroup(), 4u);
  motion.Advance(9000);
  EXPECT_EQ(motion.FirstGroup(), 1u);  // wraps: the first groups went to the end

  motion.Apply(scroller.over, 9500);  // over the items
  EXPECT_FALSE(motion.Advance(60'000));
  EXPECT_FALSE(motion.Running());
  motion.Apply(scroller.out, 60'000);
  EXPECT_EQ(motion.NextStepAt(), 63'000);

  // " >": backwards every T/3 while on it, every T after leaving.
  motion.Apply(Roll(true, 1000), 60'000);
  motion.Advance(61'000);
  EXPECT_EQ(motion.FirstGroup(), 4u);
  motion.Advance(62'000);
  EXPECT_EQ(motion.FirstGroup(), 2u);
  motion.Apply(Roll(true, 3000), 62'000);
  EXPECT_FALSE(motion.Advance(64'999));
  motion.Advance(65'000);
  EXPECT_EQ(motion.FirstGroup(), 0u);

  // No groups, or a turn of as many lines as there are groups, changes nothing.
  PageMotion empty(scroller, Sizes(0), 0);
  EXPECT_FALSE(empty.Advance(3000));
  scroller.rollLines = 5;
  PageMotion whole(scroller, Sizes(5), 0);
  EXPECT_FALSE(whole.Advance(3000));
  // A roll of zero milliseconds still leaves time between turns.
  scroller.roll->periodMs = 0;
  PageMotion fast(scroller, Sizes(5), 0);
  EXPECT_GE(*fast.NextStepAt(), 4);
}

}  // namespace
}  // namespace vb
