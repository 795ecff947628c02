#pragma once

#include "dialogs/dialog_view.h"
#include "settings/ticker_settings.h"

namespace vb {

// What a transparency command of the bar does to an open configuration dialog once it has
// switched to `mode`: ticks the matching button, unticks the other two, and lets the background
// colour be edited unless it is keyed out. The colour field keeps its text.
void RetickTransparency(DialogView& configView, TransparencyMode mode);

}  // namespace vb
