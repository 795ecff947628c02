#include "dialogs/transparency_ticks.h"

#include "resources/resource_ids.h"

namespace vb {

void RetickTransparency(DialogView& configView, TransparencyMode mode) {
  using namespace ids;
  switch (mode) {
    case TransparencyMode::kOpaque:
      configView.SetChecked(IDC_TRANSLUCENT, false);
      configView.SetChecked(IDC_FULL_TRANSPARENT, false);
      configView.SetChecked(IDC_OPAQUE, true);
      configView.Enable(IDC_BGCOLOR, true);
      break;
    case TransparencyMode::kTranslucent:
      configView.SetChecked(IDC_OPAQUE, false);
      configView.SetChecked(IDC_FULL_TRANSPARENT, false);
      configView.SetChecked(IDC_TRANSLUCENT, true);
      configView.Enable(IDC_BGCOLOR, true);
      break;
    case TransparencyMode::kColourKey:
      configView.SetChecked(IDC_TRANSLUCENT, false);
      configView.SetChecked(IDC_OPAQUE, false);
      configView.SetChecked(IDC_FULL_TRANSPARENT, true);
      configView.Enable(IDC_BGCOLOR, false);
      break;
  }
}

}  // namespace vb
