#pragma once

#include <cstddef>
#include <string>

namespace vb::bench {

enum class FeedFormat { kRss, kAtom };

// Writes an RSS 2.0 or Atom feed of about `bytes` bytes to `path`: items whose titles and
// summaries mix Chinese (GB2312 level-1 characters) and ASCII, in UTF-8 or, with `gbk`, in code
// page 936. False when the file cannot be written.
bool WriteMixedFeed(const std::string& path, std::size_t bytes, bool gbk,
                    FeedFormat format = FeedFormat::kRss);

}  // namespace vb::bench
