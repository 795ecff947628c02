#include "settings/text_936.h"

#include <gtest/gtest.h>

namespace vb {
namespace {

TEST(Text936, ConvertsBothWaysWholeAndMarksWhatItCannot) {
  const std::string gbk = "\xB9\xE3\xB2\xA5\xC6\xB5\xB5\xC0 ok";  // 广播频道 ok
  EXPECT_EQ(Utf8From936(gbk), "广播频道 ok");
  EXPECT_EQ(Utf8To936("广播频道 ok"), gbk);
  // A lone lead byte in the middle, another cut off at the end, an invalid UTF-8 byte and a
  // character that code page 936 cannot hold: one '?' each, and the rest stays.
  EXPECT_EQ(Utf8From936("a\xB9\001b\xC6"), "a?\001b?");
  EXPECT_EQ(Utf8To936("x\xFFy😀z"), "x?y?z");
  EXPECT_EQ(Utf8From936(""), "");
  std::string long936;
  for (int i = 0; i < 3000; ++i) long936 += "\xD6\xD0";  // 中
  const std::string utf8 = Utf8From936(long936);
  EXPECT_EQ(utf8.size(), 9000u);
  EXPECT_EQ(Utf8To936(utf8), long936);
}

}  // namespace
}  // namespace vb
