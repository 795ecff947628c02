// Runs the velloband-page tool as a user would, and over every feed of the shared corpus.
#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <regex>

#include "render_fixture.h"
#include "support/corpus_folder.h"

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

// Walks the page from the item division on, the way a browser's tokenizer meets each '<': every
// tag must be one the renderer writes, every link a kept scheme. Empty when so, else what broke.
std::string MarkupFault(const std::string& page) {
  static const std::regex kTag(
      "</a>|</?div>|</marquee>|<font color=red>|<a>|"
      "<a href=([^ \"'<>`\t\n\r\f]*)( title=\"[^\"]*\")? target=_blank>");
  constexpr std::string_view kSchemes[] = {"http://", "https://", "ftp://",
                                           "file://", "mailto:",  "about:blank"};
  std::size_t at = page.find("<div id=d><div>");
  if (at == std::string::npos) return "no item division";
  for (at = page.find('<', at + 15); at != std::string::npos; at = page.find('<', at)) {
    std::smatch tag;
    if (!std::regex_search(page.begin() + at, page.end(), tag, kTag,
                           std::regex_constants::match_continuous)) {
      return page.substr(at, 40);
    }
    const std::string link = tag[1];
    if (tag[1].matched && std::ranges::none_of(kSchemes, [&](std::string_view s) {
          return strncasecmp(link.c_str(), s.data(), s.size()) == 0;
        })) {
      return "link " + link;
    }
    at += tag.length(0);
  }
  return {};
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
  const fs::path corpus = testing::CorpusFolder();
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
    EXPECT_EQ(MarkupFault(test::ReadFile(page)), "") << entry.path();
  }
  EXPECT_GT(feeds, 0);
}

}  // namespace
}  // namespace vb
