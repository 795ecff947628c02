#include <string>

#include "dialogs/config_dialog.h"
#include "resources/resource_ids.h"
#include "settings/decimal_text.h"

namespace vb {
namespace {

using namespace ids;

// Field read limits, in bytes.
constexpr std::size_t kScrollLimit = 4;
constexpr std::size_t kCountLimit = 2;
constexpr std::size_t kColourLimit = 6;
constexpr std::size_t kWidthLimit = 4;

// A line count or headlines per line: 0 becomes 1 (shown), anything above 10 as unsigned, the
// negatives included, becomes 10 while the field keeps what was typed.
int TakeCount(DialogView& view, int control) {
  const int value = Atoi(CutBytes(view.Text(control), kCountLimit));
  if (value == 0) {
    view.SetText(control, "1");
    return 1;
  }
  return static_cast<unsigned>(value) > 10u ? 10 : value;
}

// The field's text, raised to `floor` (and the field showing it) when its value is lower.
std::string TakeAtLeast(DialogView& view, int control, std::size_t limit, int floor) {
  std::string text = CutBytes(view.Text(control), limit);
  if (Atoi(text) < floor) {
    text = std::to_string(floor);
    view.SetText(control, text);
  }
  return text;
}

}  // namespace

void ConfigDialog::Apply() {
  TakeScrollFields();
  TakeLayoutFields();
  TakeDirection();
  TakeColourFields();
  TakeTimingFields();

  TickerSettings& s = context_.settings;
  KeepPageSafeShapes(s);  // typed or pasted text reaches the page as it stands
  s.rotationPeriod = Atoi(s.defTimer) * 1000;
  context_.bar.RestartRotationTimer();
  context_.bar.RequestRotationStep();
  if (!s.fixed.empty()) context_.bar.ResizeAppBarStrip();
  context_.bar.ResizeAndShowBar();
  WriteAppliedKeys();
}

void ConfigDialog::TakeScrollFields() {
  TickerSettings& s = context_.settings;
  s.smooth = TakeAtLeast(view_, IDC_SMOOTH, kScrollLimit, 1);
  s.speed = TakeAtLeast(view_, IDC_SPEED, kScrollLimit, 20);
}

void ConfigDialog::TakeLayoutFields() {
  TickerSettings& s = context_.settings;
  s.lineNum = TakeCount(view_, IDC_LINENUM);
  s.colNum = TakeCount(view_, IDC_COLNUM);
  s.tFont = CutBytes(view_.Text(IDC_TFONT), kCountLimit);
  s.fontSize = Atoi(s.tFont);
  if (s.fontSize < 12 || s.fontSize > 50) {
    s.fontSize = s.fontSize < 12 ? 12 : 50;
    s.tFont = std::to_string(s.fontSize);
    view_.SetText(IDC_TFONT, s.tFont);
  }
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
      s.smooth = std::to_string(s.BarHeight());
      view_.SetText(IDC_SMOOTH, s.smooth);
    }
    return;
  }
}

void ConfigDialog::TakeColourFields() {
  TickerSettings& s = context_.settings;
  // Outside mode '0' BgColor is owned by the transparency commands.
  if (s.mode == "0") s.bgColor = CutBytes(view_.Text(IDC_BGCOLOR), kColourLimit);
  s.txtColor = CutBytes(view_.Text(IDC_TXTCOLOR), kColourLimit);
  s.lnkColor = CutBytes(view_.Text(IDC_LNKCOLOR), kColourLimit);
  s.vstColor = CutBytes(view_.Text(IDC_VSTCOLOR), kColourLimit);
}

void ConfigDialog::TakeTimingFields() {
  TickerSettings& s = context_.settings;
  s.width = CutBytes(view_.Text(IDC_WIDTH), kWidthLimit);
  s.barWidth = Atoi(s.width);
  s.defTimer = TakeAtLeast(view_, IDC_DEFTIMER, kScrollLimit, 10);
}

void ConfigDialog::WriteAppliedKeys() const {
  const TickerSettings& s = context_.settings;
  const ProfileStore& profile = context_.channels.profile;
  profile.Write("Format", "Dir", s.dir);
  profile.Write("Format", "BgColor", s.bgColor);
  profile.Write("Format", "TxtColor", s.txtColor);
  profile.Write("Format", "LnkColor", s.lnkColor);
  profile.Write("Format", "VstColor", s.vstColor);
  profile.Write("Format", "Smooth", s.smooth);
  profile.Write("Format", "Speed", s.speed);
  profile.Write("Format", "LineNum", std::to_string(s.lineNum));
  profile.Write("Format", "ColNum", std::to_string(s.colNum));
  profile.Write("Format", "TFont", s.tFont);
  profile.Write("Window", "Width", s.width);
  profile.Write("Timer", "DefTimer", s.defTimer);
}

}  // namespace vb
