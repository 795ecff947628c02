#include "fetch/download_address.h"

#include <gtest/gtest.h>

#include "fetch/fetch_hosts.h"

namespace vb {
namespace {

TEST(DownloadAddress, CutsOptionsAndSendsForumCachePagesThroughTheService) {
  EXPECT_EQ(DownloadAddress("http://a/rss.xml vbco;cd=1 vbco;cs=2"), "http://a/rss.xml");
  EXPECT_EQ(DownloadAddress("file:///f.xml"), "file:///f.xml");

  const std::string forum = "http://www." + std::string(kForumCacheFragment) + "com";
  EXPECT_EQ(DownloadAddress(forum + "/b/0/1234.shtml?p=2 vbco;ct=5"),
            "http://" + std::string(kFeedServiceHost) +
                "/html2rss.php?extract=on&timecache=0.1&title=" + std::string(kForumFeedTitle) +
                "&url=" + forum + "/b/0/1234.shtml?p=2&linkpatterntitle=/1234/");

  // A rewrite of up to 259 bytes is held; one byte more and the page is fetched as it stands.
  const auto padded = [&](std::size_t n) {
    return forum + "/" + std::string(n, 'b') + "/0/1.shtml";
  };
  const std::size_t room = 259 - DownloadAddress(padded(0)).size();
  EXPECT_EQ(DownloadAddress(padded(room)).size(), 259u);

  // No article part after the fragment, or a rewrite too long to hold: fetched as it stands.
  for (const std::string& url : {forum + "/b/1234.shtml", forum + "/b/0/1234.html",
                                 "http://x/0/1.shtml/" + forum, padded(room + 1)}) {
    EXPECT_EQ(DownloadAddress(url), url);
  }
}

}  // namespace
}  // namespace vb
