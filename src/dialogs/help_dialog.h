#pragma once

#include "dialogs/dialog_controller.h"

namespace vb {

// The help text: only OK reacts, closing it.
class HelpDialog final : public DialogController {
 public:
  explicit HelpDialog(DialogView& view) : view_(view) {}

  void OnInit() override {}
  void OnCommand(int control, int notification) override;

 private:
  DialogView& view_;
};

}  // namespace vb
