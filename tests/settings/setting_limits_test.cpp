#include "settings/setting_limits.h"

#include <gtest/gtest.h>

#include "settings/page_colour.h"

namespace vb::limits {
namespace {

// Each bound, and one step either side of it.
TEST(SettingLimits, EveryBoundHoldsExactlyWhereItIs) {
  const struct {
    const Bounds& bounds;
    const char* text;
    int value;
    bool clamped;
  } taken[] = {
      {kScrollStep, "0", 1, true},
      {kScrollStep, "1", 1, false},
      {kScrollStep, "12345", 1234, false},  // four characters kept
      {kScrollPause, "19", 20, true},
      {kScrollPause, "20", 20, false},
      {kFontSize, "11", 12, true},
      {kFontSize, "12", 12, false},
      {kFontSize, "50", 50, false},
      {kFontSize, "51", 50, true},
      {kFontSize, "100", 12, true},  // read as 10
      {kFontSize, "-5", 12, true},
      // In range but not plain digits: the page would write it as it stands.
      {kScrollStep, "7x", 2, false},
      {kScrollPause, "+99", 30, false},
  };
  for (const auto& c : taken) {
    const Taken t = Take(c.bounds, c.text);
    EXPECT_EQ(t.value, c.value) << c.text;
    EXPECT_EQ(t.clamped, c.clamped) << c.text;
  }

  const struct {
    int (*limit)(int);
    int value, expected;
  } numbers[] = {
      {LineCount, 0, 1},
      {LineCount, 1, 1},
      {LineCount, 10, 10},
      {LineCount, 11, 10},
      {LineCount, -3, 10},
      {ChannelCount, -1, 0},
      {ChannelCount, 0, 0},
      {ChannelCount, 10, 10},
      {ChannelCount, 11, 10},
      // Never a rotation without pause.
      {RotationPeriodMs, 0, 1000},
      {RotationPeriodMs, 1, 1000},
      {RotationPeriodMs, 9999, 9999000},
  };
  for (const auto& c : numbers) EXPECT_EQ(c.limit(c.value), c.expected) << c.value;

  // The current channel must be a row of the table: start-up reads the entry it names.
  EXPECT_EQ(ChannelIndex(1, 2), 1);
  EXPECT_EQ(ChannelIndex(2, 2), 0);
  EXPECT_EQ(ChannelIndex(-1, 2), 0);
  EXPECT_EQ(ChannelIndex(0, 0), 0);
}

// Kept names and refused markup are tried where colours are loaded and applied.
TEST(PageColour, KeepsSixCharactersAndRefusesBlanks) {
  EXPECT_EQ(PageColour::From("1234567")->text(), "123456");
  EXPECT_FALSE(PageColour::From("a b"));
}

}  // namespace
}  // namespace vb::limits
