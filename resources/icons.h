#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/resource_ids.h"

namespace vb::res {

inline constexpr int kIconIds[] = {ids::IDI_BROADCAST, ids::IDI_PREV, ids::IDI_NEXT};
inline constexpr int kIconSizes[] = {16, 32};

// A square picture: `size` rows of `size` pixels from the top left, four bytes each (red, green,
// blue, alpha; colour not premultiplied), the layout that GdkPixbuf takes.
struct IconImage {
  int size = 0;
  std::vector<std::uint8_t> rgba;
};

// The picture of icon `iconId` (102 broadcast, 143 previous, 144 next) at any size from 1 to
// 256 pixels; an empty image for another id or size.
IconImage DrawIcon(int iconId, int size);

// The bytes of an .ico file holding the icon's 16 and 32 pixel pictures (32-bit colour with
// alpha); empty for an unknown id.
std::string IcoFile(int iconId);

}  // namespace vb::res
