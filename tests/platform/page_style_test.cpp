#include <gtest/gtest.h>

#include "platform/linux/page_look_reader.h"
#include "platform/linux/user_stylesheet.h"

namespace vb {
namespace {

std::string Head(const std::string& font, const std::string& bg, const std::string& pic) {
  return "<meta http-equiv=Content-Type content=\"text/html; charset=gb2312\"><style "
         "type=\"text/css\">body{margin:0;padding:0;font:" +
         font + " courier;line-height:24px;background:" + bg + " url(" + pic +
         ")}a:link{color:ff0000;text-decoration:none}</style><body>";
}

TEST(PageStyle, ReadsWhatThePageHeadAskedFor) {
  PageStyleValues values = ReadPageStyleValues(Head("16", "000000", "d:/pic (1).jpg"));
  EXPECT_EQ(values.tFont, "16");
  EXPECT_EQ(values.bgColor, "000000");
  EXPECT_EQ(values.bkPic, "d:/pic (1).jpg");
  PageStyleValues none = ReadPageStyleValues("<body>no style here</body>");
  EXPECT_TRUE(none.tFont.empty() && none.bgColor.empty() && none.bkPic.empty());
  EXPECT_TRUE(ReadPageStyleFile("/nonexistent/velloband.html").bgColor.empty());
}

TEST(PageStyle, ColoursGetTheirHashAndNothingElseGetsThrough) {
  EXPECT_EQ(CssColor("d8d8d8"), "#d8d8d8");
  EXPECT_EQ(CssColor("f00"), "#f00");
  EXPECT_EQ(CssColor("silver"), "silver");
  EXPECT_EQ(CssColor(""), "");
  EXPECT_EQ(CssColor("red;}body{x"), "");
  EXPECT_EQ(CssColor("12345"), "");
}

TEST(PageStyle, StylesheetRestoresBackgroundAndFont) {
  std::string sheet = BuildUserStylesheet({"123456", "", "20", false});
  EXPECT_NE(sheet.find("background-color:#123456;"), std::string::npos) << sheet;
  EXPECT_NE(sheet.find("font-size:20px;"), std::string::npos) << sheet;
  EXPECT_EQ(sheet.find("background-image"), std::string::npos) << sheet;

  std::string keyed = BuildUserStylesheet({"123456", "", "16", true});
  EXPECT_NE(keyed.find("background-color:transparent!important"), std::string::npos) << keyed;
  EXPECT_EQ(keyed.find("#123456"), std::string::npos) << keyed;
}

TEST(PageStyle, PictureAddressCannotBreakOutOfItsString) {
  // 图 in code page 936, then a quote, a backslash and a line break.
  std::string sheet = BuildUserStylesheet({"000000", "c:\\\xCD\xBC\"x\n.jpg", "16", false});
  EXPECT_NE(sheet.find("background-image:url(\"c:\\\\图\\\"x\\a .jpg\");"), std::string::npos)
      << sheet;
}

}  // namespace
}  // namespace vb
