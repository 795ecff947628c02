#include "settings/profile_store.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "settings/atomic_file.h"
#include "settings/file_io.h"
#include "support/temp_folder.h"

namespace vb {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

TEST(ProfileStore, ReadsLikeTheProfileFunctions) {
  TempFolder folder;
  const ProfileStore store(folder.File("a.ini"));
  EXPECT_EQ(store.Read("Window", "OrigX", "0", 4), "0") << "missing file gives the default";

  WriteFile(store.path(),
            "[window]\r\n"
            "ORIGX = -12345 \r\n"
            "Quoted=\"  a b \"\r\n"
            "Single=\v'x'\t\r\n"
            "Unbalanced=\"abc\r\n"
            "NoValue=\n"
            "quoted=second\n"
            "[Format]\n"
            "Dir=up\n"
            "[Window]\n"
            "OrigY=7\n");
  EXPECT_EQ(store.Read("Window", "OrigX", "0", 4), "-123") << "trimmed, then cut to the limit";
  EXPECT_EQ(store.Read("WINDOW", "quoted", "", 259), "  a b ") << "one pair of quotes goes";
  EXPECT_EQ(store.Read("Window", "Single", "", 259), "x");
  EXPECT_EQ(store.Read("Window", "Unbalanced", "", 259), "\"abc");
  EXPECT_EQ(store.Read("Window", "NoValue", "dflt", 259), "") << "present but empty is no default";
  EXPECT_EQ(store.Read("format", "dir", "left", 5), "up");
  EXPECT_EQ(store.Read("Window", "OrigY", "0", 4), "0") << "only the first section counts";
  EXPECT_EQ(store.Read("Timer", "DefTimer", "120", 2), "12") << "defaults are cut as well";

  // GBK characters whose trail bytes are ASCII letters must not fold into each other.
  store.Write("URL", "\xB0\x41", "upper");
  EXPECT_EQ(store.Read("URL", "\xB0\x61", "none", 10), "none");
  EXPECT_EQ(store.Read("url", "\xB0\x41", "none", 10), "upper");
}

TEST(ProfileStore, WritesKeepOrderReplaceInPlaceAndRemove) {
  TempFolder folder;
  int replaces = 0;
  const ProfileStore store(folder.File("a.ini"),
                           [&replaces](const std::string& path, std::string_view bytes) {
                             ++replaces;
                             return WriteFileAtomically(path, bytes);
                           });
  ProfileChanges changes;
  changes.Set("FileNo", "MaxFileNo", "2").Set("Window", "AutoLoad", "1");
  changes.Set("FileNo", "CurrentFileNo", "1").Set("window", "autoload", "0");
  changes.Set("URL", "-1", "").Set("URL", "0", "file://d:\\feeds\\news.xml").Remove("URL", "-1");
  changes.Remove("Gone", "Key").Set("URL", "1", "evil\r\n[FileNo]\r\nMaxFileNo=9");
  EXPECT_TRUE(store.Write(changes));
  EXPECT_EQ(replaces, 1) << "one replace of the file for the whole change";
  EXPECT_EQ(ReadFile(store.path()),
            "[FileNo]\r\nMaxFileNo=2\r\nCurrentFileNo=1\r\n"
            "[Window]\r\nAutoLoad=0\r\n"
            "[URL]\r\n0=file://d:\\feeds\\news.xml\r\n1=evil\r\n");

  const ProfileStore absent(folder.File("none.ini"));
  absent.Write("URL", "0", std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(absent.path())) << "removing from no file creates none";

  // A hand-edited file gets its new keys before the blank line that ends a section.
  WriteFile(store.path(), "; note\n[A]\nx=1\n\n[B]\ny=2\n");
  store.Write("A", "z", "3");
  EXPECT_EQ(ReadFile(store.path()), "; note\r\n[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
}

TEST(ProfileStore, FollowsWhatOtherWritersDoToTheFile) {
  TempFolder folder;
  const ProfileStore store(folder.File("a.ini"));
  WriteFile(store.path(), "[A]\r\nx=1\r\n");
  EXPECT_EQ(store.Read("A", "x", "", 9), "1");
  // An import puts another file of the same length in its place, a moment later.
  ASSERT_TRUE(WriteFileAtomically(store.path(), "[A]\r\nx=2\r\n"));
  const std::filesystem::path file = FilePath(store.path());
  std::filesystem::last_write_time(
      file, std::filesystem::last_write_time(file) + std::chrono::seconds(2));
  EXPECT_EQ(store.Read("A", "x", "", 9), "2");
  // Or one of another length at the same time, as a coarse clock tells it.
  const auto time = std::filesystem::last_write_time(file);
  ASSERT_TRUE(WriteFileAtomically(store.path(), "[A]\r\nx=22\r\n"));
  std::filesystem::last_write_time(file, time);
  EXPECT_EQ(store.Read("A", "x", "", 9), "22");
  store.Write("A", "y", "3");
  EXPECT_EQ(ReadFile(store.path()), "[A]\r\nx=22\r\ny=3\r\n");
  std::filesystem::remove(file);
  EXPECT_EQ(store.Read("A", "x", "gone", 9), "gone");
  store.Write("B", "z", "4");
  EXPECT_EQ(ReadFile(store.path()), "[B]\r\nz=4\r\n");
}

TEST(AtomicFile, ReplacesTheFileWholeOrLeavesItAsItWas) {
  TempFolder folder;
  const std::string target = folder.File("settings.ini");
  ASSERT_TRUE(WriteFileAtomically(target, "old contents"));
  // The new file takes the old one's place: another name for the old file keeps the old bytes.
  std::filesystem::create_hard_link(target, folder.File("old.ini"));
  ASSERT_TRUE(WriteFileAtomically(target, "new contents"));
  EXPECT_EQ(ReadFile(target), "new contents");
  EXPECT_EQ(ReadFile(folder.File("old.ini")), "old contents");
  EXPECT_NE(TemporaryPathBeside(target), TemporaryPathBeside(target));
  // A target that cannot be replaced (a folder) fails; no temporary file stays, then or before.
  std::filesystem::create_directory(folder.File("taken"));
  EXPECT_FALSE(WriteFileAtomically(folder.File("taken"), "new"));
  EXPECT_EQ(folder.FileCount(), 3);
}

TEST(FileIo, PathsInCodePage936NameTheFileSystemsUtf8Files) {
  TempFolder folder;
  const std::string typed = folder.File("\xD0\xC2\xCE\xC5.ini");  // "新闻" as a dialog keeps it
  ASSERT_TRUE(WriteFileAtomically(typed, "x"));
  EXPECT_TRUE(std::filesystem::exists(folder.File("\xE6\x96\xB0\xE9\x97\xBB.ini")));
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(typed, bytes));
  EXPECT_EQ(bytes, "x");
  EXPECT_TRUE(RemoveFile(typed));
  EXPECT_EQ(FilePath(folder.File("plain.ini")).string(), folder.File("plain.ini"));
}

}  // namespace
}  // namespace vb
