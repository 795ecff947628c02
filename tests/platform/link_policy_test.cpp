#include "platform/linux/link_policy.h"

#include <gtest/gtest.h>

namespace vb {
namespace {

TEST(LinkPolicy, WebFtpAndMailGoOutsideFilesAndScriptNever) {
  for (const char* uri : {"http://example.com/a", "HTTPS://example.com", " ftp://h/f",
                          "mailto:a@example.com", "ht\ntp://example.com"})
    EXPECT_TRUE(OpensOutside(uri)) << uri;
  for (const char* uri :
       {"file:///home/u/.config/velloband.ini", "file:///etc/passwd", "javascript:void(0)",
        "JavaScript:alert(1)", " \tjavascript:x", "about:blank", "JAVASCRIPT:", "data:text/html,x",
        "vbscript:x", "", "nocolon", "http//x"})
    EXPECT_FALSE(OpensOutside(uri)) << uri;
}

}  // namespace
}  // namespace vb
