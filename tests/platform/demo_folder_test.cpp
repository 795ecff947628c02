#include "platform/linux/demo_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "settings/data_paths.h"
#include "settings/profile_store.h"
#include "support/source_dir.h"
#include "support/temp_folder.h"

namespace vb {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

std::string ShippedFeeds() {
  return (testing::SourceDir() / "resources/demo").string();
}

TEST(DemoFolder, ChannelsPointAtTheShippedFeedsAndALaterDemoKeepsTheUsersChanges) {
  TempFolder folder;
  ASSERT_TRUE(PrepareDemoFolder(folder.path(), ShippedFeeds()));
  DataPaths paths = BuildDataPaths(folder.path());
  ProfileStore store(paths.settingsFile);
  const int count = std::atoi(store.Read("FileNo", "MaxFileNo", "0", 2).c_str());
  ASSERT_GE(count, 3);
  bool someOptions = false;
  for (int k = 0; k < count; ++k) {
    std::string url = store.Read("URL", std::to_string(k), "", 259);
    ASSERT_EQ(url.rfind("file:///", 0), 0u) << url;
    someOptions = someOptions || url.find(" vbco;") != std::string::npos;
    EXPECT_EQ(ReadFile(paths.ChannelFile(k)), ReadFile(url.substr(7, url.find(' ') - 7))) << k;
    EXPECT_FALSE(store.Read("URL", std::to_string(-(k + 1)), "", 50).empty());
  }
  EXPECT_TRUE(someOptions);
  // Docked at the top and never started with the session.
  EXPECT_EQ(store.Read("Window", "Fixed", "", 1), "1");
  EXPECT_EQ(store.Read("Window", "AutoLoad", "", 1), "0");

  // A later demo keeps what the user changed and fetched, and restores what went missing.
  store.Write("Timer", "DefTimer", "99");
  WriteFile(paths.ChannelFile(1), "fetched since");
  std::filesystem::remove(paths.ChannelFile(2));
  ASSERT_TRUE(PrepareDemoFolder(folder.path(), ShippedFeeds()));
  EXPECT_EQ(store.Read("Timer", "DefTimer", "", 4), "99");
  EXPECT_EQ(ReadFile(paths.ChannelFile(1)), "fetched since");
  EXPECT_TRUE(std::filesystem::exists(paths.ChannelFile(2)));
}

TEST(DemoFolder, WithoutFeedsThereIsNoDemo) {
  TempFolder folder;
  EXPECT_FALSE(PrepareDemoFolder(folder.path(), ""));
  EXPECT_EQ(FindDemoFeeds("/nonexistent/bin/velloband", folder.path()), "");
  EXPECT_EQ(FindDemoFeeds("/nonexistent/bin/velloband", ShippedFeeds()), ShippedFeeds());
  // An installed copy beside the program wins over the source tree.
  std::filesystem::create_directories(folder.path() + "/share/velloband/demo");
  WriteFile(folder.path() + "/share/velloband/demo/city-news.xml", "<rss/>");
  EXPECT_EQ(FindDemoFeeds(folder.path() + "/bin/velloband", ShippedFeeds()),
            folder.path() + "/share/velloband/demo");
}

}  // namespace
}  // namespace vb
