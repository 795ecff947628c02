#include <string>

#include "dialogs/config_dialog.h"
#include "resources/resource_ids.h"
#include "settings/decimal_text.h"

namespace vb {
namespace {

using namespace ids;

// A line count or headlines per line; a 0 shows as the 1 it becomes, while a count above 10
// leaves what was typed in the field.
int TakeLineCount(DialogView& view, int control) {
  const int typed = Atoi(CutBytes(view.Text(control), limits::kCountChars));
  if (typed == 0) view.SetText(control, "1");
  return limits::LineCount(typed);
}

// The field's number within its bounds; the field shows a bound that replaced what was typed.
int TakeBounded(DialogView& view, int control, const limits::Bounds& bounds) {
  const limits::Taken taken = limits::Take(bounds, view.Text(control));
  if (taken.clamped) view.SetText(control, std::to_string(taken.value));
  return taken.value;
}

// A colour of another shape than the page allows takes `fallback`.
PageColour TakeColour(DialogView& view, int control, const PageColour& fallback) {
  return PageColour::From(view.Text(control)).value_or(fallback);
}

}  // namespace

void ConfigDialog::Apply() {
  TickerSettings& s = context_.settings;
  s.scrollStep = TakeBounded(view_, IDC_SMOOTH, limits::kScrollStep);
  s.scrollPauseMs = TakeBounded(view_, IDC_SPEED, limits::kScrollPause);
  s.lineNum = TakeLineCount(view_, IDC_LINENUM);
  s.colNum = TakeLineCount(view_, IDC_COLNUM);
  s.fontSize = TakeBounded(view_, IDC_TFONT, limits::kFontSize);
  TakeDirection();
  TakeColourFields();
  s.barWidth = Atoi(CutBytes(view_.Text(IDC_WIDTH), limits::kPositionChars));
  s.rotationSeconds = Atoi(CutBytes(view_.Text(IDC_DEFTIMER), limits::kSecondsChars));
  if (s.rotationSeconds < limits::kLeastTypedSeconds) {
    s.rotationSeconds = limits::kLeastTypedSeconds;
    view_.SetText(IDC_DEFTIMER, std::to_string(s.rotationSeconds));
  }

  context_.bar.RestartRotationTimer();
  context_.bar.RequestRotationStep();
  if (s.dockEdge != DockEdge::kFloating) context_.bar.ResizeAppBarStrip();
  context_.bar.ResizeAndShowBar();
  using K = SettingKey;
  // Nothing tells the user of a lost write; the values hold for this run all the same.
  WriteSettingKeys(context_.channels.profile, s,
                   {K::kDir, K::kBgColor, K::kTxtColor, K::kLnkColor, K::kVstColor, K::kSmooth,
                    K::kSpeed, K::kLineNum, K::kColNum, K::kTFont, K::kWidth, K::kDefTimer});
}

void ConfigDialog::TakeDirection() {
  static constexpr struct {
    int button;
    const char* dir;
  } kDirections[] = {{IDC_DIR_LEFT, "left"},
                     {IDC_DIR_RIGHT, "right"},
                     {IDC_DIR_UP, "up"},
                     {IDC_DIR_DOWN, "down"},
                     {IDC_DIR_NONE, "no"}};
  TickerSettings& s = context_.settings;
  for (const auto& direction : kDirections) {
    if (!view_.Checked(direction.button)) continue;
    s.dir = direction.dir;
    if (direction.button == IDC_DIR_NONE) {
      // Without scrolling each step moves one whole bar height.
      s.scrollStep = s.BarHeight();
      view_.SetText(IDC_SMOOTH, std::to_string(s.scrollStep));
    }
    return;
  }
}

void ConfigDialog::TakeColourFields() {
  TickerSettings& s = context_.settings;
  // Unless opaque, BgColor is owned by the transparency commands.
  if (s.mode == TransparencyMode::kOpaque) {
    s.bgColor = TakeColour(view_, IDC_BGCOLOR, PageColour("000000"));
  }
  s.txtColor = TakeColour(view_, IDC_TXTCOLOR, PageColour("ff0000"));
  s.lnkColor = TakeColour(view_, IDC_LNKCOLOR, PageColour("ff00ff"));
  s.vstColor = TakeColour(view_, IDC_VSTCOLOR, PageColour("00ff00"));
}

}  // namespace vb
