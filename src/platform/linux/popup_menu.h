#pragma once

#include <gtk/gtk.h>

#include "resources/resource_model.h"
#include "ticker/desktop.h"

namespace vb {

// Shows the items of `menu` as a popup whose top right corner is at `at` (screen pixels) and
// waits until it closes. Returns the chosen command id, 0 when nothing was chosen. `anchor` is
// a mapped window of this program that the menu is placed against.
int RunPopupMenu(const res::MenuItem& menu, GtkWidget* anchor, Point at);

}  // namespace vb
