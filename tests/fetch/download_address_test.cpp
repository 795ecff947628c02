#include "fetch/download_address.h"

#include <gtest/gtest.h>

#include "fetch/fetch_hosts.h"
#include "fetch/request_url.h"

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

TEST(RequestUrl, TypedAddressesBecomeTheUtf8UrlsBrowsersSend) {
  const std::pair<std::string, std::string> cases[] = {
      {"http://host/two words.xml", "http://host/two%20words.xml"},
      // 新闻/中文.xml as typed, in code page 936.
      {"http://host/\xD0\xC2\xCE\xC5/\xD6\xD0\xCE\xC4.xml?q=\xD6\xD0",
       "http://host/%E6%96%B0%E9%97%BB/%E4%B8%AD%E6%96%87.xml?q=%E4%B8%AD"},
      {"file:///home/me/my feeds/\xD6\xD0.xml", "file:///home/me/my%20feeds/%E4%B8%AD.xml"},
      // Escapes already typed stay; a '%' that starts none does not.
      {"http://h/a%20b%e4%b8%ad%zz%4", "http://h/a%20b%e4%b8%ad%25zz%254"},
      {"http://h/\t\"<>\\^`{|}\x7F", "http://h/%09%22%3C%3E%5C%5E%60%7B%7C%7D%7F"},
      {"file://C:\\vb\\feed.xml", "file://C:%5Cvb%5Cfeed.xml"},
      {"http://u:p@h:80/p;x?a=1&b=[2]#f~!$'()*+,=", "http://u:p@h:80/p;x?a=1&b=[2]#f~!$'()*+,="}};
  for (const auto& [typed, url] : cases) EXPECT_EQ(RequestUrl(typed), url) << typed;
}

TEST(WindowsFilePath, FileUrlsNameTheWidePathWindowsOpens) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"file:///C:/my%20feeds/%E4%B8%AD.xml", "C:\\my feeds\\\xE4\xB8\xAD.xml"},
      {"FILE://localhost/c:/a.xml?x=1#top", "c:\\a.xml"},
      {"file:///C|/a.xml", "C:\\a.xml"},
      {"file://C:%5Cvb%5Cfeed.xml", "C:\\vb\\feed.xml"},
      {"file:C:/a.xml", "C:\\a.xml"},
      {"file://server/share/a%23b.xml", "\\\\server\\share\\a#b.xml"},
      {"file:///C:/a%00.xml", std::nullopt},
      {"http://host/C:/a.xml", std::nullopt},
      {"files:///C:/a.xml", std::nullopt}};
  for (const auto& [url, path] : cases) EXPECT_EQ(WindowsFilePath(url), path) << url;
  // What a typed address turns into on the way.
  EXPECT_EQ(WindowsFilePath(RequestUrl("file:///D:/\xD0\xC2 \xCE\xC5/%41.xml")),
            "D:\\\xE6\x96\xB0 \xE9\x97\xBB\\A.xml");
}

}  // namespace
}  // namespace vb
