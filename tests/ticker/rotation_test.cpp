#include "resources/resource_ids.h"
#include "ticker/texts.h"
#include "ticker/ticker_fixture.h"
#include "ticker/timer_ids.h"

namespace vb::testing {
namespace {

using Strings = std::vector<std::string>;

struct Step {
  char event;  // 's' start-up, 't' timer, 'n' next, 'p' previous
  int rendered, shown, previous, current, deleted, fetched;  // -1: none
  int period = 120000;
};

class TickerRotationTest : public TickerTest {
 protected:
  // Runs the steps over channels "c0", "c1", ...; unnamed ones make the tips fall back.
  void Rotate(std::initializer_list<Step> steps, bool unnamed = false) {
    const auto name = [&](int k, const char* none) {
      return unnamed ? std::string(none) : "c" + std::to_string(k);
    };
    for (const Step& s : steps) {
      SCOPED_TRACE(std::string(1, s.event) + " showing " + std::to_string(s.shown));
      const std::size_t callsBefore = desktop_.calls.size(), fetchedBefore = Fetched().size();
      if (s.event == 's') {
        ASSERT_TRUE(Start());
      }
      if (s.event == 't') bar_->OnTimer(kRotationTimer);
      if (s.event == 'n') bar_->OnCommand(ids::IDM_NEXT_CHANNEL);
      if (s.event == 'p') bar_->OnCommand(ids::IDM_PREV_CHANNEL);

      EXPECT_EQ(renderer_.rendered.back(), File(s.rendered));
      EXPECT_EQ(renderer_.requests.back().currentChannel.url,
                "http://h/" + std::to_string(s.rendered));
      EXPECT_EQ(std::vector<int>({bar_->rotation().shownIndex(), bar_->rotation().previousIndex(),
                                  bar_->table().current}),
                std::vector<int>({s.shown, s.previous, s.current}));
      const Strings all = Fetched();
      Strings deleted, fetched(all.begin() + fetchedBefore, all.end());
      for (auto i = callsBefore; i < desktop_.calls.size(); ++i) {
        if (desktop_.calls[i].starts_with("DeleteFileAt ")) deleted.push_back(desktop_.calls[i]);
      }
      EXPECT_EQ(deleted, s.deleted < 0 ? Strings{} : Strings{"DeleteFileAt " + File(s.deleted)});
      EXPECT_EQ(fetched, s.fetched < 0 ? Strings{} : Strings{File(s.fetched)});
      EXPECT_EQ(desktop_.tipText[ids::IDM_PREV_CHANNEL], name(s.shown, texts::kNoShownName));
      EXPECT_EQ(desktop_.tipText[ids::IDM_NEXT_CHANNEL], name(s.shown, texts::kNoShownName));
      EXPECT_EQ(desktop_.tipTitle[ids::IDM_PREV_CHANNEL], name(s.previous, texts::kNoPreviousName));
      EXPECT_EQ(desktop_.tipTitle[ids::IDM_NEXT_CHANNEL], name(s.current, texts::kNoNextName));
      EXPECT_EQ(desktop_.timers[kRotationTimer], s.period);
    }
  }
};

TEST_F(TickerRotationTest, FourChannelsRotateAsTheTableSays) {
  WriteChannels(4, 0);
  MakeFile(0);
  Rotate({{'s', 0, 0, 3, 1, -1, 1},
          {'t', 1, 1, 0, 2, 3, 2},
          {'t', 2, 2, 1, 3, 0, 3},
          {'n', 3, 3, 2, 0, -1, 0},
          {'p', 2, 2, 1, 3, -1, -1},
          {'t', 3, 3, 2, 0, 1, 0}});
  // A reload that took the keyboard gives it back to the window that had it; one that did
  // not leaves the keyboard alone.
  desktop_.foreground = 55;
  desktop_.barHasKeyboard = true;
  bar_->OnTimer(kRotationTimer);
  const auto reload = std::find(desktop_.calls.rbegin(), desktop_.calls.rend(), "ReloadPage");
  ASSERT_NE(reload, desktop_.calls.rbegin());
  EXPECT_EQ(*(reload - 1), "ActivateWindow 55");
  desktop_.calls.clear();
  bar_->OnTimer(kRotationTimer);
  EXPECT_TRUE(desktop_.Called("ReloadPage"));
  EXPECT_FALSE(desktop_.Called("ActivateWindow"));
}

// One channel is refetched every step but not by previous; with two, the file a previous
// leaves deleted is shown missing and retried sooner.
TEST_F(TickerRotationTest, OneAndTwoChannels) {
  WriteChannels(1, 0);
  Store().Write("URL", "-1", "");
  MakeFile(0);
  Rotate({{'s', 0, 0, 0, 0, -1, 0}, {'t', 0, 0, 0, 0, 0, 0}, {'p', 0, 0, 0, 0, -1, -1}}, true);

  WriteChannels(2, 0);
  Rotate({{'s', 0, 0, 1, 1, -1, 1},
          {'t', 1, 1, 0, 0, 1, 0},
          {'p', 0, 0, 1, 1, -1, -1},
          {'t', 1, 1, 0, 0, 1, 0, kRetryPeriodMs}});
}

TEST_F(TickerRotationTest, EmptyTableRendersTheEmptySlotAndNeverAdvances) {
  WriteChannels(0, 0);
  ASSERT_TRUE(Start());
  EXPECT_EQ(renderer_.requests[0].currentChannel.url, "");
  EXPECT_EQ(desktop_.timers[kRotationTimer], kRetryPeriodMs);
  EXPECT_TRUE(desktop_.tipTitle.empty());

  desktop_.tipText[ids::IDM_PREV_CHANNEL] = "stale";
  bar_->OnTimer(kRotationTimer);
  EXPECT_EQ(desktop_.tipText[ids::IDM_PREV_CHANNEL], "");
  bar_->OnCommand(ids::IDM_NEXT_CHANNEL);
  bar_->OnCommand(ids::IDM_PREV_CHANNEL);
  EXPECT_EQ(renderer_.rendered, Strings(2, File(0)));
  EXPECT_EQ(bar_->table().current, 0);
  EXPECT_TRUE(Fetched().empty());
  EXPECT_FALSE(desktop_.Called("DeleteFileAt"));

  // A feed with no items shows nothing either: it is tried again soon, at start-up and after a
  // step, and a feed with items goes back to the set period.
  WriteChannels(1, 0);
  WriteFile(File(0), "");
  ASSERT_TRUE(Start());
  EXPECT_EQ(desktop_.timers[kRotationTimer], kRetryPeriodMs);
  bar_->OnTimer(kRotationTimer);
  EXPECT_NE(desktop_.timers[kRotationTimer], kRetryPeriodMs);
  WriteFile(File(0), "");
  bar_->OnTimer(kRotationTimer);
  EXPECT_EQ(desktop_.timers[kRotationTimer], kRetryPeriodMs);
}

TEST_F(TickerRotationTest, PointerOnThePagePausesAndALaterStepCompletesTheCommand) {
  WriteChannels(3, 0);
  MakeFile(0);
  ASSERT_TRUE(Start());
  const auto calls = desktop_.calls.size();
  desktop_.underCursor = desktop_.browserWindow;
  desktop_.timers[kRotationTimer] = 1;  // a re-arm would show
  bar_->OnCommand(ids::IDM_NEXT_CHANNEL);
  bar_->OnTimer(kRotationTimer);
  EXPECT_EQ(renderer_.rendered.size(), 1u);
  EXPECT_EQ(bar_->table().current, 1);
  EXPECT_EQ(desktop_.calls.size(), calls);

  desktop_.underCursor = 1;
  bar_->OnTimer(kRotationTimer);  // finishes the next command: nothing deleted
  EXPECT_EQ(renderer_.rendered.back(), File(1));
  EXPECT_FALSE(desktop_.Called("DeleteFileAt"));
  bar_->OnTimer(kRotationTimer);  // an ordinary step again
  EXPECT_TRUE(desktop_.Called("DeleteFileAt " + File(1)));
}

}  // namespace
}  // namespace vb::testing
