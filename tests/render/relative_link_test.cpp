#include "render/relative_link.h"

#include <gtest/gtest.h>

namespace vb {
namespace {

TEST(RelativeLinkTest, RelativeLinksJoinAnAbsoluteBase) {
  const struct {
    const char* base;
    const char* href;
    const char* address;
  } rows[] = {
      {"http://a.example/dir/page.html?q=1#f", "x.html", "http://a.example/dir/x.html"},
      {"http://a.example/dir/page.html", "/root?a=1", "http://a.example/root?a=1"},
      {"https://a.example", "x", "https://a.example/x"},
      {"https://a.example?q/r", "x", "https://a.example/x"},
      {"http://a.example/dir/", "//cdn.example/y", "http://cdn.example/y"},
      {"http://a.example/p?q#f", "?r", "http://a.example/p?r"},
      {"http://a.example/p?q#f", "#g", "http://a.example/p?q#g"},
      {" http://a.example/d/ ", "\n x", "http://a.example/d/x"},
      {"http://a.example/", "mailto:x@y", "mailto:x@y"},
      {"http://a.example/", "JavaScript:alert(1)", "JavaScript:alert(1)"},
      {"http://a.example/", "", ""},
      {"javascript:alert(1)//", "x", "x"},
      {"a.example/d/", "x", "x"},
      {"", "/x", "/x"},
  };
  std::string out = "stale";
  for (const auto& row : rows) {
    ResolveLink(row.base, row.href, out);
    EXPECT_EQ(out, row.address) << row.base << " + " << row.href;
  }
}

}  // namespace
}  // namespace vb
