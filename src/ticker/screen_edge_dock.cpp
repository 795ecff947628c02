#include "ticker/screen_edge_dock.h"

namespace vb {

void ScreenEdgeDock::SetScreen(const Rect& screen) {
  screen_ = screen;
  if (!Docked()) return;
  strip_.left = screen.left;
  strip_.right = screen.right;
}

bool ScreenEdgeDock::DockAtStartup(int origX, int origY) {
  if (!Docked()) {
    strip_.left = origX;
    strip_.top = origY;
    return true;
  }
  if (!shell_.RegisterAppBar()) return false;
  strip_ = screen_;
  if (dockEdge_ == DockEdge::kTop) {
    strip_.bottom = screen_.top + BarHeight();
    edge_ = DockEdge::kTop;
    shell_.QueryAppBarPosition(edge_, strip_);
    strip_.bottom = strip_.top + BarHeight();
  } else {
    edge_ = DockEdge::kBottom;
    strip_.top = screen_.bottom - BarHeight();
    shell_.QueryAppBarPosition(edge_, strip_);
    strip_.top = strip_.bottom - BarHeight();
  }
  shell_.SetAppBarPosition(edge_, strip_);
  return true;
}

void ScreenEdgeDock::DockTop() {
  if (dockEdge_ == DockEdge::kTop) return;
  strip_ = screen_;
  strip_.bottom = screen_.top + BarHeight();
  edge_ = DockEdge::kTop;
  // Going from one edge to the other keeps the registration; a failed one is not retried.
  if (!Docked()) shell_.RegisterAppBar();
  shell_.QueryAppBarPosition(edge_, strip_);
  strip_.bottom = strip_.top + BarHeight();
  shell_.SetAppBarPosition(edge_, strip_);
  bar_.MoveBar(screen_.left, strip_.top);
  dockEdge_ = DockEdge::kTop;
}

void ScreenEdgeDock::DockBottom() {
  if (dockEdge_ == DockEdge::kBottom) return;
  strip_ = screen_;
  strip_.top = screen_.bottom - BarHeight();
  edge_ = DockEdge::kBottom;
  if (!Docked()) shell_.RegisterAppBar();
  shell_.QueryAppBarPosition(edge_, strip_);
  strip_.top = strip_.bottom - BarHeight();
  bar_.MoveBar(strip_.left, strip_.top);
  shell_.SetAppBarPosition(edge_, strip_);
  dockEdge_ = DockEdge::kBottom;
}

void ScreenEdgeDock::CollapseStrip() {
  if (dockEdge_ == DockEdge::kTop) {
    strip_.bottom -= BarHeight();
    shell_.QueryAppBarPosition(edge_, strip_);
    strip_.bottom = strip_.top;
  } else if (dockEdge_ == DockEdge::kBottom) {
    strip_.top += BarHeight();
    shell_.QueryAppBarPosition(edge_, strip_);
    strip_.top = strip_.bottom;
  } else {
    return;
  }
  shell_.SetAppBarPosition(edge_, strip_);
}

void ScreenEdgeDock::RestoreStrip() {
  if (dockEdge_ == DockEdge::kTop) {
    strip_.bottom += BarHeight();
    shell_.QueryAppBarPosition(edge_, strip_);
    strip_.bottom = strip_.top + BarHeight();
  } else if (dockEdge_ == DockEdge::kBottom) {
    strip_.top -= BarHeight();
    shell_.QueryAppBarPosition(edge_, strip_);
    strip_.top = strip_.bottom - BarHeight();
  } else {
    return;
  }
  shell_.SetAppBarPosition(edge_, strip_);
}

void ScreenEdgeDock::UndockAfterDrag() {
  const Rect window = bar_.BarRect();
  if (window.top == screen_.top || window.bottom == screen_.bottom) return;
  // Docked beside a panel, the edge the bar keeps to is its strip's.
  if (dockEdge_ == DockEdge::kTop && window.top == strip_.top) return;
  if (dockEdge_ == DockEdge::kBottom && window.bottom == strip_.bottom) return;
  if (Docked()) {
    dockEdge_ = DockEdge::kFloating;
    shell_.UnregisterAppBar();
  }
  strip_.left = window.left;
  strip_.top = window.top;
}

void ScreenEdgeDock::ResizeStrip() {
  if (!Docked()) return;
  strip_.bottom = strip_.top + BarHeight();
  Reposition(screen_);
}

void ScreenEdgeDock::Reposition(const Rect& screen) {
  const int height = strip_.bottom - strip_.top;
  if (edge_ == DockEdge::kTop) {
    strip_.top = screen.top;
    strip_.bottom = screen.top + height;
  } else if (edge_ == DockEdge::kBottom) {
    strip_.bottom = screen.bottom;
    strip_.top = screen.bottom - height;
  }
  shell_.QueryAppBarPosition(edge_, strip_);
  if (edge_ == DockEdge::kTop) {
    strip_.bottom = strip_.top + height;
  } else if (edge_ == DockEdge::kBottom) {
    strip_.top = strip_.bottom - height;
  }
  shell_.SetAppBarPosition(edge_, strip_);
}

void ScreenEdgeDock::ApplyZOrderRule(bool taskbarOnTop) {
  if (taskbarOnTop) {
    bar_.SetBarTopmost();
  } else {
    bar_.SetBarBottom();
  }
}

void ScreenEdgeDock::HandleNotice(AppBarNotice notice, bool taskbarOnTop) {
  switch (notice) {
    case AppBarNotice::kPositionChanged:
      Reposition(screen_);
      bar_.MoveBar(strip_.left, strip_.top);
      break;
    case AppBarNotice::kTaskbarStateChanged:
    case AppBarNotice::kFullScreenOpened:
      ApplyZOrderRule(taskbarOnTop);
      break;
    case AppBarNotice::kFullScreenClosed:
      if (taskbarOnTop) bar_.SetBarTopmost();
      break;
  }
}

}  // namespace vb
