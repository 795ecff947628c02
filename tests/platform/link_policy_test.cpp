#include "platform/linux/link_policy.h"

#include <gtest/gtest.h>

namespace vb {
namespace {

constexpr const char* kPage = "file:///home/u/.config/velloband.html";

TEST(LinkPolicy, OnlyThePageLoadsWebAddressesGoOutsideAndScriptNeverRuns) {
  for (const char* uri : {kPage, "file:///home/u/.config/velloband.html#m", "about:blank"})
    EXPECT_EQ(JudgeNavigation(uri, kPage), LinkVerdict::kLoad) << uri;
  for (const char* uri :
       {"http://example.com/a", "HTTPS://example.com", "ftp://h/f", "mailto:a@example.com"})
    EXPECT_EQ(JudgeNavigation(uri, kPage), LinkVerdict::kOpenOutside) << uri;
  for (const char* uri :
       {"file:///home/u/.config/velloband.ini", "file:///etc/passwd", "javascript:void(0)",
        "JavaScript:alert(1)", " \tjavascript:x", "java\nscript:x",
        "JAVASCRIPT:", "data:text/html,x", "vbscript:x", "", "nocolon"})
    EXPECT_EQ(JudgeNavigation(uri, kPage), LinkVerdict::kRefuse) << uri;
}

}  // namespace
}  // namespace vb
