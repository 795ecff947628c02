#include "render/channel_text.h"

#include "render_fixture.h"

namespace vb {
namespace {

using ChannelTextTest = test::RenderTest;

TEST(CodePageChoiceTest, SetValueWinsThenTheFirst59BytesDecide) {
  const std::string pad(41, ' ');
  EXPECT_EQ(ChooseSourceCodePage("950", "<?xml encoding=\"gb2312\"?>"), 950);
  EXPECT_EQ(ChooseSourceCodePage("1252", ""), 1252);
  EXPECT_EQ(ChooseSourceCodePage("", "<?xml encoding=\"GB2312\"?>"), 936);
  EXPECT_EQ(ChooseSourceCodePage("", "<?xml encoding=\"gBk\"?>"), 936);
  EXPECT_EQ(ChooseSourceCodePage("", "<?xml encoding=\"BIG5\"?>"), 950);
  EXPECT_EQ(ChooseSourceCodePage("", "<?xml encoding=\"Big5\"?>"), 65001);
  EXPECT_EQ(ChooseSourceCodePage("", "<?xml encoding=\"Gb2312\"?>"), 65001);
  EXPECT_EQ(ChooseSourceCodePage("", "<?xml" + pad + "encoding=\"gbk\"?>"), 936);
  EXPECT_EQ(ChooseSourceCodePage("", "<?xml" + pad + " encoding=\"gbk\"?>"), 65001);
  // A number that names no code page counts as not set; 0 is the system's own, whatever the
  // declaration says.
  EXPECT_EQ(ChooseSourceCodePage("12345", "<?xml encoding=\"big5\"?>"), 950);
  EXPECT_EQ(ChooseSourceCodePage("abc", ""), 65001);
  EXPECT_EQ(ChooseSourceCodePage("0", "<?xml encoding=\"big5\"?>"), 936);
  EXPECT_EQ(ChooseSourceCodePage("00", ""), 936);
}

TEST_F(ChannelTextTest, ReadsAsATextModeFileAndConvertsTo936) {
  const std::string path = request_.currentChannel.path;
  auto load = [&](const std::string& bytes, std::string_view codePage = "") {
    test::WriteFile(path, bytes);
    return LoadChannelText(path, codePage);
  };
  EXPECT_EQ(*load("a\r\nb\r\rc\r"), "a\nb\r\rc\r");
  EXPECT_EQ(*load("ab\032cd"), "ab");
  EXPECT_EQ(*load(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(*load("\x1A<title>x</title>"), "");
  // Long enough that reading in blocks splits a CR LF, and a lone CR from what follows it.
  std::string lines, folded;
  for (int i = 0; i < 100000; ++i) {
    lines += "\r\r\n";
    folded += "\r\n";
  }
  EXPECT_TRUE(*load(lines + std::string("z\0tail", 6)) == folded + "z");  // no 300 KB diff

  // UTF-8 by default; ill-formed bytes and characters outside 936 become '?'.
  EXPECT_EQ(*load("\xE6\x96\xB0 \xE0\xB8\x81 \xF0\x9F\x98\x80 \xFF \xE6\x96"), "\xD0\xC2 ? ? ? ?");
  EXPECT_EQ(*load("<?xml encoding=\"big5\"?>\xB7\x73"), "<?xml encoding=\"big5\"?>\xD0\xC2");
  // A two-byte character 936 lacks (a Korean syllable) is one '?', not a '?' and a stray byte.
  EXPECT_EQ(*load("\xC7\xD1\xB0\xA1"
                  "A",
                  "949"),
            "??A");
  EXPECT_EQ(*load("\xD0\xC2\xFF", "936"), "\xD0\xC2?");
  EXPECT_EQ(*load("<title>\xD0\xC2</title>", "0"), "<title>\xD0\xC2</title>");
  EXPECT_EQ(*load("\xE9", "1252"), "\xA8\xA6");

  EXPECT_FALSE(load(""));
  EXPECT_FALSE(LoadChannelText(folder_.File("absent"), ""));
}

}  // namespace
}  // namespace vb
