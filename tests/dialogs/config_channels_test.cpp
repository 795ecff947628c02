#include <gtest/gtest.h>

#include "dialogs/fakes.h"
#include "resources/resource_data.h"
#include "resources/resource_ids.h"
#include "resources/texts.h"
#include "settings/text_936.h"

namespace vb {
namespace {

using namespace ids;
using Strings = std::vector<std::string>;

struct ConfigChannelsTest : ::testing::Test {
  void Add(const std::string& url, const std::string& name = "", const std::string& cp = "") {
    w.view.SetText(IDC_CHANNEL_URL, url);
    w.view.SetText(IDC_CHANNEL_NAME, name);
    w.view.SetText(IDC_CHANNEL_CODEPAGE, cp);
    dialog->OnCommand(IDC_CHANNEL_ADD, kNotifyClicked);
  }
  void Select(int row, int notification = kNotifySelChange) {
    w.view.SelectRow(IDC_CHANNEL_LIST, row);
    dialog->OnCommand(IDC_CHANNEL_LIST, notification);
  }
  const Strings& Rows() { return w.view.rows[IDC_CHANNEL_LIST]; }
  std::string Header() const { return w.view.Text(IDC_CHANNEL_HEADER); }

  testing::DialogWorld w;
  std::unique_ptr<DialogController> dialog = w.Open(IDD_CONFIG);
};

TEST_F(ConfigChannelsTest, AddAppendsARowUpdateRewritesItAndOddAddressesAreRefused) {
  EXPECT_EQ(Header(), Utf8To936(res::text::kEmptyTableHint));
  Add("http://a/news.xml", "", "936");
  Add("http://b/news.xml", "B");
  EXPECT_EQ(Rows(), Strings({"http://a/news.xml", "B"}));
  EXPECT_EQ(w.bar.calls, Strings({"step", "step"}));
  EXPECT_EQ(w.view.Text(IDC_CHANNEL_CODEPAGE), "");

  Add("http://a/news.xml vbco;cd=up;", "A");  // updates row 0 in place, without a step
  EXPECT_EQ(Rows(), Strings({"A", "B"}));
  EXPECT_EQ(w.view.SelectedRow(IDC_CHANNEL_LIST), 0);
  EXPECT_EQ(w.bar.calls.size(), 2u);

  Add("xhttp://c/news.xml", "kept", "950");
  EXPECT_EQ(w.view.Text(IDC_CHANNEL_URL), "");
  EXPECT_EQ(w.view.Text(IDC_CHANNEL_NAME), "kept");
  EXPECT_EQ(Rows().size(), 2u);

  for (int k = 2; k < 10; ++k) Add("File://c:/feed" + std::to_string(k) + ".xml");
  Add("http://late/news.xml");
  EXPECT_EQ(w.view.Text(IDC_CHANNEL_URL), "http://late/news.xml");  // a full table ignores it
  EXPECT_EQ(Rows().size(), 10u);

  w.view = {};  // reopened, the list is the table
  dialog = w.Open(IDD_CONFIG);
  EXPECT_EQ(Rows().front(), "A");
  EXPECT_EQ(Header(), Utf8To936(res::text::kChannelHint));
}

TEST_F(ConfigChannelsTest, DeleteNeedsASelectedRow) {
  for (const char* url : {"http://a/x.xml", "http://b/x.xml", "http://c/x.xml"}) Add(url);
  w.bar.calls.clear();
  w.view.SetText(IDC_CHANNEL_HEADER, "old");
  dialog->OnCommand(IDC_CHANNEL_DELETE, kNotifyClicked);
  EXPECT_EQ(Rows().size(), 3u);
  EXPECT_EQ(Header(), "old");

  Select(0);
  dialog->OnCommand(IDC_CHANNEL_DELETE, kNotifyClicked);
  EXPECT_EQ(Rows(), Strings({"http://b/x.xml", "http://c/x.xml"}));
  EXPECT_EQ(w.Key("URL", "0"), "http://b/x.xml");
  EXPECT_EQ(w.bar.calls, Strings{"step"});
  EXPECT_EQ(Header(), "");
}

TEST_F(ConfigChannelsTest, SelectionShowsTheStartOfTheFileAndDoubleClickShowsTheChannel) {
  Add("http://a/x.xml", "A", "936");
  Add("http://b/x.xml");
  Select(0);
  EXPECT_EQ(Header(), Utf8To936(res::text::kNoChannelFile));
  EXPECT_EQ(Strings({w.view.Text(IDC_CHANNEL_URL), w.view.Text(IDC_CHANNEL_NAME),
                     w.view.Text(IDC_CHANNEL_CODEPAGE)}),
            Strings({"http://a/x.xml", "A", "936"}));

  std::string feed, head;
  for (int i = 0; i < 200; ++i) feed += "ab\r\n";
  for (int i = 0; i < 85; ++i) head += "ab\n";  // 255 characters, CR LF read as LF
  const std::string empty = Utf8To936(res::text::kEmptyChannelFile);
  const std::pair<std::string, std::string> files[] = {
      {"", empty},
      {"\x1A<title>", empty},  // a text read ends at 0x1A
      {std::string("ab\0cd", 5), "ab"},
      {feed, head},
      {"<?xml?>\r\n<!-- html2rss -->", ""}};
  for (const auto& [bytes, shown] : files) {
    testing::WriteFile(w.paths.ChannelFile(1), bytes);
    Select(1);
    EXPECT_EQ(Header(), shown) << bytes;
  }

  w.bar.calls.clear();
  Select(1, kNotifyDoubleClick);
  EXPECT_EQ(w.table.current, 1);
  EXPECT_EQ(w.currentChannel.url, "http://b/x.xml");
  EXPECT_EQ(w.bar.calls, Strings{"step"});
}

}  // namespace
}  // namespace vb
