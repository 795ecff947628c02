#include "settings/ticker_settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "settings/autostart.h"
#include "settings/data_paths.h"
#include "support/temp_folder.h"

namespace vb {
namespace {

using ::testing::HasSubstr;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

class RecordingAutostart : public Autostart {
 public:
  bool Set(bool on) override {
    calls.push_back(on);
    return !on || works;
  }
  std::vector<bool> calls;
  bool works = true;
};

const char kExampleFile[] =
    "[FileNo]\nMaxFileNo=2\nCurrentFileNo=1\n"
    "[Window]\nAutoLoad=1\nOrigX=0\nOrigY=0\nFixed=1\nWidth=1024\n"
    "[Format]\nMode=0\nDir=right\nBgColor=000000\nTxtColor=ff0000\nLnkColor=ff00ff\n"
    "VstColor=00ff00\nSmooth=1\nSpeed=60\nLineNum=1\nColNum=2\nTFont=16\nBkPic=\n"
    "[Timer]\nDefTimer=120\n"
    "[URL]\n-1=Local news\n0=file://d:\\feeds\\news.xml\n-2=\n"
    "1=file://d:\\feeds\\sport.xml vbco;cd=left;\n"
    "[CodePage]\n0=936\n"
    "[IniFile]\nIniIn=\nIniOut=d:/backup/ticker.cnf\n";

struct Loaded {
  TickerSettings settings;
  ChannelTable table;
};

Loaded Load(const std::string& file, const TempFolder& folder = TempFolder()) {
  const ProfileStore store(folder.File("velloband.ini"));
  WriteFile(store.path(), file);
  Loaded loaded;
  SetScreenWidth(loaded.settings, 1280);
  LoadSettings(store, loaded.settings, loaded.table);
  LoadChannelTable(store, loaded.table);
  return loaded;
}

// Every value the bar is drawn, docked and rotated with, and the channel slots as
// "name|address|code page".
std::string Summary(const TickerSettings& s, const ChannelTable& table) {
  static const char* const kEdges[] = {"floating", "top", "bottom"};
  static const char* const kModes[] = {"opaque", "translucent", "keyed"};
  const auto n = [](int value) { return std::to_string(value); };
  std::string text = std::string("edge=") + kEdges[static_cast<int>(s.dockEdge)] +
                     " mode=" + kModes[static_cast<int>(s.mode)] + " autoload=" + n(s.autoLoad) +
                     " x=" + n(s.origX) + "," + n(s.origY) + " width=" + n(s.barWidth) +
                     " height=" + n(s.BarHeight()) + " dir=" + s.dir + " step=" + n(s.scrollStep) +
                     " pause=" + n(s.scrollPauseMs) + " font=" + n(s.fontSize) +
                     " lines=" + n(s.lineNum) + "x" + n(s.colNum) + " colours=" + s.bgColor.text() +
                     "/" + s.txtColor.text() + "/" + s.lnkColor.text() + "/" + s.vstColor.text() +
                     " nodesc=" + n(s.noDescription) + " period=" + n(s.RotationPeriodMs()) +
                     " in=" + s.iniIn + " out=" + s.iniOut + " channels=" + n(table.count) + "@" +
                     n(table.current);
  for (int k = 0; k < table.count; ++k) {
    const ChannelEntry& e = table.entries[k];
    text += " " + e.name + "|" + e.url + "|" + e.codePage;
  }
  return text;
}

TEST(LoadSettings, ReadsTheExampleFileAndLoadDefaultsForMissingKeys) {
  const Loaded example = Load(kExampleFile);
  EXPECT_EQ(
      Summary(example.settings, example.table),
      "edge=top mode=opaque autoload=1 x=0,0 width=1024 height=24 dir=right step=1 pause=60 "
      "font=16 lines=1x2 colours=000000/ff0000/ff00ff/00ff00 nodesc=0 period=120000 in= "
      "out=d:/backup/ticker.cnf channels=2@1 "
      "Local news|file://d:\\feeds\\news.xml|936 |file://d:\\feeds\\sport.xml vbco;cd=left;|");
  // No Fixed key floats the bar, and autostart is off: not the first run's values.
  const Loaded missing = Load("[Window]\nOrigX=-1234\n");
  EXPECT_EQ(Summary(missing.settings, missing.table),
            "edge=floating mode=opaque autoload=0 x=-123,0 width=1280 height=24 dir=left step=2 "
            "pause=30 font=16 lines=1x1 colours=000000/ff0000/ff00ff/00ff00 nodesc=0 "
            "period=120000 in= out= channels=0@0");
}

// The bounds themselves are tested on their own; these show each one applied to its key.
TEST(LoadSettings, ClampsWhatItReadsAndKeepsThePageSafe) {
  const struct {
    const char* file;
    const char* summarised;
  } cases[] = {
      {"[Format]\nLineNum=0\nColNum=-3\n", "lines=1x10"},
      {"[Format]\nSmooth=0\nSpeed=5\nTFont=5\n", "step=1 pause=20 font=12"},
      {"[Format]\nSmooth=12345\nSpeed=20\nTFont=99\n", "step=1234 pause=20 font=50"},
      {"[Format]\nTFont=50\nLineNum=10\n", "height=750"},
      {"[FileNo]\nMaxFileNo=11\n", "channels=10@0"},
      {"[FileNo]\nMaxFileNo=2\nCurrentFileNo=2\n", "channels=2@0"},
      {"[Timer]\nDefTimer=0\n", "period=1000"},
      {"[Format]\nMode=2\nBgColor=abcdef\n", "colours=123456/ff0000"},
      {"[Format]\nMode=x\n", "mode=translucent"},
      {"[Window]\nFixed=x\n", "edge=bottom"},
      {"[Window]\nAutoLoad=2\n", "autoload=0"},
      {"[Format]\nNoDescription=7\n", "nodesc=1"},
      // Values that the page writes as they stand, in a shape that could become markup.
      {"[Format]\nDir=l x\nSmooth=2+x\nSpeed=30);\nBgColor=0;}<\nTxtColor=red;\n"
       "VstColor=#00ff0\nLnkColor=\xD0\xC2\n",
       "dir=left step=2 pause=30 font=16 lines=1x1 colours=000000/ff0000/ff00ff/00ff00"},
      {"[Format]\nDir=\n", "dir= "},
  };
  for (const auto& c : cases) {
    const Loaded loaded = Load(c.file);
    EXPECT_THAT(Summary(loaded.settings, loaded.table), HasSubstr(c.summarised)) << c.file;
  }
}

TEST(SettingKeys, WriteBackTheBytesTheyWereReadFrom) {
  const std::string keyed =
      "[Window]\r\nAutoLoad=0\r\nOrigX=-123\r\nOrigY=45\r\nFixed=\r\nWidth=800\r\n"
      "[Format]\r\nMode=2\r\nDir=no\r\nBgColor=123456\r\nTxtColor=Red\r\nLnkColor=\r\n"
      "VstColor=0a0B0c\r\nSmooth=48\r\nSpeed=3000\r\nLineNum=10\r\nColNum=10\r\nTFont=50\r\n"
      "BkPic=c:\\pics\\sky.jpg\r\n[Timer]\r\nDefTimer=9999\r\n"
      "[IniFile]\r\nIniIn=a.cnf\r\nIniOut=\r\n";
  std::string example = kExampleFile;
  for (std::size_t at = 0; (at = example.find('\n', at)) != std::string::npos; at += 2) {
    example.insert(at, "\r");
  }
  std::string bottom = keyed;
  bottom.replace(bottom.find("Fixed="), 6, "Fixed=0");
  for (const std::string& file : {example, keyed, bottom}) {
    TempFolder folder;
    const Loaded loaded = Load(file, folder);
    const ProfileStore store(folder.File("velloband.ini"));
    ProfileChanges changes;
    for (int key = 0; key <= static_cast<int>(SettingKey::kIniOut); ++key) {
      AddSettingKeys(changes, loaded.settings, {static_cast<SettingKey>(key)});
    }
    ASSERT_TRUE(store.Write(changes));
    EXPECT_EQ(ReadFile(store.path()), file);
  }
}

TEST(SetFirstRunDefaults, WritesExactlyTwoKeysResetsTheRestAndSwitchesAutostartOn) {
  TempFolder folder;
  const DataPaths paths = BuildDataPaths(folder.File("config"));
  ASSERT_TRUE(std::filesystem::is_directory(folder.File("config"))) << "missing folder is made";
  const ProfileStore store(paths.settingsFile);
  RecordingAutostart autostart;
  Loaded loaded = Load(kExampleFile, folder);  // all but the screen width goes
  TickerSettings& settings = loaded.settings;
  EXPECT_TRUE(SetFirstRunDefaults(store, autostart, settings, loaded.table));

  EXPECT_EQ(ReadFile(paths.settingsFile), "[FileNo]\r\nMaxFileNo=0\r\n[Window]\r\nAutoLoad=1\r\n");
  EXPECT_EQ(autostart.calls, std::vector<bool>{true});
  EXPECT_EQ(Summary(settings, loaded.table),  // docked at the top
            "edge=top mode=opaque autoload=1 x=0,0 width=1280 height=24 dir=left step=2 pause=30 "
            "font=16 lines=1x2 colours=000000/ff0000/ff00ff/00ff00 nodesc=0 period=120000 in= "
            "out= channels=0@0");

  // Where autostart cannot be had, the settings say it is off.
  std::filesystem::remove(paths.settingsFile);
  autostart.works = false;
  EXPECT_TRUE(SetFirstRunDefaults(store, autostart, settings, loaded.table));
  EXPECT_EQ(ReadFile(paths.settingsFile), "[FileNo]\r\nMaxFileNo=0\r\n[Window]\r\nAutoLoad=0\r\n");
  EXPECT_FALSE(settings.autoLoad);

  // A folder that cannot be written is told to the caller.
  const ProfileStore lost(folder.File("missing/velloband.ini"));
  EXPECT_FALSE(SetFirstRunDefaults(lost, autostart, settings, loaded.table));
}

}  // namespace
}  // namespace vb
