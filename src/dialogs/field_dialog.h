#pragma once

#include <string>

#include "dialogs/dialog_controller.h"

namespace vb {

// A dialog with one path field and Apply, OK and Cancel: the background-picture, import and
// export dialogs.
class FieldDialog : public DialogController {
 public:
  FieldDialog(DialogView& view, DialogContext& context, int field)
      : view_(view), context_(context), field_(field) {}

  void OnInit() override;
  void OnCommand(int control, int notification) override;

 protected:
  // The setting that the field shows and edits.
  virtual std::string& Value() = 0;
  // What the field shows while Value() is empty.
  virtual std::string Suggestion() const { return {}; }
  // Runs after Value() took the field's text.
  virtual void Apply() = 0;
  // OK after Apply; closes the dialog, which may destroy this controller.
  virtual void Finish() { view_.Close(); }

  DialogView& view_;
  DialogContext& context_;

 private:
  int field_;
};

}  // namespace vb
