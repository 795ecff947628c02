#pragma once

#include "dialogs/field_dialog.h"
#include "resources/resource_ids.h"

namespace vb {

// The background picture: stored, then the page rendered again with it.
class BkPicDialog final : public FieldDialog {
 public:
  BkPicDialog(DialogView& view, DialogContext& context)
      : FieldDialog(view, context, ids::IDC_BKPIC_PATH) {}

 private:
  std::string& Value() override { return context_.settings.bkPic; }
  void Apply() override;
};

// Import: the named file replaces the settings file, which then records where it came from. OK
// ends the program without its close handling, so the copy takes effect at the next start.
class ImportDialog final : public FieldDialog {
 public:
  ImportDialog(DialogView& view, DialogContext& context)
      : FieldDialog(view, context, ids::IDC_IMPORT_PATH) {}

 private:
  std::string& Value() override { return context_.settings.iniIn; }
  std::string Suggestion() const override { return context_.settingsCopySuggestion; }
  void Apply() override;
  void Finish() override;
};

// Export: the settings file, recording the target first, is copied to the named path.
class ExportDialog final : public FieldDialog {
 public:
  ExportDialog(DialogView& view, DialogContext& context)
      : FieldDialog(view, context, ids::IDC_EXPORT_PATH) {}

 private:
  std::string& Value() override { return context_.settings.iniOut; }
  std::string Suggestion() const override { return context_.settingsCopySuggestion; }
  void Apply() override;
};

}  // namespace vb
