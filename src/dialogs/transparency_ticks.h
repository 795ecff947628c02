#pragma once

#include "dialogs/dialog_view.h"

namespace vb {

// What a transparency command of the bar does to an open configuration dialog once it has
// switched to `mode` ('0' opaque, '1' translucent, '2' colour keyed): ticks the matching button,
// unticks the other two, and lets the background colour be edited except in mode '2'. The
// colour field keeps its text. Any other mode changes nothing.
void RetickTransparency(DialogView& configView, char mode);

}  // namespace vb
