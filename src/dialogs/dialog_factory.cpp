#include "dialogs/dialog_factory.h"

#include "dialogs/config_dialog.h"
#include "dialogs/help_dialog.h"
#include "dialogs/path_dialogs.h"
#include "resources/resource_ids.h"

namespace vb {
namespace {

// Runs the notice after the dialog itself is gone.
class NotifyOnDestroy final : public DialogController {
 public:
  NotifyOnDestroy(std::unique_ptr<DialogController> inner, std::function<void()> onDestroyed)
      : inner_(std::move(inner)), onDestroyed_(std::move(onDestroyed)) {}
  ~NotifyOnDestroy() override {
    inner_.reset();
    onDestroyed_();
  }

  void OnInit() override { inner_->OnInit(); }
  void OnCommand(int control, int notification) override {
    inner_->OnCommand(control, notification);
  }

 private:
  std::unique_ptr<DialogController> inner_;
  std::function<void()> onDestroyed_;
};

std::unique_ptr<DialogController> Create(int resourceId, DialogView& view, DialogContext& context) {
  switch (resourceId) {
    case ids::IDD_CONFIG:
      return std::make_unique<ConfigDialog>(view, context);
    case ids::IDD_HELP:
      return std::make_unique<HelpDialog>(view);
    case ids::IDD_BKPIC:
      return std::make_unique<BkPicDialog>(view, context);
    case ids::IDD_IMPORT:
      return std::make_unique<ImportDialog>(view, context);
    case ids::IDD_EXPORT:
      return std::make_unique<ExportDialog>(view, context);
    default:
      return nullptr;
  }
}

}  // namespace

std::unique_ptr<DialogController> CreateDialog(int resourceId, DialogView& view,
                                               DialogContext& context,
                                               std::function<void()> onDestroyed) {
  auto controller = Create(resourceId, view, context);
  if (!controller || !onDestroyed) return controller;
  return std::make_unique<NotifyOnDestroy>(std::move(controller), std::move(onDestroyed));
}

}  // namespace vb
