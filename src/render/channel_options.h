#pragma once

#include <string>
#include <string_view>

namespace vb {

// The channel's address and the display values in force for it: the request's values with the
// overrides of the address's " vbco" suffix applied.
struct ChannelOptions {
  std::string address;  // the address without its suffix
  std::string dir;
  std::string smooth;
  std::string speed;
  int colNum = 1;
  char noDescription = 0;
};

// Reads the ";cd=", ";cs=", ";ct=", ";ccn=" and ";cnd=" overrides after the first " vbco" of
// `url` (cut to its 259-byte limit). An empty value keeps the given one, and so does a direction
// that is not ASCII letters only or a step or delay that is not ASCII digits only.
ChannelOptions ParseChannelOptions(std::string_view url, std::string_view dir,
                                   std::string_view smooth, std::string_view speed, int colNum,
                                   char noDescription);

}  // namespace vb
