#include "settings/text_936.h"

#include <gtest/gtest.h>

namespace vb {
namespace {

TEST(Text936, From936KeepsWhatConvertsAndMarksEachBadByte) {
  EXPECT_EQ(Utf8From936("\xB9\xE3\xB2\xA5\xC6\xB5\xB5\xC0 ok"), "广播频道 ok");
  // A lone lead byte in the middle and another cut off at the end.
  EXPECT_EQ(Utf8From936("a\xB9\001b\xC6"), "a?\001b?");
  EXPECT_EQ(Utf8From936(""), "");
  std::string long936;
  for (int i = 0; i < 3000; ++i) long936 += "\xD6\xD0";  // 中
  const std::string utf8 = Utf8From936(long936);
  EXPECT_EQ(utf8.size(), 9000u);
  EXPECT_EQ(Utf8To936(utf8), long936);
}

// Each maximal ill-formed part is one '?', as a browser shows it, in both converters.
TEST(Text936, To936MarksEachIllFormedPartAndEachMissingCharacterOnce) {
  const std::pair<const char*, const char*> cases[] = {
      {"广播频道 ok", "\xB9\xE3\xB2\xA5\xC6\xB5\xB5\xC0 ok"},
      {"\xC3\xA9\xE2\x82\xAC", "\xA8\xA6\x80"},  // é€
      // Cut off at the end, after a run of ASCII and after each lead.
      {"0123456789\xE4\xB8", "0123456789?"},
      {"a\xF0\x9F\x98", "a?"},
      // Cut by an ASCII byte, by a new lead, or by a byte that continues nothing.
      {"\xE4\xB8z\xE4", "?z?"},
      {"\xE4\xB8\xE4\xB8\xAD", "?\xD6\xD0"},
      {"\xE4\xFF\xB8\xAD", "????"},
      // Overlong forms, surrogates and beyond U+10FFFF fail at their second byte.
      {"\xC0\xAF\xC1\xBF", "????"},
      {"\xE0\x9F\xBF", "???"},
      {"\xF0\x8F\xBF\xBF", "????"},
      {"\xED\xA0\x80", "???"},
      {"\xF4\x90\x80\x80", "????"},
      {"\xF5\x80\xFE\xFF", "????"},
      {"\x80\xBF.", "??."},
      // Characters above U+FFFF and those 936 lacks (Thai, Hangul, the replacement character).
      {"😀 \xF4\x8F\xBF\xBF", "? ?"},
      {"\xE0\xB8\x81\xED\x95\x9C\xEF\xBF\xBD", "???"},
  };
  for (const auto& [utf8, gbk] : cases) {
    EXPECT_EQ(Utf8To936(utf8), gbk) << utf8;
    std::string inPlace = utf8;
    EXPECT_TRUE(Utf8ToSystemCodePage(inPlace));
    EXPECT_EQ(inPlace, gbk) << utf8;
  }
}

}  // namespace
}  // namespace vb
