#include "settings/channel_table.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "settings/atomic_file.h"
#include "support/temp_folder.h"

namespace vb {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

// A settings file and data folder with a channel table loaded from it.
class ChannelTableTest : public ::testing::Test {
 protected:
  ChannelTableTest()
      : paths_(BuildDataPaths(folder_.path())),
        profile_(paths_.settingsFile,
                 [this](const std::string& path, std::string_view bytes) {
                   ++writes_;
                   return !failWrites_ && WriteFileAtomically(path, bytes);
                 }),
        store_{profile_, paths_, table_, current_} {}

  void AddAll(std::initializer_list<const char*> urls) {
    for (const char* url : urls) AddOrUpdateChannel(store_, url, "", "");
  }
  std::string Key(const char* section, const std::string& key) const {
    return profile_.Read(section, key, "<none>", 259);
  }

  TempFolder folder_;
  int writes_ = 0;  // replaces of the settings file
  bool failWrites_ = false;
  DataPaths paths_;
  ProfileStore profile_;
  ChannelTable table_;
  DownloadTarget current_;
  ChannelStore store_;
};

TEST_F(ChannelTableTest, AddsAfterTheLastRowAndRefusesFullTablesAndOtherAddresses) {
  for (const char* refused : {"", " http://x", "ghttp://x", "1http", "www.x.com"}) {
    EXPECT_FALSE(AddOrUpdateChannel(store_, refused, "n", "").index) << refused;
  }
  EXPECT_FALSE(std::filesystem::exists(paths_.settingsFile));

  const ChannelEdit edit = AddOrUpdateChannel(store_, "http://a/rss.xml", "A", "936");
  EXPECT_EQ(edit.index, 0);
  EXPECT_TRUE(edit.rotationStepRequested);
  EXPECT_EQ(table_.current, 0);
  EXPECT_EQ(current_.path, paths_.ChannelFile(0));
  EXPECT_EQ(current_.url, "http://a/rss.xml");
  EXPECT_EQ(ReadFile(paths_.settingsFile),
            "[URL]\r\n-1=A\r\n0=http://a/rss.xml\r\n[CodePage]\r\n0=936\r\n"
            "[FileNo]\r\nMaxFileNo=1\r\n");

  const ChannelEdit second = AddOrUpdateChannel(store_, "File:///b.xml", "", "");
  EXPECT_EQ(second.index, 1);
  EXPECT_EQ(table_.current, 0) << "one before the channel to fetch at once";
  EXPECT_EQ(Key("URL", "-2"), "");
  EXPECT_EQ(Key("CodePage", "1"), "<none>");

  AddAll({"Http://2", "f3", "h4", "h5", "h6", "h7", "h8", "h9"});
  EXPECT_EQ(table_.count, 10);
  const std::string before = ReadFile(paths_.settingsFile);
  EXPECT_FALSE(AddOrUpdateChannel(store_, "h5", "renamed", "").index) << "not even an update";
  EXPECT_EQ(ReadFile(paths_.settingsFile), before);
}

TEST_F(ChannelTableTest, UpdatesTheFirstChannelWhoseAddressBeginsTheTypedOne) {
  AddAll({"http://a/one.xml", "http://b/two.xml vbco;cd=up;", "http://c/three.xml"});
  AddOrUpdateChannel(store_, "http://c/three.xml", "Three", "");
  table_.current = 2;

  const ChannelEdit edit =
      AddOrUpdateChannel(store_, "http://b/two.xml vbco;cd=left;cs=3;", "", "950");
  EXPECT_EQ(edit.index, 1);
  EXPECT_FALSE(edit.rotationStepRequested);
  EXPECT_EQ(table_.current, 2);
  EXPECT_EQ(Key("URL", "1"), "http://b/two.xml vbco;cd=left;cs=3;");
  EXPECT_EQ(Key("CodePage", "1"), "950");

  const std::string longer = "http://c/three.xml?page=" + std::string(kUrlLimit, '2');
  EXPECT_EQ(AddOrUpdateChannel(store_, longer, "", "").index, 2);
  EXPECT_EQ(Key("URL", "-3"), "") << "an empty name field clears the name";
  EXPECT_EQ(table_.entries[2].url, longer.substr(0, kUrlLimit));

  table_.entries[0].url.clear();  // a hand-edited slot without an address matches everything
  EXPECT_EQ(AddOrUpdateChannel(store_, "http://new/", "", "").index, 0);
}

TEST_F(ChannelTableTest, DeletingShiftsSlotsRemovesTheLastKeysAndItsFile) {
  AddOrUpdateChannel(store_, "http://a", "A", "936");
  AddOrUpdateChannel(store_, "http://b", "B", "");
  AddOrUpdateChannel(store_, "http://c", "C", "65001");
  for (int k = 0; k < 3; ++k) WriteFile(paths_.ChannelFile(k), "feed");

  writes_ = 0;
  EXPECT_TRUE(DeleteChannel(store_, 0).rotationStepRequested);
  EXPECT_EQ(writes_, 1) << "the whole shift is one replace: a crash leaves no half-shifted table";
  EXPECT_EQ(table_.count, 2);
  // An empty code page leaves the slot's old key.
  EXPECT_EQ(ReadFile(paths_.settingsFile),
            "[URL]\r\n-1=B\r\n0=http://b\r\n-2=C\r\n1=http://c\r\n"
            "[CodePage]\r\n0=936\r\n1=65001\r\n[FileNo]\r\nMaxFileNo=2\r\n");
  EXPECT_FALSE(std::filesystem::exists(paths_.ChannelFile(2)));
  EXPECT_TRUE(std::filesystem::exists(paths_.ChannelFile(0)));
  EXPECT_EQ(table_.current, 1);
  EXPECT_EQ(current_.path, paths_.ChannelFile(1));
  EXPECT_EQ(current_.url, "http://c");

  EXPECT_FALSE(DeleteChannel(store_, -1).index) << "nothing selected";
  EXPECT_FALSE(DeleteChannel(store_, 2).index);
  EXPECT_EQ(writes_, 1);

  // A file that cannot be written keeps its old table whole, and the caller hears of it.
  const std::string before = ReadFile(paths_.settingsFile);
  failWrites_ = true;
  const ChannelEdit failed = DeleteChannel(store_, 1);
  EXPECT_TRUE(failed.rotationStepRequested);
  EXPECT_FALSE(failed.saved);
  EXPECT_FALSE(AddOrUpdateChannel(store_, "http://b", "", "").saved);
  EXPECT_FALSE(AddOrUpdateChannel(store_, "http://d", "", "").saved);
  EXPECT_EQ(ReadFile(paths_.settingsFile), before);
  failWrites_ = false;
  DeleteChannel(store_, 1);
  EXPECT_EQ(table_.current, 0);
  EXPECT_TRUE(DeleteChannel(store_, 0).saved);
  EXPECT_EQ(table_.count, 0);
  EXPECT_EQ(table_.current, -1);
  EXPECT_EQ(current_.url, "");
  EXPECT_FALSE(DeleteChannel(store_, 0).index) << "an empty table";
}

}  // namespace
}  // namespace vb
