#include "fetch/download_address.h"

#include "fetch/fetch_hosts.h"
#include "settings/channel_table.h"

namespace vb {
namespace {

constexpr std::string_view kOptionMarker = " vbco";
constexpr std::string_view kServicePath = "/html2rss.php?extract=on&timecache=0.1&title=";
constexpr std::string_view kArticleStart = "/0/";
constexpr std::string_view kArticleEnd = ".shtml";

// The service address for a forum cache page, or an empty text when `url` is not one.
std::string ForumFeedAddress(std::string_view url) {
  const std::size_t fragment = url.find(kForumCacheFragment);
  if (fragment == std::string_view::npos) return {};
  const std::size_t articleStart = url.find(kArticleStart, fragment);
  if (articleStart == std::string_view::npos) return {};
  const std::size_t patternStart = articleStart + kArticleStart.size() - 1;
  const std::size_t articleEnd = url.find(kArticleEnd, patternStart);
  if (articleEnd == std::string_view::npos) return {};

  std::string address = "http://";
  address += kFeedServiceHost;
  address += kServicePath;
  address += kForumFeedTitle;
  address += "&url=";
  address += url;
  address += "&linkpatterntitle=";
  address += url.substr(patternStart, articleEnd - patternStart);
  address += '/';
  return address;
}

}  // namespace

std::string DownloadAddress(std::string_view channelUrl) {
  const std::string_view url = channelUrl.substr(0, channelUrl.find(kOptionMarker));
  std::string rewritten = ForumFeedAddress(url);
  // An address the rest of the program could not hold is fetched as it stands.
  if (rewritten.empty() || rewritten.size() > kUrlLimit) return std::string(url);
  return rewritten;
}

}  // namespace vb
