#include "fetch/update_notice.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace vb {
namespace {

struct RecordingStarter : DownloadStarter {
  void Start(const DownloadTarget& target) override { started.push_back(target); }
  std::vector<DownloadTarget> started;
};

std::string Notice(const std::string& fragment, const std::string& version) {
  return fragment + version + "\n\xB5\xB1\xC7\xB0\xB0\xE6\xB1\xBE:1141\" target=_blank>" +
         "<font "
         "color=red>\xA1\xF1\xCF\xC2\xD4\xD8\xD7\xEE\xD0\xC2\xB0\xE6Velloband\xA1\xF1</font>" +
         "</a>\n";
}

TEST(UpdateNotice, AnnouncesNewerVersionsFromTheLastFetchedNote) {
  testing::TempFolder folder;
  const DownloadTarget target = MakeNoteTarget(folder.File("velloband_note"));
  UpdateNote note;
  RecordingStarter starter;
  const auto check = [&](const std::string& noteFile) {
    testing::WriteFile(target.path, noteFile);
    CheckUpdateNote(note, target, starter);
    return note.updateNotice;
  };
  // A short note overwrites only the leading bytes of the initial or last version.
  EXPECT_EQ(check("12"), Notice("", "1200"));
  EXPECT_EQ(check("9"), Notice("", "9200"));
  EXPECT_EQ(check(std::string("2\0", 2)), "");
  EXPECT_EQ(check("13"), Notice("", "1300"));

  const std::string anchor = "<a href=\"http://get/?v=";
  EXPECT_EQ(check("1142" + anchor), Notice(anchor, "1142"));
  EXPECT_EQ(check("1141" + anchor), "");
  EXPECT_EQ(check("v2.0" + anchor), "");

  // The fragment is cut after CR LF has been read as LF.
  const std::string x(1348, 'x');
  EXPECT_EQ(check("2000" + x + "\r\nyz"), Notice(x + "\ny", "2000"));
  EXPECT_EQ(check("2000a\r\nb\rc"), Notice("a\nb\rc", "2000"));
  // A 0x1A byte ends the note, in the version as in the fragment.
  EXPECT_EQ(check("2001a\032b"), Notice("a", "2001"));
  EXPECT_EQ(check("15\03299b"), Notice("", "1501"));

  std::filesystem::remove(target.path);
  CheckUpdateNote(note, target, starter);
  EXPECT_EQ(note.updateNotice, "");

  // Every check fetches the note again, for the next one.
  ASSERT_EQ(starter.started.size(), 12u);
  EXPECT_EQ(starter.started.back().path, target.path);
  EXPECT_EQ(starter.started.back().url, "https://update.velloband.net/velloband_note_CN");
}

}  // namespace
}  // namespace vb
