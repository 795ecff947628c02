#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/fakes.h"
#include "resources/resource_ids.h"

namespace vb {
namespace {

using namespace ids;
using testing::ReadFile;
using Strings = std::vector<std::string>;

// Types `path` into the dialog's one field and presses `button`.
void Submit(DialogController& dialog, testing::DialogWorld& w, int field, const std::string& path,
            int button = IDC_APPLY) {
  w.view.SetText(field, path);
  dialog.OnCommand(button, kNotifyClicked);
}

TEST(ImportDialog, ReplacesTheSettingsFileWholeOrNotAtAll) {
  testing::DialogWorld w;
  w.profile.Write("Format", "Dir", "up");
  w.context.settingsCopySuggestion = "/home/u/velloband.cnf";
  auto dialog = w.Open(IDD_IMPORT);
  // Never used: the field offers the suggestion, which is not stored by being shown.
  EXPECT_EQ(w.view.Text(IDC_IMPORT_PATH), "/home/u/velloband.cnf");
  EXPECT_EQ(w.settings.iniIn, "");
  // Over 1 MiB no settings file is real: it would only hold up every start.
  const std::string huge = w.folder.File("huge.cnf");
  testing::WriteFile(huge, "[Format]\r\nDir=down\r\n" + std::string((1u << 20) - 19, ';'));
  for (const std::string& bad : {w.folder.File("missing.cnf"), w.folder.path(), huge}) {
    Submit(*dialog, w, IDC_IMPORT_PATH, bad);
    EXPECT_EQ(w.Key("Format", "Dir"), "up") << bad;
    EXPECT_EQ(w.Key("IniFile", "IniIn"), bad);  // recorded all the same
  }
  EXPECT_EQ(w.folder.FileCount(), 2);
  // One byte less and it is a settings file like any other.
  testing::WriteFile(huge, "[Format]\r\nDir=down\r\n" + std::string((1u << 20) - 20, ';'));
  Submit(*dialog, w, IDC_IMPORT_PATH, huge, IDOK);
  EXPECT_EQ(w.Key("Format", "Dir"), "down");
  EXPECT_EQ(w.Key("IniFile", "IniIn"), huge);
  EXPECT_EQ(w.view.closed, 1);
  EXPECT_EQ(w.bar.calls, Strings{"quit"});
}

TEST(ExportDialog, RecordsTheTargetFirstSoTheCopyHoldsIt) {
  testing::DialogWorld w;
  w.settings.iniOut = "last.cnf";
  w.context.settingsCopySuggestion = "/home/u/velloband.cnf";
  auto dialog = w.Open(IDD_EXPORT);
  EXPECT_EQ(w.view.Text(IDC_EXPORT_PATH), "last.cnf");
  const std::string nowhere = w.folder.File("no/such.cnf");
  Submit(*dialog, w, IDC_EXPORT_PATH, nowhere);
  EXPECT_FALSE(std::filesystem::exists(nowhere));
  EXPECT_EQ(w.Key("IniFile", "IniOut"), nowhere);

  const std::string target = w.folder.File("backup.cnf");
  Submit(*dialog, w, IDC_EXPORT_PATH, target, IDOK);
  EXPECT_EQ(ProfileStore(target).Read("IniFile", "IniOut", "", 259), target);
  EXPECT_EQ(ReadFile(target), ReadFile(w.paths.settingsFile));
  EXPECT_EQ(w.view.closed, 1);
}

TEST(BkPicDialog, StoresThePictureRendersAgainAndCancelDropsIt) {
  testing::DialogWorld w;
  auto dialog = w.Open(IDD_BKPIC);
  Submit(*dialog, w, IDC_BKPIC_PATH, std::string(300, 'p'));
  EXPECT_EQ(w.settings.bkPic, std::string(259, 'p'));
  Submit(*dialog, w, IDC_BKPIC_PATH, "", IDOK);
  EXPECT_EQ(w.Key("Format", "BkPic"), "");
  EXPECT_EQ(w.bar.calls, Strings({"step", "step"}));

  auto cancelled = w.Open(IDD_BKPIC);
  Submit(*cancelled, w, IDC_BKPIC_PATH, "d:/new.jpg", IDCANCEL);
  EXPECT_EQ(w.settings.bkPic, "");
  EXPECT_EQ(w.view.closed, 2);
}

TEST(DialogFactory, HelpClosesOnOkOnlyAndTheEndIsReported) {
  testing::DialogWorld w;
  EXPECT_EQ(CreateDialog(IDR_MENU, w.view, w.context), nullptr);
  int destroyed = 0;
  auto help = CreateDialog(IDD_HELP, w.view, w.context, [&] { ++destroyed; });
  help->OnCommand(IDCANCEL, kNotifyClicked);
  EXPECT_EQ(w.view.closed, 0);
  help->OnCommand(IDOK, kNotifyClicked);
  EXPECT_EQ(w.view.closed, 1);
  help.reset();
  EXPECT_EQ(destroyed, 1);
}

}  // namespace
}  // namespace vb
