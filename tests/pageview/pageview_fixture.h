#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pageview/page_layout.h"
#include "pageview/page_reader.h"
#include "pageview/page_view.h"
#include "render/render_fixture.h"

namespace vb::test {

// Every byte is 8 pixels wide, bold ones 9: widths the tests can work out by hand.
class FixedWidth : public TextMeasure {
 public:
  int Width(std::string_view text, const TextStyle& style) override {
    return static_cast<int>(text.size()) * (style.bold ? 9 : 8);
  }
};

// Renders a feed with the program's renderer and reads the page back, as the bar does.
struct RenderedPage : RenderSetup {
  RenderedPage() {
    request_.bgColor = "102030";
    request_.colNum = 2;
  }

  PageModel Read(const std::string& feed) {
    Render(feed);
    return ReadPageFile(request_.pageFile).value_or(PageModel{});
  }
};

// A page view over a rendered page, measured by FixedWidth.
class ViewTest : public ::testing::Test {
 protected:
  RenderedPage page_;
  FixedWidth measure_;
  PageView view_;
};

inline std::string Feed(int items) {
  std::vector<std::string> each;
  for (int i = 1; i <= items; ++i) {
    const std::string n = std::to_string(i);
    each.push_back("<title>Item " + n + "</title><link>http://news.example/" + n +
                   "</link><pubDate>Sun, 06 Dec 26 03:0" + std::to_string(i % 10) +
                   ":00 GMT</pubDate>");
  }
  return Feed(each);
}

// The runs of one kind, group after group.
inline std::vector<PageRun> RunsOf(const PageModel& model, RunKind kind) {
  std::vector<PageRun> runs;
  for (const PageGroup& group : model.groups) {
    for (const PageRun& run : group.runs) {
      if (run.kind == kind) runs.push_back(run);
    }
  }
  return runs;
}

}  // namespace vb::test
