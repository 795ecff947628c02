#include "dialogs/path_dialogs.h"

#include "dialogs/file_copy.h"

namespace vb {

void BkPicDialog::Apply() {
  context_.bar.RequestRotationStep();
  context_.channels.profile.Write("Format", "BkPic", context_.settings.bkPic);
}

void ImportDialog::Apply() {
  const ProfileStore& profile = context_.channels.profile;
  CopyFileAtomically(context_.settings.iniIn, profile.path());
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
  CopyFileAtomically(profile.path(), context_.settings.iniOut);
}

}  // namespace vb
