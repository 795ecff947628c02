#pragma once

#include "dialogs/dialog_controller.h"

namespace vb {

// The configuration dialog: channel edits, autostart and transparency act at once; the display
// fields act on Apply or OK.
class ConfigDialog final : public DialogController {
 public:
  ConfigDialog(DialogView& view, DialogContext& context) : view_(view), context_(context) {}

  void OnInit() override;
  void OnCommand(int control, int notification) override;

 private:
  void FillFields();
  void AutoloadClicked();
  void DirectionClicked(int button);

  // config_channels.cpp
  void FillChannelList();
  void ChannelSelected();
  void ChannelDoubleClicked();
  void AddClicked();
  void DeleteClicked();

  // config_apply.cpp
  void Apply();
  void TakeDirection();
  void TakeColourFields();

  DialogView& view_;
  DialogContext& context_;
};

}  // namespace vb
