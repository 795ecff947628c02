#include "platform/linux/link_policy.h"

#include <gtest/gtest.h>

namespace vb {
namespace {

constexpr const char* kPage = "file:///home/u/.config/velloband.html";

TEST(LinkPolicy, JavascriptNeverRunsHoweverItIsSpelt) {
  for (const char* uri : {"javascript:void(0)", "JavaScript:alert(1)", " \tjavascript:x",
                          "java\nscript:x", "JAVASCRIPT:"}) {
    EXPECT_EQ(JudgeNavigation(uri, kPage), LinkVerdict::kRefuse) << uri;
  }
}

TEST(LinkPolicy, OnlyThePageItselfLoadsInTheBar) {
  EXPECT_EQ(JudgeNavigation(kPage, kPage), LinkVerdict::kLoad);
  EXPECT_EQ(JudgeNavigation(std::string(kPage) + "#m", kPage), LinkVerdict::kLoad);
  EXPECT_EQ(JudgeNavigation("about:blank", kPage), LinkVerdict::kLoad);
  EXPECT_EQ(JudgeNavigation("file:///home/u/.config/velloband.ini", kPage), LinkVerdict::kRefuse);
}

TEST(LinkPolicy, WebAddressesGoToTheUsersBrowserAndOthersNowhere) {
  for (const char* uri :
       {"http://example.com/a", "HTTPS://example.com", "ftp://h/f", "mailto:a@example.com"}) {
    EXPECT_EQ(JudgeNavigation(uri, kPage), LinkVerdict::kOpenOutside) << uri;
  }
  for (const char* uri : {"file:///etc/passwd", "data:text/html,x", "vbscript:x", "", "nocolon"}) {
    EXPECT_EQ(JudgeNavigation(uri, kPage), LinkVerdict::kRefuse) << uri;
  }
}

}  // namespace
}  // namespace vb
