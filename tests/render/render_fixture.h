#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "render/page_render.h"
#include "support/temp_folder.h"

namespace vb::test {

using ::testing::HasSubstr;
using ::testing::Not;
using testing::ReadFile;
using testing::WriteFile;

// A private folder, a channel file in it and a request with the first-run display values.
struct RenderSetup {
  RenderSetup() {
    request_.currentChannel = {folder_.File("channel0"), "http://feeds.example/news"};
    request_.pageFile = folder_.File("page.html");
    request_.bgColor = "000000";
    request_.txtColor = "ff0000";
    request_.vstColor = "00ff00";
    request_.lnkColor = "ff00ff";
    request_.dir = "left";
    request_.smooth = "2";
    request_.speed = "30";
    request_.tFont = "16";
  }

  // Renders `feed` and returns the page with CR LF read back as LF.
  std::string Render(const std::string& feed) {
    WriteFile(request_.currentChannel.path, feed);
    result_ = RenderChannelPage(request_);
    return std::regex_replace(ReadFile(request_.pageFile), std::regex("\r\n"), "\n");
  }

  // The page between the scroller opening and the closing: the item lines or the notice.
  std::string Items(const std::string& feed) {
    const std::string page = Render(feed);
    const std::size_t from = page.find("<div id=d><div>") + 15;
    return page.substr(from, page.rfind("</div></div>") - from);  // to the end when not found
  }

  testing::TempFolder folder_;
  PageRenderRequest request_;
  int result_ = 0;
};

class RenderTest : public ::testing::Test, protected RenderSetup {};

// A feed with a channel title and the given items, each given as its inner markup.
inline std::string Feed(const std::vector<std::string>& items, const std::string& head = "") {
  std::string feed = "<?xml version=\"1.0\"?>" + head + "<rss><channel><title>News</title>\n";
  for (const std::string& item : items) feed += "<item>" + item + "</item>\n";
  return feed + "</channel></rss>\n";
}

// How many item lines each group of the scroller holds.
inline std::vector<int> LinesPerGroup(const std::string& items) {
  std::vector<int> sizes{0};
  for (std::size_t at = 0; at < items.size(); ++at) {
    if (items.compare(at, 8, "<a href=") == 0) ++sizes.back();
    if (items.compare(at, 11, "</div><div>") == 0) sizes.push_back(0);
  }
  return sizes;
}

}  // namespace vb::test
