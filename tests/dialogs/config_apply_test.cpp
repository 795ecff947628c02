#include <gtest/gtest.h>

#include <sstream>

#include "dialogs/fakes.h"
#include "dialogs/transparency_ticks.h"
#include "resources/resource_ids.h"

namespace vb {
namespace {

using namespace ids;
using Strings = std::vector<std::string>;

struct ConfigApplyTest : ::testing::Test {
  void Type(std::initializer_list<std::pair<int, const char*>> fields) {
    for (const auto& [control, text] : fields) w.view.SetText(control, text);
  }
  void Click(int control) { dialog->OnCommand(control, kNotifyClicked); }
  std::string Field(int control) const { return w.view.Text(control); }

  testing::DialogWorld w;
  std::unique_ptr<DialogController> dialog = w.Open(IDD_CONFIG);
};

TEST_F(ConfigApplyTest, ClampsAndShowsTheClampedText) {
  Type({{IDC_SMOOTH, "0"},
        {IDC_SPEED, "5"},
        {IDC_LINENUM, "0"},
        {IDC_COLNUM, "15"},
        {IDC_TFONT, "8"},
        {IDC_DEFTIMER, "5"},
        {IDC_WIDTH, "80000"}});
  Click(IDC_APPLY);
  const TickerSettings& s = w.settings;
  EXPECT_EQ(Strings({s.smooth, s.speed, s.tFont, s.defTimer, s.width}),
            Strings({"1", "20", "12", "10", "8000"}));
  EXPECT_EQ(Strings({Field(IDC_SMOOTH), Field(IDC_SPEED), Field(IDC_LINENUM), Field(IDC_COLNUM),
                     Field(IDC_TFONT), Field(IDC_DEFTIMER)}),
            Strings({"1", "20", "1", "15", "12", "10"}));  // above 10 is left as typed
  EXPECT_EQ(s.lineNum, 1);
  EXPECT_EQ(s.colNum, 10);
  EXPECT_EQ(s.fontSize, 12);
  EXPECT_EQ(s.rotationPeriod, 10000);
  EXPECT_EQ(s.barWidth, 8000);  // cut, not clamped

  Type({{IDC_LINENUM, "-3"}, {IDC_TFONT, "60"}});
  Click(IDC_APPLY);
  EXPECT_EQ(s.lineNum, 10);
  EXPECT_EQ(Field(IDC_LINENUM), "-3");
  EXPECT_EQ(Field(IDC_TFONT), "50");
  Type({{IDC_TFONT, "100"}});  // read as 10
  Click(IDC_APPLY);
  EXPECT_EQ(w.Key("Format", "TFont"), "12");
}

TEST_F(ConfigApplyTest, UpdatesTheBarThenWritesKeysInOrder) {
  w.settings.fixed = "1";
  Click(IDC_APPLY);
  EXPECT_EQ(w.bar.calls, Strings({"restart timer", "step", "resize strip", "resize and show"}));
  std::istringstream file(testing::ReadFile(w.paths.settingsFile));
  Strings names;
  for (std::string line; std::getline(file, line);) names.push_back(line.substr(0, line.find('=')));
  EXPECT_EQ(names, Strings({"[Format]\r", "Dir", "BgColor", "TxtColor", "LnkColor", "VstColor",
                            "Smooth", "Speed", "LineNum", "ColNum", "TFont", "[Window]\r", "Width",
                            "[Timer]\r", "DefTimer"}));

  w.settings.fixed.clear();  // a floating bar has no strip
  w.bar.calls.clear();
  Click(IDOK);
  EXPECT_EQ(w.bar.calls, Strings({"restart timer", "step", "resize and show"}));
  EXPECT_EQ(w.view.closed, 1);
}

TEST(ConfigTransparency, KeyedModeShowsTheSavedColourAndWritesTheKey) {
  testing::DialogWorld w;
  w.settings.mode = "2";
  w.settings.bgColor = kTransparentKeyColor;
  w.settings.savedBgColor = "336699";
  w.settings.dir = "no";
  auto dialog = w.Open(IDD_CONFIG);
  EXPECT_TRUE(w.view.Checked(IDC_DIR_NONE));
  EXPECT_FALSE(w.view.Enabled(IDC_SMOOTH));
  EXPECT_EQ(w.view.Text(IDC_BGCOLOR), "336699");
  EXPECT_FALSE(w.view.Enabled(IDC_BGCOLOR));
  EXPECT_TRUE(w.view.Checked(IDC_FULL_TRANSPARENT));
  w.view.SetText(IDC_BGCOLOR, "ffffff");
  dialog->OnCommand(IDC_APPLY, kNotifyClicked);
  EXPECT_EQ(w.Key("Format", "BgColor"), "123456");

  // The radio buttons go to the bar; the bar re-ticks them.
  dialog->OnCommand(IDC_OPAQUE, kNotifyClicked);
  EXPECT_EQ(w.bar.calls.back(), "command 40006");
  for (char mode : {'1', '2', '0'}) {
    RetickTransparency(w.view, mode);
    EXPECT_EQ(w.view.Checked(IDC_OPAQUE), mode == '0');
    EXPECT_EQ(w.view.Checked(IDC_TRANSLUCENT), mode == '1');
    EXPECT_EQ(w.view.Checked(IDC_FULL_TRANSPARENT), mode == '2');
    EXPECT_EQ(w.view.Enabled(IDC_BGCOLOR), mode != '2');
  }
  w.settings.mode = "0";
  dialog->OnCommand(IDC_APPLY, kNotifyClicked);
  EXPECT_EQ(w.Key("Format", "BgColor"), "ffffff");
}

TEST_F(ConfigApplyTest, DirectionButtonsFillDefaultsThatOnlyApplyStores) {
  Click(IDC_DIR_UP);
  EXPECT_EQ(Strings({Field(IDC_SMOOTH), Field(IDC_SPEED)}), Strings({"1", "60"}));
  Click(IDCANCEL);
  EXPECT_EQ(w.Key("Format", "Smooth"), "<none>");

  w.settings.lineNum = 2;
  dialog = w.Open(IDD_CONFIG);
  Click(IDC_DIR_NONE);
  EXPECT_EQ(Strings({Field(IDC_SMOOTH), Field(IDC_SPEED)}), Strings({"48", "3000"}));
  EXPECT_FALSE(w.view.Enabled(IDC_SMOOTH));
  Click(IDC_DIR_LEFT);
  EXPECT_EQ(Strings({Field(IDC_SMOOTH), Field(IDC_SPEED)}), Strings({"2", "30"}));
  EXPECT_TRUE(w.view.Enabled(IDC_SMOOTH));

  // "no" scrolls by the bar height of the font and lines being applied.
  w.view.checked = {{IDC_DIR_NONE, true}};
  Type({{IDC_TFONT, "20"}, {IDC_LINENUM, "1"}});
  Click(IDC_APPLY);
  EXPECT_EQ(w.Key("Format", "Dir"), "no");
  EXPECT_EQ(w.Key("Format", "Smooth"), "30");
  EXPECT_EQ(Field(IDC_SMOOTH), "30");

  w.view.checked.clear();  // no direction ticked: Dir stays
  Click(IDC_APPLY);
  EXPECT_EQ(w.Key("Format", "Dir"), "no");
}

TEST_F(ConfigApplyTest, AutostartActsAtOnce) {
  w.view.SetChecked(IDC_AUTOLOAD, false);
  Click(IDC_AUTOLOAD);
  EXPECT_EQ(w.autostart.sets, std::vector<bool>{false});
  EXPECT_EQ(w.Key("Window", "AutoLoad"), "0");
}

}  // namespace
}  // namespace vb
