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
    edge_ = kAppBarEdgeTop;
    shell_.QueryAppBarPosition(edge_, strip_);
    strip_.bottom = strip_.top + BarHeight();
  } else {
    edge_ = kAppBarEdgeBottom;
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
  edge_ = kAppBarEdgeTop;
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
  edge_ = kAppBarEdgeBottom;
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
  if (edge_ == kAppBarEdgeTop) {
    strip_.top = screen.top;
    strip_.bottom = screen.top + height;
  } else if (edge_ == kAppBarEdgeBottom) {
    strip_.bottom = screen.bottom;
    strip_.top = screen.bottom - height;
  }
  shell_.QueryAppBarPosition(edge_, strip_);
  if (edge_ == kAppBarEdgeTop) {
    strip_.bottom = strip_.top + height;
  } else if (edge_ == kAppBarEdgeBottom) {
    strip_.top = strip_.bottom - height;
  }
  shell_.SetAppBarPosition(edge_, strip_);
}

void ScreenEdgeDock::ApplyZOrderRule() {
  if (shell_.AppBarState() & kAppBarAlwaysOnTop) {
    bar_.SetBarTopmost();
  } else {
    bar_.SetBarBottom();
  }
}

void ScreenEdgeDock::HandleNotify(int code, std::intptr_t lParam) {
  switch (code) {
    case kAppBarStateChanged:
      ApplyZOrderRule();
      break;
    case kAppBarPositionChanged:
      Reposition(screen_);
      bar_.MoveBar(strip_.left, strip_.top);
      break;
    case kAppBarFullScreenApp: {
      const unsigned state = shell_.AppBarState();
      if (lParam != 0) {
        ApplyZOrderRule();
      } else if (state & kAppBarAlwaysOnTop) {
        bar_.SetBarTopmost();
      }
      break;
    }
    default:
      break;
  }
}

void ScreenEdgeDock::BarActivated() {
  if (Docked()) shell_.AppBarActivated();
}

void ScreenEdgeDock::BarPositionChanged() {
  if (Docked()) shell_.AppBarPositionChanged();
}

}  // namespace vb
