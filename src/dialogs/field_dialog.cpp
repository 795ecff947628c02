#include "dialogs/field_dialog.h"

#include "resources/resource_ids.h"
#include "settings/decimal_text.h"
#include "settings/setting_limits.h"

namespace vb {
void FieldDialog::OnInit() {
  view_.SetText(field_, Value().empty() ? Suggestion() : Value());
}

void FieldDialog::OnCommand(int control, int notification) {
  if (notification != kNotifyClicked) return;
  switch (control) {
    case ids::IDC_APPLY:
    case ids::IDOK:
      Value() = CutBytes(view_.Text(field_), limits::kPathChars);
      Apply();
      if (control == ids::IDOK) Finish();
      break;
    case ids::IDCANCEL:
      view_.Close();
      break;
    default:
      break;
  }
}

}  // namespace vb
