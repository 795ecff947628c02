#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/linux/page_look_reader.h"
#include "platform/linux/user_stylesheet.h"

namespace vb {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

TEST(PageStyle, ReadsWhatThePageHeadAskedFor) {
  PageStyleValues values = ReadPageStyleValues(
      "<meta http-equiv=Content-Type content=\"text/html; charset=gb2312\"><style "
      "type=\"text/css\">body{margin:0;padding:0;font:16 courier;line-height:24px;background:"
      "000000 url(d:/pic (1).jpg)}a:link{color:ff0000;text-decoration:none}</style><body>");
  EXPECT_EQ(values.tFont, "16");
  EXPECT_EQ(values.bgColor, "000000");
  EXPECT_EQ(values.bkPic, "d:/pic (1).jpg");
  PageStyleValues none = ReadPageStyleValues("<body>no style here</body>");
  EXPECT_TRUE(none.tFont.empty() && none.bgColor.empty() && none.bkPic.empty());
  EXPECT_TRUE(ReadPageStyleFile("/nonexistent/velloband.html").bgColor.empty());
}

TEST(PageStyle, StylesheetRestoresBackgroundAndFontAndLetsNothingElseThrough) {
  EXPECT_EQ(CssColor("d8d8d8"), "#d8d8d8");
  EXPECT_EQ(CssColor("f00"), "#f00");
  EXPECT_EQ(CssColor("silver"), "silver");
  EXPECT_EQ(CssColor(""), "");
  EXPECT_EQ(CssColor("red;}body{x"), "");
  EXPECT_EQ(CssColor("12345"), "");

  std::string sheet = BuildUserStylesheet({"123456", "", "20", false});
  EXPECT_THAT(sheet, HasSubstr("background-color:#123456;"));
  EXPECT_THAT(sheet, HasSubstr("font-size:20px;"));
  EXPECT_THAT(sheet, Not(HasSubstr("background-image")));

  sheet = BuildUserStylesheet({"123456", "", "16", true});
  EXPECT_THAT(sheet, HasSubstr("background-color:transparent!important"));
  EXPECT_THAT(sheet, Not(HasSubstr("#123456")));

  // The picture's address cannot break out of its string: 图 in code page 936, then a quote, a
  // backslash and a line break.
  sheet = BuildUserStylesheet({"000000", "c:\\\xCD\xBC\"x\n.jpg", "16", false});
  EXPECT_THAT(sheet, HasSubstr("background-image:url(\"c:\\\\图\\\"x\\a .jpg\");"));
}

}  // namespace
}  // namespace vb
