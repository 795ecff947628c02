#pragma once

#include <string>
#include <string_view>

namespace vb {

// The address a channel is fetched from: `channelUrl` without its option suffix, and sent
// through the HTML-to-RSS service when it is a forum cache page.
std::string DownloadAddress(std::string_view channelUrl);

}  // namespace vb
