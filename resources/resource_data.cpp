#include "resources/resource_data.h"

#include <array>

#include "resources/dialog_tables.h"

namespace vb::res {

std::span<const Dialog> AllDialogs() {
  static const std::array<Dialog, 5> dialogs{kConfigDialog, kHelpDialog, kBkPicDialog,
                                             kImportDialog, kExportDialog};
  return dialogs;
}

const Dialog* FindDialog(int dialogId) {
  for (const Dialog& dialog : AllDialogs()) {
    if (dialog.id == dialogId) return &dialog;
  }
  return nullptr;
}

const Control* FindControl(const Dialog& dialog, int controlId) {
  for (const Control& control : dialog.controls) {
    if (control.id == controlId) return &control;
  }
  return nullptr;
}

}  // namespace vb::res
