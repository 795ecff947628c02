#include "ticker/bar_dialogs.h"

#include "dialogs/dialog_factory.h"
#include "dialogs/transparency_ticks.h"
#include "resources/resource_ids.h"

namespace vb {

void BarDialogs::OpenConfig() {
  if (config_ != nullptr) return;
  config_ = shell_.OpenDialog(ids::IDD_CONFIG, 100, 100, [this](DialogView& view) {
    return CreateDialog(ids::IDD_CONFIG, view, context_, [this] { config_ = nullptr; });
  });
}

void BarDialogs::Open(int resourceId, int x, int y) {
  shell_.OpenDialog(resourceId, x, y, [this, resourceId](DialogView& view) {
    return CreateDialog(resourceId, view, context_);
  });
}

void BarDialogs::ShowTransparency(TransparencyMode mode) {
  if (config_ != nullptr) RetickTransparency(*config_, mode);
}

}  // namespace vb
