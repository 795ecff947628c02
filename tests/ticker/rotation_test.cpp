#include "resources/resource_ids.h"
#include "ticker/texts.h"
#include "ticker/ticker_fixture.h"
#include "ticker/timer_ids.h"

namespace vb::test {
namespace {

std::string Num(int n) {
  return std::to_string(n);
}

struct Row {
  char event;  // 's' start-up, 't' timer, 'n' next, 'p' previous
  int rendered, shown, previous, current, deleted, fetched;  // -1: none
};

TEST_F(TickerTest, FourChannelsRotateAsTheTableSays) {
  WriteChannels(4, 0);
  MakeFile(File(0));
  const Row rows[] = {{'s', 0, 0, 3, 1, -1, 1}, {'t', 1, 1, 0, 2, 3, 2},   {'t', 2, 2, 1, 3, 0, 3},
                      {'n', 3, 3, 2, 0, -1, 0}, {'p', 2, 2, 1, 3, -1, -1}, {'t', 3, 3, 2, 0, 1, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(1, row.event) + " showing " + std::to_string(row.shown));
    const std::size_t callsBefore = desktop_.calls.size();
    const std::size_t fetchedBefore = Fetched().size();
    if (row.event == 's') {
      ASSERT_TRUE(Start());
    }
    if (row.event == 't') bar_->OnTimer(kRotationTimer);
    if (row.event == 'n') bar_->OnCommand(ids::IDM_NEXT_CHANNEL, 0);
    if (row.event == 'p') bar_->OnCommand(ids::IDM_PREV_CHANNEL, 1);

    EXPECT_EQ(renderer_.rendered.back(), File(row.rendered));
    EXPECT_EQ(renderer_.requests.back().currentChannel.url, "http://h/" + Num(row.rendered));
    EXPECT_EQ(bar_->shownIndex(), row.shown);
    EXPECT_EQ(bar_->previousIndex(), row.previous);
    EXPECT_EQ(bar_->table().current, row.current);
    EXPECT_EQ(CallsSince(callsBefore, "DeleteFileAt"),
              row.deleted < 0 ? std::vector<std::string>{}
                              : std::vector<std::string>{"DeleteFileAt " + File(row.deleted)});
    const auto fetched = Fetched();
    ASSERT_EQ(fetched.size(), fetchedBefore + (row.fetched < 0 ? 0 : 1));
    if (row.fetched >= 0) {
      EXPECT_EQ(fetched.back(), File(row.fetched));
    }
    EXPECT_EQ(desktop_.tipText[ids::IDM_PREV_CHANNEL], "c" + Num(row.shown));
    EXPECT_EQ(desktop_.tipText[ids::IDM_NEXT_CHANNEL], "c" + Num(row.shown));
    EXPECT_EQ(desktop_.tipTitle[ids::IDM_PREV_CHANNEL], "c" + Num(row.previous));
    EXPECT_EQ(desktop_.tipTitle[ids::IDM_NEXT_CHANNEL], "c" + Num(row.current));
    EXPECT_EQ(desktop_.timers[kRotationTimer], 120000);
  }
  // Reloading gives the activation back to the window that had it.
  desktop_.foreground = 55;
  bar_->OnTimer(kRotationTimer);
  const auto reload = std::find(desktop_.calls.rbegin(), desktop_.calls.rend(), "ReloadPage");
  ASSERT_NE(reload, desktop_.calls.rbegin());
  EXPECT_EQ(*(reload - 1), "ActivateWindow 55");
}

TEST_F(TickerTest, EmptyTableRendersTheEmptySlotAndNeverAdvances) {
  WriteChannels(0, 0);
  ASSERT_TRUE(Start());
  EXPECT_EQ(renderer_.rendered, std::vector<std::string>{File(0)});
  EXPECT_EQ(renderer_.requests[0].currentChannel.url, "");
  EXPECT_EQ(desktop_.timers[kRotationTimer], kRetryPeriodMs);
  EXPECT_TRUE(Fetched().empty());
  EXPECT_TRUE(desktop_.tipTitle.empty());

  desktop_.tipText[ids::IDM_PREV_CHANNEL] = "stale";
  bar_->OnTimer(kRotationTimer);
  EXPECT_EQ(renderer_.rendered.size(), 2u);
  EXPECT_EQ(desktop_.tipText[ids::IDM_PREV_CHANNEL], "");
  EXPECT_EQ(bar_->table().current, 0);

  bar_->OnCommand(ids::IDM_NEXT_CHANNEL, 0);
  bar_->OnCommand(ids::IDM_PREV_CHANNEL, 0);
  EXPECT_EQ(renderer_.rendered.size(), 2u);
  EXPECT_TRUE(Fetched().empty());
  EXPECT_FALSE(desktop_.Called("DeleteFileAt"));
}

TEST_F(TickerTest, OneChannelIsRefetchedEveryStepAndNotByPrevious) {
  WriteChannels(1, 0);
  Store().Write("URL", "-1", "");  // no name: the tips say so
  MakeFile(File(0));
  ASSERT_TRUE(Start());
  EXPECT_EQ(desktop_.tipText[ids::IDM_NEXT_CHANNEL], texts::kNoShownName);
  bar_->OnTimer(kRotationTimer);
  EXPECT_TRUE(desktop_.Called("DeleteFileAt " + File(0)));
  EXPECT_EQ(Fetched(), (std::vector<std::string>{File(0), File(0)}));
  bar_->OnCommand(ids::IDM_PREV_CHANNEL, 0);
  EXPECT_EQ(renderer_.rendered.back(), File(0));
  EXPECT_EQ(Fetched().size(), 2u);
  EXPECT_EQ(desktop_.tipText[ids::IDM_PREV_CHANNEL], texts::kNoShownName);
  EXPECT_EQ(desktop_.tipTitle[ids::IDM_PREV_CHANNEL], texts::kNoPreviousName);
  EXPECT_EQ(desktop_.tipTitle[ids::IDM_NEXT_CHANNEL], texts::kNoNextName);
}

TEST_F(TickerTest, TwoChannelsAfterPreviousWaitOnTheDeletedFile) {
  WriteChannels(2, 0);
  MakeFile(File(0));
  ASSERT_TRUE(Start());
  bar_->OnTimer(kRotationTimer);  // shows 1, deletes 1, fetches 0
  EXPECT_FALSE(std::filesystem::exists(File(1)));
  bar_->OnCommand(ids::IDM_PREV_CHANNEL, 0);  // shows 0, current back at 1
  EXPECT_EQ(renderer_.rendered.back(), File(0));
  EXPECT_EQ(desktop_.timers[kRotationTimer], 120000);
  bar_->OnTimer(kRotationTimer);
  EXPECT_EQ(renderer_.rendered.back(), File(1));
  EXPECT_EQ(desktop_.timers[kRotationTimer], kRetryPeriodMs);
  EXPECT_EQ(Fetched().back(), File(0));
}

TEST_F(TickerTest, PointerOnThePagePausesAndALaterStepCompletesTheCommand) {
  WriteChannels(3, 0);
  MakeFile(File(0));
  ASSERT_TRUE(Start());
  const auto rendersBefore = renderer_.rendered.size();
  const auto callsBefore = desktop_.calls.size();
  desktop_.underCursor = desktop_.browserWindow;
  desktop_.timers[kRotationTimer] = 1;  // a re-arm would show
  bar_->OnCommand(ids::IDM_NEXT_CHANNEL, 0);
  bar_->OnTimer(kRotationTimer);
  EXPECT_EQ(renderer_.rendered.size(), rendersBefore);
  EXPECT_EQ(bar_->table().current, 1);
  EXPECT_EQ(desktop_.calls.size(), callsBefore);

  desktop_.underCursor = 1;
  bar_->OnTimer(kRotationTimer);  // finishes the next command: nothing deleted
  EXPECT_EQ(renderer_.rendered.back(), File(1));
  EXPECT_FALSE(desktop_.Called("DeleteFileAt"));
  bar_->OnTimer(kRotationTimer);  // an ordinary step again
  EXPECT_TRUE(desktop_.Called("DeleteFileAt " + File(1)));
}

}  // namespace
}  // namespace vb::test
