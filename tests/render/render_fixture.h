#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "render/page_render.h"

namespace vb::test {

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A private folder, a channel file in it and a request with the first-run display values.
class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("vb_render_" + std::string(info->test_suite_name()) + "_" + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    request_.currentChannel = {(dir_ / "channel0").string(), "http://feeds.example/news"};
    request_.pageFile = (dir_ / "page.html").string();
    request_.bgColor = "000000";
    request_.txtColor = "ff0000";
    request_.vstColor = "00ff00";
    request_.lnkColor = "ff00ff";
    request_.dir = "left";
    request_.smooth = "2";
    request_.speed = "30";
    request_.tFont = "16";
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // Renders `feed` and returns the page with CR LF read back as LF.
  std::string Render(const std::string& feed) {
    WriteBytes(request_.currentChannel.path, feed);
    result_ = RenderChannelPage(request_);
    std::string page = ReadBytes(request_.pageFile);
    std::string lf;
    for (std::size_t i = 0; i < page.size(); ++i) {
      if (!(page[i] == '\r' && i + 1 < page.size() && page[i + 1] == '\n')) lf += page[i];
    }
    return lf;
  }

  // The page between the scroller opening and the closing: the item lines or the notice.
  std::string Items(const std::string& feed) {
    const std::string page = Render(feed);
    const std::size_t from = page.find("<div id=d><div>") + 15;
    const std::size_t to = page.rfind("</div></div>");
    return page.substr(from, (to == std::string::npos || to < from ? page.size() : to) - from);
  }

  std::filesystem::path dir_;
  PageRenderRequest request_;
  int result_ = 0;
};

// A feed with a channel title and the given items, each given as its inner markup.
inline std::string Feed(const std::vector<std::string>& items, const std::string& head = "") {
  std::string feed = "<?xml version=\"1.0\"?>" + head + "<rss><channel><title>News</title>\n";
  for (const std::string& item : items) feed += "<item>" + item + "</item>\n";
  return feed + "</channel></rss>\n";
}

}  // namespace vb::test
