// Runs the velloband-page tool as a user would, and over every feed of the shared corpus.
#include <cstdio>
#include <cstdlib>

#include "render_fixture.h"
#include "support/corpus_folder.h"
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

int Occurrences(const std::string& text, const std::string& word) {
  int count = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    ++count;
  }
  return count;
}

// The entries of an Atom feed, each closed, or 0 for any other feed.
int AtomEntries(const std::string& feed) {
  const bool atom =
      feed.find("<feed") != std::string::npos && strcasestr(feed.c_str(), "</item>") == nullptr;
  return atom ? Occurrences(feed, "</entry>") : 0;
}

// The item lines of a page that show a web link and a time.
int LinesWithLinkAndTime(const std::string& page) {
  static const std::regex kEnd("\" target=_blank> \\[\\d\\d:\\d\\d\\][^<]+");
  constexpr std::string_view kLineEnd = " </a>\r\n";
  int lines = 0;
  std::size_t from = page.find("<div id=d><div>");
  for (std::size_t end = page.find(kLineEnd, from); end != std::string::npos;
       from = end + kLineEnd.size(), end = page.find(kLineEnd, from)) {
    const std::string line = page.substr(from, end - from);
    const std::size_t start = line.find("<a href=http");
    const std::size_t tooltipEnd = line.rfind("\" target=_blank>");
    if (start != std::string::npos && tooltipEnd != std::string::npos &&
        line.find(' ', start + 3) == line.find(" title=\"", start) &&
        std::regex_match(line.substr(tooltipEnd), kEnd)) {
      ++lines;
    }
  }
  return lines;
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
  int feeds = 0, atomFeeds = 0;
  for (const auto& entry : fs::recursive_directory_iterator(corpus)) {
    if (!entry.is_regular_file()) continue;
    ++feeds;
    const std::string out = RunTool("--url 'http://corpus.example/ vbco;ccn=3;' '" +
                                    entry.path().string() + "' " + page);
    EXPECT_TRUE(out == "0 -1\n" || (out.starts_with("0 ") && std::atoi(out.c_str() + 2) >= 0))
        << entry.path() << ": " << out;
    const std::string written = test::ReadFile(page);
    EXPECT_EQ(testing::PageMarkupFault(written), "") << entry.path();
    if (const int entries = AtomEntries(test::ReadFile(entry.path())); entries > 0) {
      ++atomFeeds;
      EXPECT_EQ(out, "0 " + std::to_string(entries) + "\n") << entry.path();
      EXPECT_EQ(Occurrences(written, " </a>\r\n"), entries) << entry.path();
      // The real feeds of several entries give each one's link and time.
      if (entry.path().extension() == ".atom" && entries > 1) {
        EXPECT_EQ(LinesWithLinkAndTime(written), entries) << entry.path();
      }
    }
  }
  EXPECT_GT(feeds, 0);
  EXPECT_GE(atomFeeds, 6);
}

}  // namespace
}  // namespace vb
