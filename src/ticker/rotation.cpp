#include "ticker/rotation.h"

#include "ticker/timer_ids.h"

namespace vb {

ChannelRotation::ChannelRotation(const RotationParts& parts)
    : parts_(parts), tipTexts_(parts.tips, parts.channels.table) {}

void ChannelRotation::Step() {
  // While the pointer rests on the page the rotation stands still, and a command that started
  // this step waits for the next one that runs.
  if (parts_.focus.PointerOnPage()) return;

  ShowCurrent();
  parts_.focus.ReloadPage();

  if (table().count == 0) return tipTexts_.Clear();
  MoveToNextChannel();
}

void ChannelRotation::ShowCurrent() {
  shownIndex_ = table().current;
  if (table().count == 0) {
    previousIndex_ = 0;
  } else {
    previousIndex_ = shownIndex_ <= 0 ? table().count - 1 : shownIndex_ - 1;
  }
  const int period = Render() >= 1 ? parts_.settings.RotationPeriodMs() : kRetryPeriodMs;
  parts_.timers.SetTimer(kRotationTimer, period);
}

void ChannelRotation::FetchFollowing() {
  if (table().count == 0) return;
  trigger_ = Trigger::kNext;
  MoveToNextChannel();
}

void ChannelRotation::MoveToNextChannel() {
  const auto following = [this](int index) { return index + 1 >= table().count ? 0 : index + 1; };
  table().current = following(table().current);
  if (trigger_ == Trigger::kTimer) {
    parts_.system.DeleteFileAt(parts_.channels.paths.ChannelFile(following(table().current)));
  }
  MakeChannelCurrent(parts_.channels);
  tipTexts_.Update(shownIndex_, previousIndex_);
  if (trigger_ != Trigger::kPrevious) parts_.downloads.Start(parts_.channels.currentChannel);
  trigger_ = Trigger::kTimer;
}

void ChannelRotation::Next() {
  if (table().count == 0) return;
  trigger_ = Trigger::kNext;
  Step();
}

void ChannelRotation::Previous() {
  if (table().count == 0) return;
  table().current = previousIndex_;
  MakeChannelCurrent(parts_.channels);
  trigger_ = Trigger::kPrevious;
  Step();
}

int ChannelRotation::Render() {
  PageRenderRequest request = RequestWithDisplayValues(parts_.settings);
  request.currentChannel = parts_.channels.currentChannel;
  request.pageFile = parts_.channels.paths.pageFile;
  if (const ChannelEntry* current = table().Current()) request.codePage = current->codePage;
  request.updateNotice = parts_.note.updateNotice;
  return parts_.renderer.Render(request);
}

}  // namespace vb
