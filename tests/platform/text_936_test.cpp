#include "platform/linux/text_936.h"

#include <gtest/gtest.h>

namespace vb {
namespace {

TEST(Text936, ChineseSurvivesTheRoundTrip) {
  const std::string gbk = "\xB9\xE3\xB2\xA5\xC6\xB5\xB5\xC0 ok";  // 广播频道 ok
  EXPECT_EQ(Utf8From936(gbk), "广播频道 ok");
  EXPECT_EQ(Utf8To936("广播频道 ok"), gbk);
}

TEST(Text936, DamagedInputBecomesQuestionMarksAndTheRestStays) {
  // A lone lead byte in the middle and another cut off at the very end.
  EXPECT_EQ(Utf8From936("a\xB9"
                        "\x01"
                        "b\xC6"),
            "a?\x01"
            "b?");
  // An invalid UTF-8 byte, and a character that code page 936 cannot hold, one '?' each.
  EXPECT_EQ(Utf8To936("x\xFFy"), "x?y");
  EXPECT_EQ(Utf8To936("a\xF0\x9F\x98\x80"
                      "b"),
            "a?b");
  EXPECT_EQ(Utf8From936(""), "");
}

TEST(Text936, LongTextsConvertWhole) {
  std::string gbk;
  for (int i = 0; i < 3000; ++i) gbk += "\xD6\xD0";  // 中
  std::string utf8 = Utf8From936(gbk);
  EXPECT_EQ(utf8.size(), 9000u);
  EXPECT_EQ(Utf8To936(utf8), gbk);
}

}  // namespace
}  // namespace vb
