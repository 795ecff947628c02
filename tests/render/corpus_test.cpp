// Runs the velloband-page tool as a user would, and over every feed of the shared corpus.
#include <cstdio>
#include <cstdlib>

#include "render_fixture.h"

namespace vb {
namespace {

namespace fs = std::filesystem;

// Runs the tool with `arguments`; its standard output, and the exit status in `status`.
std::string RunTool(const std::string& arguments, int& status) {
  const std::string command = "timeout 60 " VB_PAGE_TOOL " " + arguments + " 2>/dev/null";
  std::FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
  const int raw = pclose(pipe);
  status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return out;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
  if (text.size() < start.size()) return false;
  for (std::size_t i = 0; i < start.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != start[i]) return false;
  }
  return true;
}

// Walks the page from the item division on, the way a browser's tokenizer meets each '<': every
// tag must be one the renderer writes, every link a kept scheme. Empty when so, else what broke.
std::string MarkupFault(const std::string& page) {
  constexpr std::string_view kSchemes[] = {"http://", "https://", "ftp://",
                                           "file://", "mailto:",  "about:blank"};
  constexpr std::string_view kFixed[] = {"</a>",       "</div>",           "<div>",
                                         "</marquee>", "<font color=red>", "<a>"};
  std::size_t at = page.find("<div id=d><div>");
  if (at == std::string::npos) return "no item division";
  for (at = page.find('<', at + 15); at != std::string::npos; at = page.find('<', at)) {
    const std::string_view rest = std::string_view(page).substr(at);
    const auto fixed = std::find_if(std::begin(kFixed), std::end(kFixed),
                                    [&](std::string_view tag) { return rest.starts_with(tag); });
    if (fixed != std::end(kFixed)) {
      at += fixed->size();
      continue;
    }
    if (!rest.starts_with("<a href=")) return std::string(rest.substr(0, 40));
    const std::string_view link = rest.substr(8, rest.find(' ', 8) - 8);
    if (link.find_first_of("\"'<>`\t\n\r\f") != std::string_view::npos ||
        std::none_of(std::begin(kSchemes), std::end(kSchemes),
                     [&](std::string_view s) { return StartsWithIgnoringCase(link, s); })) {
      return "link " + std::string(link);
    }
    std::string_view tail = rest.substr(8 + link.size());
    if (tail.starts_with(" title=\"")) {
      const std::size_t quote = tail.find('"', 8);
      if (quote == std::string_view::npos) return "open tooltip";
      tail = tail.substr(quote + 1);
    }
    if (!tail.starts_with(" target=_blank>")) return "tag " + std::string(tail.substr(0, 40));
    at = page.size() - tail.size() + 15;
  }
  return {};
}

TEST(VellobandPageTest, RunsWithSettingsOrFirstRunValues) {
  const fs::path dir = fs::temp_directory_path() / "vb_page_tool";
  fs::create_directories(dir);
  test::WriteBytes(dir / "feed", "<title>T</title><item><title>a</title></item>");
  test::WriteBytes(dir / "v.ini", "[Format]\nMode=2\nBgColor=abcdef\nDir=no\nSpeed=5\n");
  test::WriteBytes(dir / "notice", std::string("<b>new</b>\0<i>", 14));
  const std::string files = " " + (dir / "feed").string() + " " + (dir / "page").string();
  int status = 0;
  EXPECT_EQ(RunTool("--notice " + (dir / "notice").string() + files, status), "1\n");
  EXPECT_EQ(status, 0);
  std::string page = test::ReadBytes(dir / "page");
  EXPECT_NE(page.find("background:000000 url()"), std::string::npos);
  EXPECT_NE(page.find("<div id=d><div><b>new</b><a href=about:blank"), std::string::npos);

  EXPECT_EQ(RunTool("--settings " + (dir / "v.ini").string() + " --url 'http://x vbco;ccn=1;'" +
                        " --codepage 936" + files,
                    status),
            "1\n");
  page = test::ReadBytes(dir / "page");
  EXPECT_NE(page.find("background:123456 url()"), std::string::npos);
  EXPECT_NE(page.find("setInterval(roll,20)"), std::string::npos);

  EXPECT_EQ(RunTool((dir / "absent").string() + " " + (dir / "page").string(), status), "-1\n");
  EXPECT_EQ(status, 0);
  RunTool((dir / "feed").string(), status);
  EXPECT_EQ(status, 2);
  RunTool("--colour red" + files, status);
  EXPECT_EQ(status, 2);
  fs::remove_all(dir);
}

TEST(VellobandPageTest, NoCorpusFeedBecomesMarkupOrCrashes) {
  const fs::path corpus = "/work/shared/corpus";
  if (!fs::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
  const fs::path page = fs::temp_directory_path() / "vb_corpus_page.html";
  int feeds = 0;
  for (const auto& entry : fs::recursive_directory_iterator(corpus)) {
    if (!entry.is_regular_file()) continue;
    ++feeds;
    int status = 0;
    const std::string out = RunTool("--url 'http://corpus.example/ vbco;ccn=3;' '" +
                                        entry.path().string() + "' " + page.string(),
                                    status);
    ASSERT_EQ(status, 0) << entry.path();
    EXPECT_TRUE(out == "-1\n" || std::atoi(out.c_str()) >= 0) << entry.path() << ": " << out;
    EXPECT_EQ(MarkupFault(test::ReadBytes(page)), "") << entry.path();
  }
  EXPECT_GT(feeds, 0);
  fs::remove(page);
}

}  // namespace
}  // namespace vb
