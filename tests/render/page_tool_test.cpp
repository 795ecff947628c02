// Runs the velloband-page tool as a user would.
#include <cstdio>

#include "render_fixture.h"

namespace vb {
namespace {

using test::HasSubstr;

// Runs the tool with `arguments`: its exit status, a space and its standard output.
std::string RunTool(const std::string& arguments) {
  const std::string command = "timeout 60 " VB_PAGE_TOOL " " + arguments + " 2>/dev/null";
  std::FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
  const int status = pclose(pipe);
  return std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + " " + out;
}

TEST(VellobandPageTest, RunsWithSettingsOrFirstRunValues) {
  const testing::TempFolder folder;
  const std::string feed = folder.File("feed"), page = folder.File("page");
  test::WriteFile(feed, "<title>T</title><item><title>a</title></item>");
  test::WriteFile(folder.File("v.ini"), "[Format]\nMode=2\nBgColor=abcdef\nDir=no\nSpeed=5\n");
  test::WriteFile(folder.File("notice"), std::string("<b>new</b>\0<i>", 14));
  EXPECT_EQ(RunTool("--notice " + folder.File("notice") + " " + feed + " " + page), "0 1\n");
  EXPECT_THAT(test::ReadFile(page), HasSubstr("background:000000 url()"));
  EXPECT_THAT(test::ReadFile(page), HasSubstr("<div id=d><div><b>new</b><a href=about:blank"));

  EXPECT_EQ(RunTool("--settings " + folder.File("v.ini") +
                    " --url 'http://x vbco;ccn=1;' --codepage 936 " + feed + " " + page),
            "0 1\n");
  EXPECT_THAT(test::ReadFile(page), HasSubstr("background:123456 url()"));
  EXPECT_THAT(test::ReadFile(page), HasSubstr("setInterval(roll,20)"));

  EXPECT_EQ(RunTool(folder.File("absent") + " " + page), "0 -1\n");
  EXPECT_EQ(RunTool(feed), "2 ");
  EXPECT_EQ(RunTool("--colour red " + feed + " " + page), "2 ");
}

}  // namespace
}  // namespace vb
