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
  context_.channels.profile.Write("Format", "BkPic", context_.settings.bkPic);
}

void ImportDialog::Apply() {
  const ProfileStore& profile = context_.channels.profile;
  CopyFileAtomically(context_.settings.iniIn, profile.path(), kLargestImport);
  profile.Write("IniFile", "IniIn", context_.settings.iniIn);
}

void ImportDialog::Finish() {
  BarLink& bar = context_.bar;
  view_.Close();  // may destroy this controller
  bar.Quit();
}

void ExportDialog::Apply() {
  const ProfileStore& profile = context_.channels.profile;
  profile.Write("IniFile", "IniOut", context_.settings.iniOut);
  CopyFileAtomically(profile.path(), context_.settings.iniOut, kLargestExport);
}

}  // namespace vb
