// Runs the velloband-page tool as a user would, and over every feed of the shared corpus.
#include <cstdio>
#include <cstdlib>

#include "render_fixture.h"
#include "support/page_markup.h"

namespace vb {
namespace {

using test::HasSubstr;

namespace fs = std::filesystem;

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

TEST(VellobandPageTest, NoCorpusFeedBecomesMarkupOrCrashes) {
  // The feed corpus lives beside the repository; VB_CORPUS_DIR points elsewhere.
  const char* chosen = std::getenv("VB_CORPUS_DIR");
  const char* source = std::getenv("VB_SOURCE_DIR");
  const fs::path corpus = chosen != nullptr   ? fs::path(chosen)
                          : source != nullptr ? fs::path(source) / "../shared/corpus"
                                              : fs::path("/work/shared/corpus");
  if (!fs::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
  const testing::TempFolder folder;
  const std::string page = folder.File("page.html");
  int feeds = 0;
  for (const auto& entry : fs::recursive_directory_iterator(corpus)) {
    if (!entry.is_regular_file()) continue;
    ++feeds;
    const std::string out = RunTool("--url 'http://corpus.example/ vbco;ccn=3;' '" +
                                    entry.path().string() + "' " + page);
    EXPECT_TRUE(out == "0 -1\n" || (out.starts_with("0 ") && std::atoi(out.c_str() + 2) >= 0))
        << entry.path() << ": " << out;
    EXPECT_EQ(testing::PageMarkupFault(test::ReadFile(page)), "") << entry.path();
  }
  EXPECT_GT(feeds, 0);
}

}  // namespace
}  // namespace vb
