#include "dialogs/path_dialogs.h"

#include "dialogs/file_copy.h"

namespace vb {
namespace {

// The largest real settings file is a few kilobytes; a larger one delays every start.
constexpr std::uintmax_t kLargestImport = 1u << 20;
// The copy is held in memory; no settings file the program writes comes near this size.
constexpr std::uintmax_t kLargestExport = 64u << 20;

}  // namespace

void BkPicDialog::Apply() {
  context_.bar.RequestRotationStep();
  WriteSettingKeys(context_.channels.profile, context_.settings, {SettingKey::kBkPic});
}

void ImportDialog::Apply() {
  const ProfileStore& profile = context_.channels.profile;
  CopyFileAtomically(context_.settings.iniIn, profile.path(), kLargestImport);
  WriteSettingKeys(profile, context_.settings, {SettingKey::kIniIn});
}

void ImportDialog::Finish() {
  BarLink& bar = context_.bar;
  view_.Close();  // may destroy this controller
  bar.Quit();
}

void ExportDialog::Apply() {
  const ProfileStore& profile = context_.channels.profile;
  WriteSettingKeys(profile, context_.settings, {SettingKey::kIniOut});
  CopyFileAtomically(profile.path(), context_.settings.iniOut, kLargestExport);
}

}  // namespace vb
