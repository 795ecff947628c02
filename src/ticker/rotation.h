#pragma once

#include "fetch/download_starter.h"
#include "fetch/update_notice.h"
#include "settings/channel_table.h"
#include "settings/ticker_settings.h"
#include "ticker/channel_tip_texts.h"
#include "ticker/desktop.h"
#include "ticker/page_focus.h"
#include "ticker/page_renderer.h"

namespace vb {

// What the rotation works with, all outliving it.
struct RotationParts {
  const TickerSettings& settings;
  ChannelStore& channels;
  const UpdateNote& note;
  PageRenderer& renderer;
  DownloadStarter& downloads;
  BarTimers& timers;
  SystemServices& system;
  PageFocus& focus;
  ChannelTips& tips;
};

// The channels shown one after another: each step renders the current channel into the page,
// reloads it, makes the next channel current and fetches it.
class ChannelRotation {
 public:
  explicit ChannelRotation(const RotationParts& parts);

  // The rotation timer's step; also what repaints the page after a change of look.
  void Step();
  void Next();
  void Previous();
  // Renders the current channel as the shown one and sets the timer: the rotation period, or
  // the retry period after a page that showed nothing.
  void ShowCurrent();
  // After the first page: the following channel is fetched, as after a step of the user's.
  void FetchFollowing();
  void CreateTips() { tipTexts_.Create(shownIndex_, previousIndex_); }

  int shownIndex() const { return shownIndex_; }
  int previousIndex() const { return previousIndex_; }

 private:
  // What started a step.
  enum class Trigger : char { kTimer, kPrevious, kNext };

  // Makes the next channel current and fetches it (not after a step back); a timer's step also
  // deletes the file after it, so that it is fetched anew.
  void MoveToNextChannel();
  int Render();
  ChannelTable& table() { return parts_.channels.table; }

  RotationParts parts_;
  ChannelTipTexts tipTexts_;
  int shownIndex_ = 0;
  int previousIndex_ = 0;
  Trigger trigger_ = Trigger::kTimer;
};

}  // namespace vb
