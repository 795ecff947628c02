#include "dialogs/config_dialog.h"

#include <string>

#include "resources/resource_data.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "settings/text_936.h"

namespace vb {

using namespace ids;

void ConfigDialog::OnInit() {
  FillFields();
  FillChannelList();
  const bool empty = context_.channels.table.count == 0;
  view_.SetText(IDC_CHANNEL_HEADER,
                Utf8To936(empty ? res::text::kEmptyTableHint : res::text::kChannelHint));
}

void ConfigDialog::FillFields() {
  const TickerSettings& s = context_.settings;
  switch (s.dir.empty() ? '\0' : s.dir.front()) {
    case 'l':
      view_.SetChecked(IDC_DIR_LEFT, true);
      break;
    case 'r':
      view_.SetChecked(IDC_DIR_RIGHT, true);
      break;
    case 'u':
      view_.SetChecked(IDC_DIR_UP, true);
      break;
    case 'd':
      view_.SetChecked(IDC_DIR_DOWN, true);
      break;
    case 'n':
      view_.SetChecked(IDC_DIR_NONE, true);
      view_.Enable(IDC_SMOOTH, false);
      break;
    default:
      break;
  }
  view_.SetChecked(IDC_AUTOLOAD, s.autoLoad);

  view_.SetText(IDC_SMOOTH, std::to_string(s.scrollStep));
  view_.SetText(IDC_SPEED, std::to_string(s.scrollPauseMs));
  view_.SetText(IDC_LINENUM, std::to_string(s.lineNum));
  view_.SetText(IDC_COLNUM, std::to_string(s.colNum));
  view_.SetText(IDC_TFONT, std::to_string(s.fontSize));

  view_.SetText(IDC_TXTCOLOR, s.txtColor.text());
  view_.SetText(IDC_LNKCOLOR, s.lnkColor.text());
  view_.SetText(IDC_VSTCOLOR, s.vstColor.text());
  const bool keyed = s.mode == TransparencyMode::kColourKey;
  // Keyed out, BgColor holds the key colour; the user's colour is the saved one.
  view_.SetText(IDC_BGCOLOR, (keyed ? s.savedBgColor : s.bgColor).text());
  view_.Enable(IDC_BGCOLOR, s.mode == TransparencyMode::kOpaque);
  view_.SetChecked(s.mode == TransparencyMode::kOpaque ? IDC_OPAQUE
                   : keyed                             ? IDC_FULL_TRANSPARENT
                                                       : IDC_TRANSLUCENT,
                   true);

  view_.SetText(IDC_WIDTH, std::to_string(s.barWidth));
  view_.SetText(IDC_DEFTIMER, std::to_string(s.rotationSeconds));
}

void ConfigDialog::OnCommand(int control, int notification) {
  if (control == IDC_CHANNEL_LIST) {
    if (notification == kNotifySelChange) ChannelSelected();
    if (notification == kNotifyDoubleClick) ChannelDoubleClicked();
    return;
  }
  if (notification != kNotifyClicked) return;
  switch (control) {
    case IDC_AUTOLOAD:
      AutoloadClicked();
      break;
    case IDC_OPAQUE:
      context_.bar.SendCommand(IDM_OPAQUE);
      break;
    case IDC_TRANSLUCENT:
      context_.bar.SendCommand(IDM_TRANSLUCENT);
      break;
    case IDC_FULL_TRANSPARENT:
      context_.bar.SendCommand(IDM_FULL_TRANSPARENT);
      break;
    case IDC_DIR_LEFT:
    case IDC_DIR_RIGHT:
    case IDC_DIR_UP:
    case IDC_DIR_DOWN:
    case IDC_DIR_NONE:
      DirectionClicked(control);
      break;
    case IDC_CHANNEL_ADD:
      AddClicked();
      break;
    case IDC_CHANNEL_DELETE:
      DeleteClicked();
      break;
    case IDC_APPLY:
      Apply();
      break;
    case IDOK:
      Apply();
      view_.Close();  // may destroy this controller: nothing may follow
      break;
    case IDCANCEL:
      view_.Close();
      break;
    default:
      break;
  }
}

void ConfigDialog::AutoloadClicked() {
  bool on = view_.Checked(IDC_AUTOLOAD);
  if (!context_.autostart.Set(on) && on) {
    on = false;
    view_.SetChecked(IDC_AUTOLOAD, false);
  }
  context_.settings.autoLoad = on;
  WriteSettingKeys(context_.channels.profile, context_.settings, {SettingKey::kAutoLoad});
}

void ConfigDialog::DirectionClicked(int button) {
  if (button == IDC_DIR_NONE) {
    view_.Enable(IDC_SMOOTH, false);
    view_.SetText(IDC_SMOOTH, std::to_string(context_.settings.BarHeight()));
    view_.SetText(IDC_SPEED, "3000");
    return;
  }
  const bool horizontal = button == IDC_DIR_LEFT || button == IDC_DIR_RIGHT;
  view_.Enable(IDC_SMOOTH, true);
  view_.SetText(IDC_SMOOTH, horizontal ? "2" : "1");
  view_.SetText(IDC_SPEED, horizontal ? "30" : "60");
}

}  // namespace vb
