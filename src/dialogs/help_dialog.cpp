#include "dialogs/help_dialog.h"

#include "resources/resource_ids.h"

namespace vb {

void HelpDialog::OnCommand(int control, int notification) {
  if (control == ids::IDOK && notification == kNotifyClicked) view_.Close();
}

}  // namespace vb
