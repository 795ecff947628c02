#pragma once

#include <string>

#include "settings/channel_table.h"
#include "ticker/desktop.h"

namespace vb {

// What the previous and next icons' balloons say: the shown channel's name as text, the
// previous and the next channel's names as titles.
class ChannelTipTexts {
 public:
  ChannelTipTexts(ChannelTips& tips, const ChannelTable& table) : tips_(tips), table_(table) {}

  // Creates both balloons; without them the other calls do nothing.
  void Create(int shownIndex, int previousIndex);
  void Update(int shownIndex, int previousIndex);
  // No channels: no text.
  void Clear();

 private:
  void SetTitles(int previousIndex);
  // The display name of channel `index`, or `unset` when it has none.
  std::string NameOr(int index, const char* unset) const;

  ChannelTips& tips_;
  const ChannelTable& table_;
  bool ready_ = false;
};

}  // namespace vb
