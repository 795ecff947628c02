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

// Each field applied alone: what the field shows afterwards and the key written.
TEST_F(ConfigApplyTest, ClampsAndShowsTheClampedText) {
  const struct {
    int control;
    const char *typed, *shown, *section, *key, *saved;
  } cases[] = {{IDC_SMOOTH, "0", "1", "Format", "Smooth", "1"},
               {IDC_SPEED, "5", "20", "Format", "Speed", "20"},
               {IDC_LINENUM, "0", "1", "Format", "LineNum", "1"},
               {IDC_COLNUM, "15", "15", "Format", "ColNum", "10"},  // above 10 is left as typed
               {IDC_TFONT, "60", "50", "Format", "TFont", "50"},
               {IDC_DEFTIMER, "5", "10", "Timer", "DefTimer", "10"},
               {IDC_WIDTH, "80000", "80000", "Window", "Width", "8000"},  // cut, not clamped
               {IDC_TXTCOLOR, "Red", "Red", "Format", "TxtColor", "Red"},
               // Text that the page would write as markup or script takes the default.
               {IDC_SMOOTH, "2;x", "2;x", "Format", "Smooth", "2"},
               {IDC_TXTCOLOR, "0;}<x", "0;}<x", "Format", "TxtColor", "ff0000"}};
  for (const auto& c : cases) {
    Type({{c.control, c.typed}});
    Click(IDC_APPLY);
    EXPECT_EQ(Field(c.control), c.shown) << c.key << " " << c.typed;
    EXPECT_EQ(w.Key(c.section, c.key), c.saved) << c.typed;
  }
}

TEST_F(ConfigApplyTest, UpdatesTheBarThenWritesKeysInOrder) {
  w.settings.dockEdge = DockEdge::kTop;
  Click(IDC_APPLY);
  EXPECT_EQ(w.fileWrites, 1) << "one replace of the file for all twelve keys";
  EXPECT_EQ(w.bar.calls, Strings({"restart timer", "step", "resize strip", "resize and show"}));
  std::istringstream file(testing::ReadFile(w.paths.settingsFile));
  Strings names;
  for (std::string line; std::getline(file, line);) names.push_back(line.substr(0, line.find('=')));
  EXPECT_EQ(names, Strings({"[Format]\r", "Dir", "BgColor", "TxtColor", "LnkColor", "VstColor",
                            "Smooth", "Speed", "LineNum", "ColNum", "TFont", "[Window]\r", "Width",
                            "[Timer]\r", "DefTimer"}));

  w.settings.dockEdge = DockEdge::kFloating;  // a floating bar has no strip
  w.bar.calls.clear();
  Click(IDOK);
  EXPECT_EQ(w.bar.calls, Strings({"restart timer", "step", "resize and show"}));
  EXPECT_EQ(w.view.closed, 1);
}

TEST_F(ConfigApplyTest, KeyedModeShowsTheSavedColourAndWritesTheKey) {
  w.settings.mode = TransparencyMode::kColourKey;
  w.settings.bgColor = kKeyedOutColour;
  w.settings.savedBgColor = PageColour("336699");
  w.settings.dir = "no";
  dialog = w.Open(IDD_CONFIG);
  EXPECT_TRUE(w.view.Checked(IDC_DIR_NONE));
  EXPECT_FALSE(w.view.Enabled(IDC_SMOOTH));
  EXPECT_EQ(Field(IDC_BGCOLOR), "336699");
  EXPECT_FALSE(w.view.Enabled(IDC_BGCOLOR));
  EXPECT_TRUE(w.view.Checked(IDC_FULL_TRANSPARENT));
  Type({{IDC_BGCOLOR, "ffffff"}});
  Click(IDC_APPLY);
  EXPECT_EQ(w.Key("Format", "BgColor"), "123456");

  // The radio buttons go to the bar; the bar re-ticks them.
  Click(IDC_OPAQUE);
  EXPECT_EQ(w.bar.calls.back(), "command 40006");
  using Mode = TransparencyMode;
  // Each mode after each other one.
  for (const Mode mode : {Mode::kTranslucent, Mode::kColourKey, Mode::kOpaque, Mode::kTranslucent,
                          Mode::kOpaque, Mode::kColourKey, Mode::kTranslucent}) {
    RetickTransparency(w.view, mode);
    EXPECT_EQ(w.view.Checked(IDC_OPAQUE), mode == Mode::kOpaque);
    EXPECT_EQ(w.view.Checked(IDC_TRANSLUCENT), mode == Mode::kTranslucent);
    EXPECT_EQ(w.view.Checked(IDC_FULL_TRANSPARENT), mode == Mode::kColourKey);
    EXPECT_EQ(w.view.Enabled(IDC_BGCOLOR), mode != Mode::kColourKey);
  }
  w.settings.mode = Mode::kOpaque;
  Click(IDC_APPLY);
  EXPECT_EQ(w.Key("Format", "BgColor"), "ffffff");
}

TEST_F(ConfigApplyTest, DirectionButtonsFillDefaultsThatOnlyApplyStores) {
  w.settings.lineNum = 2;
  dialog = w.Open(IDD_CONFIG);
  const struct {
    int button;
    const char *smooth, *speed;
  } directions[] = {
      {IDC_DIR_UP, "1", "60"}, {IDC_DIR_NONE, "48", "3000"}, {IDC_DIR_LEFT, "2", "30"}};
  for (const auto& d : directions) {
    Click(d.button);
    EXPECT_EQ(Strings({Field(IDC_SMOOTH), Field(IDC_SPEED)}), Strings({d.smooth, d.speed}));
    EXPECT_EQ(w.view.Enabled(IDC_SMOOTH), d.button != IDC_DIR_NONE);
  }
  Click(IDCANCEL);
  EXPECT_EQ(w.Key("Format", "Smooth"), "<none>");

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

  // Ticked where autostart cannot be had: the box clears and the setting stays off.
  w.autostart.works = false;
  w.view.SetChecked(IDC_AUTOLOAD, true);
  Click(IDC_AUTOLOAD);
  EXPECT_EQ(w.autostart.sets, (std::vector<bool>{false, true}));
  EXPECT_FALSE(w.view.Checked(IDC_AUTOLOAD));
  EXPECT_EQ(w.Key("Window", "AutoLoad"), "0");
  EXPECT_FALSE(w.settings.autoLoad);
}

}  // namespace
}  // namespace vb
