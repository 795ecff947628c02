#include "settings/ticker_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "settings/autostart.h"
#include "settings/data_paths.h"
#include "support/temp_folder.h"

namespace vb {
namespace {

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
    "[Format]\nMode=0\nDir=up\nBgColor=000000\nTxtColor=ff0000\nLnkColor=ff00ff\n"
    "VstColor=00ff00\nSmooth=1\nSpeed=60\nLineNum=1\nColNum=2\nTFont=16\nBkPic=\n"
    "[Timer]\nDefTimer=120\n"
    "[URL]\n-1=Local news\n0=file://d:\\feeds\\news.xml\n-2=\n"
    "1=file://d:\\feeds\\sport.xml vbco;cd=left;\n"
    "[CodePage]\n0=936\n"
    "[IniFile]\nIniOut=d:/backup/ticker.cnf\n";

struct Loaded {
  TickerSettings settings;
  ChannelTable table;
};

Loaded Load(const std::string& file) {
  TempFolder folder;
  const ProfileStore store(folder.File("velloband.ini"));
  WriteFile(store.path(), file);
  Loaded loaded;
  SetScreenWidth(loaded.settings, 1280);
  LoadSettings(store, loaded.settings, loaded.table);
  LoadChannelTable(store, loaded.table);
  DeriveRotationPeriod(loaded.settings);
  return loaded;
}

// The values a bar is drawn and docked with, and the channel slots as "name|address|code page".
std::string Summary(const TickerSettings& s, const ChannelTable& table) {
  std::string text =
      "fixed=" + s.fixed + " autoload=" + s.autoLoad + " x=" + s.origX + " width=" + s.width + "/" +
      std::to_string(s.barWidth) + " height=" + std::to_string(s.BarHeight()) + " dir=" + s.dir +
      " smooth=" + s.smooth + " speed=" + s.speed + " columns=" + std::to_string(s.colNum) +
      " period=" + std::to_string(s.rotationPeriod) + " in=" + s.iniIn + " out=" + s.iniOut +
      " channels=" + std::to_string(table.count) + "@" + std::to_string(table.current);
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
      "fixed=1 autoload=1 x=0 width=1024/1024 height=24 dir=up smooth=1 speed=60 columns=2 "
      "period=120000 in= out=d:/backup/ticker.cnf channels=2@1 "
      "Local news|file://d:\\feeds\\news.xml|936 |file://d:\\feeds\\sport.xml vbco;cd=left;|");
  // No Fixed key floats the bar, and autostart is off: not the first run's values.
  const Loaded missing = Load("[Window]\nOrigX=-1234\n");
  EXPECT_EQ(Summary(missing.settings, missing.table),
            "fixed= autoload=0 x=-123 width=1280/1280 height=24 dir=left smooth=2 speed=30 "
            "columns=1 period=120000 in= out= channels=0@0");
}

TEST(LoadSettings, ClampsWhatItReads) {
  struct Case {
    const char* file;
    int lineNum, colNum;
    const char* smooth;
    const char* speed;
    const char* tFont;
    int fontSize;
  };
  const Case cases[] = {
      {"LineNum=0\nColNum=-3\nSmooth=0\nSpeed=5\nTFont=5\n", 1, 10, "1", "20", "12", 12},
      {"LineNum=15\nColNum=123\nSmooth=12345\nSpeed=20\nTFont=99\n", 10, 10, "1234", "20", "50",
       50},
      {"LineNum=10\nColNum=9\nSmooth=-7\nSpeed=abc\nTFont=100\n", 10, 9, "1", "20", "12", 12},
  };
  for (const Case& c : cases) {
    const TickerSettings s = Load(std::string("[Format]\n") + c.file).settings;
    EXPECT_EQ(s.lineNum, c.lineNum) << c.file;
    EXPECT_EQ(s.colNum, c.colNum) << c.file;
    EXPECT_EQ(s.smooth, c.smooth) << c.file;
    EXPECT_EQ(s.speed, c.speed) << c.file;
    EXPECT_EQ(s.tFont, c.tFont) << c.file;
    EXPECT_EQ(s.fontSize, c.fontSize) << c.file;
  }
  EXPECT_EQ(Load("[Format]\nTFont=12\nLineNum=10\n").settings.BarHeight(), 180);
  EXPECT_EQ(Load("[Format]\nTFont=50\nLineNum=10\n").settings.BarHeight(), 750);

  EXPECT_EQ(Load("[FileNo]\nMaxFileNo=-1\n").table.count, 0);
  EXPECT_EQ(Load("[FileNo]\nMaxFileNo=11\n").table.count, 10);
  EXPECT_EQ(Load("[FileNo]\nMaxFileNo=100\n").table.count, 10);
  EXPECT_EQ(Load("[FileNo]\nMaxFileNo=2\nCurrentFileNo=3\n").table.current, 0);
  EXPECT_EQ(Load("[FileNo]\nMaxFileNo=2\nCurrentFileNo=-1\n").table.current, 0);

  const TickerSettings keyed = Load("[Format]\nMode=2\nBgColor=abcdef\n").settings;
  EXPECT_EQ(keyed.bgColor, "123456");
  EXPECT_EQ(keyed.savedBgColor, "000000");
  EXPECT_EQ(Load("[Format]\nNoDescription=7\n").settings.noDescription, 1);
  EXPECT_EQ(Load("[Timer]\nDefTimer=5\n").settings.rotationPeriod, 5000);
  EXPECT_EQ(Load("[Timer]\nDefTimer=-5\n").settings.rotationPeriod, 1000) << "never a busy loop";
}

TEST(LoadSettings, ValuesThePageWritesKeepTheirShapeOrTakeTheirDefault) {
  const TickerSettings hostile =
      Load(
          "[Format]\nDir=l x\nSmooth=2+x\nSpeed=30);\nBgColor=0;}<\nTxtColor=red;\n"
          "VstColor=#00ff0\nLnkColor=\xD0\xC2\n")
          .settings;
  EXPECT_EQ(std::vector<std::string>({hostile.dir, hostile.smooth, hostile.speed, hostile.bgColor,
                                      hostile.txtColor, hostile.vstColor, hostile.lnkColor}),
            std::vector<std::string>({"left", "2", "30", "000000", "ff0000", "00ff00", "ff00ff"}));

  const TickerSettings fine =
      Load("[Format]\nDir=No\nSmooth=9\nSpeed=100\nBgColor=\nTxtColor=Red\nVstColor=0a0B0c\n")
          .settings;
  EXPECT_EQ(std::vector<std::string>(
                {fine.dir, fine.smooth, fine.speed, fine.bgColor, fine.txtColor, fine.vstColor}),
            std::vector<std::string>({"No", "9", "100", "", "Red", "0a0B0c"}));
  EXPECT_EQ(Load("[Format]\nDir=\n").settings.dir, "");
}

TEST(SetFirstRunDefaults, WritesExactlyTwoKeysAndSwitchesAutostartOn) {
  TempFolder folder;
  const DataPaths paths = BuildDataPaths(folder.File("config"));
  ASSERT_TRUE(std::filesystem::is_directory(folder.File("config"))) << "missing folder is made";
  const ProfileStore store(paths.settingsFile);
  RecordingAutostart autostart;
  TickerSettings settings;
  ChannelTable table;
  SetScreenWidth(settings, 1920);
  SetFirstRunDefaults(store, autostart, settings, table);
  DeriveRotationPeriod(settings);

  EXPECT_EQ(ReadFile(paths.settingsFile), "[FileNo]\r\nMaxFileNo=0\r\n[Window]\r\nAutoLoad=1\r\n");
  EXPECT_EQ(autostart.calls, std::vector<bool>{true});
  EXPECT_EQ(Summary(settings, table),  // docked at the top
            "fixed=1 autoload=1 x=0 width=1920/1920 height=24 dir=left smooth=2 speed=30 "
            "columns=2 period=120000 in= out= channels=0@0");

  // Where autostart cannot be had, the settings say it is off.
  std::filesystem::remove(paths.settingsFile);
  autostart.works = false;
  SetFirstRunDefaults(store, autostart, settings, table);
  EXPECT_EQ(ReadFile(paths.settingsFile), "[FileNo]\r\nMaxFileNo=0\r\n[Window]\r\nAutoLoad=0\r\n");
  EXPECT_EQ(settings.autoLoad, "0");
}

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
