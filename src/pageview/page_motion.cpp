#include "pageview/page_motion.h"

#include <algorithm>

namespace vb {
namespace {

// A browser's timers fire no faster than this.
constexpr int kShortestPeriodMs = 10;
// After a long pause (a suspended machine, a blocked loop) the motion goes on from now rather
// than racing through every missed step.
constexpr std::int64_t kMostStepsAtOnce = 1000;

int Period(int ms) {
  return std::max(ms, kShortestPeriodMs);
}

}  // namespace

PageMotion::PageMotion(const PageScroller& scroller, const PageLayout& layout, std::int64_t nowMs)
    : form_(scroller.form),
      heading_(scroller.heading),
      step_(scroller.step),
      delayMs_(Period(scroller.delayMs)),
      noDelay_(scroller.delayMs <= 0),
      running_(scroller.form == ScrollerForm::kMarquee),
      lastStep_(nowMs),
      groups_(layout.groups.size()),
      rollLines_(static_cast<std::size_t>(std::max(0, scroller.rollLines))) {
  Resize(layout);
  Enter();
  // A marquee that cannot move shows its content where it stands, at the scroller's corner.
  if (!Moves()) x_ = y_ = 0;
  if (form_ == ScrollerForm::kRoll && scroller.roll) {
    PageAction start;
    start.roll = scroller.roll;
    Apply(start, nowMs);
  }
}

void PageMotion::Resize(const PageLayout& layout) {
  scrollerWidth_ = layout.scroller.width;
  scrollerHeight_ = layout.scroller.height;
  stripWidth_ = layout.stripWidth;
  stripHeight_ = layout.stripHeight;
}

void PageMotion::Enter() {
  x_ = 0;
  y_ = 0;
  switch (heading_) {
    case Heading::kLeft:
      x_ = scrollerWidth_;
      break;
    case Heading::kRight:
      x_ = -stripWidth_;
      break;
    case Heading::kUp:
      y_ = scrollerHeight_;
      break;
    case Heading::kDown:
      y_ = -stripHeight_;
      break;
  }
}

void PageMotion::Apply(const PageAction& action, std::int64_t nowMs) {
  if (form_ == ScrollerForm::kRoll) {
    if (action.clearRoll) roll_.reset();
    if (action.roll) {
      roll_ = RollTimer{action.roll->backwards, Period(action.roll->periodMs)};
      nextTurn_ = nowMs + roll_->periodMs;
    }
    return;
  }
  if (action.step) step_ = *action.step;
  if (action.heading) {
    // Turning to the other axis starts the strip at that axis's edge.
    if (IsVertical(*action.heading) != IsVertical(heading_)) {
      heading_ = *action.heading;
      Enter();
    }
    heading_ = *action.heading;
  }
  if (action.stop) running_ = false;
  if (action.start && !running_) {
    running_ = true;
    lastStep_ = nowMs;
  }
}

bool PageMotion::Running() const {
  return form_ == ScrollerForm::kRoll ? roll_.has_value() : running_ && Moves();
}

bool PageMotion::Moves() const {
  return step_ > 0 && !noDelay_;
}

bool PageMotion::MoveOnce() {
  int oldX = x_, oldY = y_;
  switch (heading_) {
    case Heading::kLeft:
      x_ -= step_;
      if (x_ + stripWidth_ <= 0) Enter();
      break;
    case Heading::kRight:
      x_ += step_;
      if (x_ >= scrollerWidth_) Enter();
      break;
    case Heading::kUp:
      y_ -= step_;
      if (y_ + stripHeight_ <= 0) Enter();
      break;
    case Heading::kDown:
      y_ += step_;
      if (y_ >= scrollerHeight_) Enter();
      break;
  }
  return x_ != oldX || y_ != oldY;
}

bool PageMotion::Advance(std::int64_t nowMs) {
  bool changed = false;
  if (form_ == ScrollerForm::kMarquee) {
    if (!Running() || nowMs < lastStep_ + delayMs_) return false;
    std::int64_t steps = (nowMs - lastStep_) / delayMs_;
    lastStep_ = steps > kMostStepsAtOnce ? nowMs : lastStep_ + steps * delayMs_;
    for (std::int64_t i = 0; i < std::min(steps, kMostStepsAtOnce); ++i) changed |= MoveOnce();
    return changed;
  }
  if (!roll_ || nowMs < nextTurn_) return false;
  std::int64_t turns = (nowMs - nextTurn_) / roll_->periodMs + 1;
  nextTurn_ =
      turns > kMostStepsAtOnce ? nowMs + roll_->periodMs : nextTurn_ + turns * roll_->periodMs;
  if (groups_ == 0) return false;
  std::size_t moved =
      static_cast<std::size_t>(std::min(turns, kMostStepsAtOnce)) * rollLines_ % groups_;
  std::size_t old = first_;
  first_ = roll_->backwards ? (first_ + groups_ - moved) % groups_ : (first_ + moved) % groups_;
  return first_ != old;
}

std::optional<std::int64_t> PageMotion::NextStepAt() const {
  if (form_ == ScrollerForm::kRoll) {
    return roll_ ? std::optional<std::int64_t>(nextTurn_) : std::nullopt;
  }
  return Running() ? std::optional<std::int64_t>(lastStep_ + delayMs_) : std::nullopt;
}

}  // namespace vb
