#pragma once

#include <string>

#include "settings/ticker_settings.h"
#include "ticker/desktop.h"

namespace vb {

// Where the bar sits: docked at the top or bottom screen edge as an app bar, or floating. The
// strip is the app-bar rectangle; while floating its left and top
// are the bar's position.
class ScreenEdgeDock {
 public:
  // The dock edge is settings.dockEdge; the strip height follows settings.BarHeight().
  ScreenEdgeDock(AppBar& shell, BarWindow& bar, TickerSettings& settings)
      : shell_(shell), bar_(bar), dockEdge_(settings.dockEdge), settings_(settings) {}

  // Before DockAtStartup, and whenever the screen changes: a docked strip spans the new width.
  void SetScreen(const Rect& screen);

  // Floating at (origX, origY), or registered at the edge; false when the shell refuses.
  bool DockAtStartup(int origX, int origY);
  void DockTop();
  void DockBottom();
  // The bar has just been hidden / is about to be shown: the strip gives up or takes back its
  // height while the registration stays.
  void CollapseStrip();
  void RestoreStrip();
  // After a drag: floats the bar unless it still touches the top or bottom screen edge.
  void UndockAfterDrag();
  // Fits the docked strip to a new bar height.
  void ResizeStrip();
  void HandleNotice(AppBarNotice notice, bool taskbarOnTop);

  bool Docked() const { return dockEdge_ != DockEdge::kFloating; }
  const AppBarStrip& strip() const { return strip_; }
  DockEdge edge() const { return edge_; }

 private:
  void Reposition(const Rect& screen);
  void ApplyZOrderRule(bool taskbarOnTop);
  int BarHeight() const { return settings_.BarHeight(); }

  AppBar& shell_;
  BarWindow& bar_;
  DockEdge& dockEdge_;
  const TickerSettings& settings_;
  Rect screen_;
  AppBarStrip strip_;
  DockEdge edge_ = DockEdge::kFloating;
};

}  // namespace vb
