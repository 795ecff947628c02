#pragma once

#include <functional>
#include <memory>

#include "dialogs/dialog_controller.h"

namespace vb {

// The controller of dialog resource `resourceId` (IDD_CONFIG, IDD_HELP, IDD_BKPIC, IDD_IMPORT or
// IDD_EXPORT) over `view`; nullptr for any other id. `onDestroyed`, when given, runs when the
// controller is destroyed, so that the bar can forget its open configuration dialog.
std::unique_ptr<DialogController> CreateDialog(int resourceId, DialogView& view,
                                               DialogContext& context,
                                               std::function<void()> onDestroyed = {});

}  // namespace vb
