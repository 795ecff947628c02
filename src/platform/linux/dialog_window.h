#pragma once

#include <gtk/gtk.h>

#include <map>
#include <memory>
#include <vector>

#include "dialogs/dialog_controller.h"
#include "dialogs/dialog_view.h"
#include "resources/resource_model.h"

namespace vb {

// One modeless dialog built from its resource as a GTK window, owned by the bar. Texts cross
// DialogView in code page 936 and are UTF-8 only inside GTK. The window deletes itself (and its
// controller) when it is closed.
class DialogWindow final : public DialogView {
 public:
  // nullptr when the window cannot be made.
  static DialogWindow* Open(const res::Dialog& dialog, GtkWindow* owner, int x, int y,
                            const DialogFactory& factory);

  std::string Text(int control) const override;
  void SetText(int control, std::string_view text) override;
  bool Checked(int control) const override;
  void SetChecked(int control, bool checked) override;
  void Enable(int control, bool enabled) override;
  void AddRow(int control, std::string_view text) override;
  void SetRow(int control, int row, std::string_view text) override;
  void RemoveRow(int control, int row) override;
  int SelectedRow(int control) const override;
  void SelectRow(int control, int row) override;
  void Close() override;

 private:
  struct Binding {
    DialogWindow* owner;
    int id;
  };
  DialogWindow() = default;
  ~DialogWindow() override;

  GtkWidget* Build(const res::Control& control);
  GtkWidget* Widget(int control) const;
  GtkListStore* Rows(int control) const;
  void Notify(int control, int code);
  void PressCloseButton();
  Binding* Bind(int id);

  static void OnClicked(GtkWidget* widget, gpointer binding);
  static gboolean OnListPress(GtkWidget* widget, GdkEventButton* event, gpointer binding);
  static void OnSelectionChanged(GtkTreeSelection* selection, gpointer binding);
  static void OnRowActivated(GtkTreeView* view, GtkTreePath* path, GtkTreeViewColumn* column,
                             gpointer binding);

  GtkWidget* window_ = nullptr;
  std::unique_ptr<DialogController> controller_;
  std::map<int, GtkWidget*> controls_;            // the widget that holds each control's value
  std::map<GtkWidget*, GtkWidget*> noneButtons_;  // a radio group's hidden "nothing ticked"
  std::vector<std::unique_ptr<Binding>> bindings_;
  GSList* radioGroup_ = nullptr;
  GtkWidget* noneOfGroup_ = nullptr;
  bool updating_ = false;  // changes made by the program are not notified
  bool closed_ = false;
};

}  // namespace vb
