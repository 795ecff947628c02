#include "platform/linux/xdg_autostart.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace vb {
namespace {

using testing::ReadFile;
using testing::TempFolder;

TEST(XdgAutostart, EntryStartsTheRunningExecutableAndIsRemovedWhenOff) {
  TempFolder folder;
  XdgAutostart autostart(folder.path(), "/opt/my apps/50% \"off\"/velloband");
  autostart.Set(true);
  const std::string entry = ReadFile(autostart.EntryPath());
  EXPECT_NE(entry.find("Exec=\"/opt/my apps/50%% \\\\\"off\\\\\"/velloband\"\n"), std::string::npos)
      << entry;
  EXPECT_TRUE(autostart.Set(false));
  EXPECT_FALSE(std::filesystem::exists(autostart.EntryPath()));
  EXPECT_TRUE(autostart.Set(false));  // switching off twice is harmless

  // A path the entry cannot hold leaves autostart off, and an entry from before goes.
  for (const std::string& path :
       {std::string("/opt/x\nExec=/tmp/evil\n[Desktop Entry]\nExec=/opt/x"),
        std::string("/opt/x\ty"), std::string("/opt/x\ry"), std::string("/opt/\xD0\xC2/velloband"),
        std::string("/opt/x\x7Fy"), std::string()}) {
    XdgAutostart good(folder.path(), "/opt/velloband");
    ASSERT_TRUE(good.Set(true));
    XdgAutostart bad(folder.path(), path);
    EXPECT_FALSE(bad.Set(true)) << path;
    EXPECT_FALSE(std::filesystem::exists(bad.EntryPath())) << path;
  }
  // Any other UTF-8 path is written as it stands.
  XdgAutostart chinese(folder.path(), "/opt/\xE6\x96\xB0/velloband");
  EXPECT_TRUE(chinese.Set(true));
  EXPECT_NE(ReadFile(chinese.EntryPath()).find("Exec=\"/opt/\xE6\x96\xB0/velloband\"\n"),
            std::string::npos);
}

}  // namespace
}  // namespace vb
