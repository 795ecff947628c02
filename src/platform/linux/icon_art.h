#pragma once

#include <gdk-pixbuf/gdk-pixbuf.h>

namespace vb {

// Icon `iconResourceId` (102, 143 or 144) at `size` pixels from the shared pictures. A new
// reference; nullptr for an unknown id.
GdkPixbuf* IconPixbuf(int iconResourceId, int size);

}  // namespace vb
