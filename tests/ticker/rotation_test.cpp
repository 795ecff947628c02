#include "resources/resource_ids.h"
#include "ticker/texts.h"
#include "ticker/ticker_fixture.h"
#include "ticker/timer_ids.h"

namespace vb::test {
namespace {

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
    EXPECT_EQ(renderer_.requests.back().currentChannel.url,
              "http://h/" + std::to_string(row.rendered));
    EXPECT_EQ(bar_->shownIndex(), row.shown);
    EXPECT_EQ(bar_->previousIndex(), row.previous);
    EXPECT_EQ(bar_->table().current, row.current);
    std::vector<std::string> deleted;
    for (std::size_t i = callsBefore; i < desktop_.calls.size(); ++i) {
      if (desktop_.calls[i].rfind("DeleteFileAt ", 0) == 0) deleted.push_back(desktop_.calls[i]);
    }
    EXPECT_EQ(deleted, row.deleted < 0
                           ? std::vector<std::string>{}
                           : std::vector<std::string>{"DeleteFileAt " + File(row.deleted)});
    const auto fetched = Fetched();
    if (row.fetched < 0) {
      EXPECT_EQ(fetched.size(), fetchedBefore);
    } else {
      ASSERT_EQ(fetched.size(), fetchedBefore + 1);
      EXPECT_EQ(fetched.back(), File(row.fetched));
    }
    const std::string shownName = "c" + std::to_string(row.shown);
    EXPECT_EQ(desktop_.tipText[ids::IDM_PREV_CHANNEL], shownName);
    EXPECT_EQ(desktop_.tipText[ids::IDM_NEXT_CHANNEL], shownName);
    EXPECT_EQ(desktop_.tipTitle[ids::IDM_PREV_CHANNEL], "c" + std::to_string(row.previous));
    EXPECT_EQ(desktop_.tipTitle[ids::IDM_NEXT_CHANNEL], "c" + std::to_string(row.current));
    EXPECT_EQ(desktop_.timers[kRotationTimer], 120000);
  }
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
  MakeFile(File(0));
  ASSERT_TRUE(Start());
  bar_->OnTimer(kRotationTimer);
  EXPECT_TRUE(desktop_.Called("DeleteFileAt " + File(0)));
  EXPECT_EQ(Fetched(), (std::vector<std::string>{File(0), File(0)}));
  bar_->OnCommand(ids::IDM_PREV_CHANNEL, 0);
  EXPECT_EQ(renderer_.rendered.back(), File(0));
  EXPECT_EQ(Fetched().size(), 2u);
  EXPECT_EQ(desktop_.tipTitle[ids::IDM_PREV_CHANNEL], "c0");
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

TEST_F(TickerTest, ReloadGivesTheActivationBack) {
  WriteChannels(2, 0);
  MakeFile(File(0));
  ASSERT_TRUE(Start());
  desktop_.foreground = 55;
  bar_->OnTimer(kRotationTimer);
  const auto reload = std::find(desktop_.calls.begin(), desktop_.calls.end(), "ReloadPage");
  ASSERT_NE(reload, desktop_.calls.end());
  EXPECT_EQ(*(reload + 1), "ActivateWindow 55");
}

}  // namespace
}  // namespace vb::test
