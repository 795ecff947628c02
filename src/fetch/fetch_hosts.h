#pragma once

#include <string_view>

// The outside addresses the program depends on, kept together so that moving a service touches
// one file.
namespace vb {

// Marks pages of the forum's static page cache, which arrive as HTML and are sent through the
// HTML-to-RSS service instead.
inline constexpr std::string_view kForumCacheFragment = "cache.velloforum.";

// The HTML-to-RSS conversion service.
inline constexpr std::string_view kFeedServiceHost = "feeds.velloband.net";

// Title the service gives converted forum pages: GB2312 "论坛精华", percent-encoded.
inline constexpr std::string_view kForumFeedTitle = "%C2%DB%CC%B3%BE%AB%BB%AA";

// Where the update note is published.
inline constexpr std::string_view kUpdateHost = "update.velloband.net";

}  // namespace vb
