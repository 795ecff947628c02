#pragma once

#include <string>

#include "settings/channel_table.h"
#include "settings/ticker_settings.h"

namespace vb {

// The inputs of one rendering of a channel file into the page the bar shows.
struct PageRenderRequest {
  DownloadTarget currentChannel;  // path: channel file to render; url: address with option suffix
  std::string pageFile;
  std::string bgColor, txtColor, vstColor, lnkColor, dir;
  int lineNum = 1;
  int colNum = 1;
  std::string smooth, speed, bkPic, tFont;
  char noDescription = 0;
  std::string codePage;
  std::string updateNotice;
};

// A request with the display values of `settings`; the channel, page file, code page and notice
// are left to the caller.
PageRenderRequest RequestWithDisplayValues(const TickerSettings& settings);

// Writes the page for the channel file. -1: the page could not be written, or the channel file
// is missing, empty or unreadable; 0: no channel title or no items; otherwise the item count.
// The page file is complete and closed on return.
int RenderChannelPage(const PageRenderRequest& request);

}  // namespace vb
