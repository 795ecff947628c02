#include "platform/linux/dialog_window.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "resources/resource_ids.h"
#include "settings/text_936.h"

namespace vb {
namespace {

// Dialog units of the dialog font (a 10-point CJK font: about 7 x 14 pixel characters).
int PixelsX(int units) {
  return units * 7 / 4;
}
int PixelsY(int units) {
  return units * 14 / 8;
}

// GTK's theme pads controls far beyond what a dialog-unit layout leaves them.
constexpr const char* kDialogCss =
    ".vb-dialog, .vb-dialog * { font-family: \"SimSun\", \"WenQuanYi Micro Hei\", sans-serif;"
    " font-size: 9pt; }"
    ".vb-dialog entry, .vb-dialog button { min-height: 0; padding-top: 0; padding-bottom: 0; }"
    // Narrow fields such as the colours hold six characters whole.
    ".vb-dialog entry { padding-left: 2px; padding-right: 2px; }"
    ".vb-dialog radiobutton, .vb-dialog checkbutton { min-height: 0; padding: 0; }"
    ".vb-dialog frame > border { border-radius: 0; }";

void InstallDialogCss() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  GtkCssProvider* css = gtk_css_provider_new();
  gtk_css_provider_load_from_data(css, kDialogCss, -1, nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(css);
}

void KeepDigitsOnly(GtkEditable* editable, const gchar* text, gint length, gint*, gpointer) {
  std::string_view inserted(text, length < 0 ? std::char_traits<char>::length(text) : length);
  if (!std::all_of(inserted.begin(), inserted.end(),
                   [](unsigned char c) { return std::isdigit(c) != 0; })) {
    g_signal_stop_emission_by_name(editable, "insert-text");
  }
}

// Room that the window manager's frame takes around a dialog, before it can be asked.
constexpr int kFrameWidth = 12;
constexpr int kFrameHeight = 40;

GdkRectangle WorkArea(GtkWindow* window) {
  GdkDisplay* display = gtk_widget_get_display(GTK_WIDGET(window));
  GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
  if (monitor == nullptr) monitor = gdk_display_get_monitor(display, 0);
  GdkRectangle area{0, 0, 0, 0};
  if (monitor != nullptr) gdk_monitor_get_workarea(monitor, &area);
  return area;
}

// Where the dialog's bottom band begins, in dialog units: the row of its lowest push button,
// with every control that reaches into that row; the whole height when it has no buttons.
int BottomBandTop(const res::Dialog& dialog) {
  int top = dialog.height;
  for (const res::Control& control : dialog.controls) {
    const bool button = control.kind == res::ControlKind::kPushButton ||
                        control.kind == res::ControlKind::kDefaultPushButton;
    if (button && (top == dialog.height || control.rect.y > top)) top = control.rect.y;
  }
  for (bool moved = true; moved;) {
    moved = false;
    for (const res::Control& control : dialog.controls) {
      if (control.rect.y < top && control.rect.y + control.rect.height > top) {
        top = control.rect.y;
        moved = true;
      }
    }
  }
  return top;
}

// The dialog's place on the screen where it fits, moved into the work area where it does not.
// A dialog taller than the work area keeps its bottom band (its buttons) in view below a view of
// the rest that scrolls, and only as far as the rest reaches; `bandTop` is where the band
// begins in dialog units, the dialog's height when it fits.
void FitIntoWorkArea(GtkWindow* window, const res::Dialog& dialog, int& x, int& y, int& bandTop) {
  const int width = PixelsX(dialog.width), height = PixelsY(dialog.height);
  bandTop = dialog.height;
  const GdkRectangle area = WorkArea(window);
  if (area.width <= 0 || area.height <= 0) return;
  const int shownWidth = std::min(width, std::max(area.width - kFrameWidth, 1));
  const int shownHeight = std::min(height, std::max(area.height - kFrameHeight, 1));
  if (shownHeight < height) bandTop = BottomBandTop(dialog);
  x = std::clamp(x, area.x, std::max(area.x, area.x + area.width - shownWidth - kFrameWidth));
  y = std::clamp(y, area.y, std::max(area.y, area.y + area.height - shownHeight - kFrameHeight));
}

// The scrolling view of the dialog's content above `bandTop`, `shownHeight` pixels high at most.
GtkWidget* ContentView(GtkWidget* content, const res::Dialog& dialog, int bandTop, int shownWidth,
                       int shownHeight) {
  const int width = PixelsX(dialog.width), height = PixelsY(bandTop);
  gtk_layout_set_size(GTK_LAYOUT(content), width, height);
  GtkWidget* frame = gtk_scrolled_window_new(nullptr, nullptr);
  const bool scrolls = shownWidth < width || shownHeight < height;
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(frame),
                                 scrolls ? GTK_POLICY_AUTOMATIC : GTK_POLICY_EXTERNAL,
                                 scrolls ? GTK_POLICY_AUTOMATIC : GTK_POLICY_EXTERNAL);
  // A screen smaller than the band leaves a view of one pixel, not a negative one.
  gtk_scrolled_window_set_min_content_width(GTK_SCROLLED_WINDOW(frame),
                                            std::clamp(shownWidth, 1, std::max(width, 1)));
  gtk_scrolled_window_set_min_content_height(GTK_SCROLLED_WINDOW(frame),
                                             std::clamp(shownHeight, 1, std::max(height, 1)));
  gtk_container_add(GTK_CONTAINER(frame), content);
  return frame;
}

GtkWidget* Scrolled(GtkWidget* inner, bool horizontal) {
  GtkWidget* scrolled = gtk_scrolled_window_new(nullptr, nullptr);
  gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scrolled),
                                 horizontal ? GTK_POLICY_AUTOMATIC : GTK_POLICY_NEVER,
                                 GTK_POLICY_AUTOMATIC);
  gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scrolled), GTK_SHADOW_IN);
  gtk_container_add(GTK_CONTAINER(scrolled), inner);
  return scrolled;
}

}  // namespace

DialogWindow* DialogWindow::Open(const res::Dialog& dialog, GtkWindow* owner, int x, int y,
                                 const DialogFactory& factory) {
  InstallDialogCss();
  auto* self = new DialogWindow();
  self->window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GtkWindow* window = GTK_WINDOW(self->window_);
  gtk_window_set_title(window, std::string(dialog.caption).c_str());
  if (owner != nullptr) gtk_window_set_transient_for(window, owner);
  gtk_window_set_resizable(window, FALSE);
  gtk_window_set_deletable(window, FALSE);
  gtk_window_set_type_hint(window, GDK_WINDOW_TYPE_HINT_DIALOG);
  gtk_style_context_add_class(gtk_widget_get_style_context(self->window_), "vb-dialog");
  // The dialog has the size its resource gives. A layout of that size holds the controls: it
  // scrolls exactly as far as they reach, where wrapped labels would make a GtkFixed claim the
  // height they take at their narrowest.
  int bandTop = dialog.height;
  FitIntoWorkArea(window, dialog, x, y, bandTop);
  const GdkRectangle area = WorkArea(window);
  const int bandHeight = PixelsY(dialog.height - bandTop);
  GtkWidget* content = gtk_layout_new(nullptr, nullptr);
  GtkWidget* band = bandHeight > 0 ? gtk_layout_new(nullptr, nullptr) : nullptr;
  const int shownWidth = area.width > 0 ? area.width - kFrameWidth : PixelsX(dialog.width);
  const int shownHeight =
      area.height > 0 ? area.height - kFrameHeight - bandHeight : PixelsY(dialog.height);
  GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
  gtk_box_pack_start(GTK_BOX(column),
                     ContentView(content, dialog, bandTop, shownWidth, shownHeight), TRUE, TRUE, 0);
  if (band != nullptr) {
    gtk_layout_set_size(GTK_LAYOUT(band), PixelsX(dialog.width), bandHeight);
    gtk_widget_set_size_request(band, std::clamp(shownWidth, 1, PixelsX(dialog.width)), bandHeight);
    gtk_box_pack_start(GTK_BOX(column), band, FALSE, FALSE, 0);
  }
  gtk_container_add(GTK_CONTAINER(window), column);
  for (const res::Control& control : dialog.controls) {
    GtkWidget* widget = self->Build(control);
    gtk_widget_set_size_request(widget, PixelsX(control.rect.width), PixelsY(control.rect.height));
    const bool inBand = band != nullptr && control.rect.y >= bandTop;
    gtk_layout_put(GTK_LAYOUT(inBand ? band : content), widget, PixelsX(control.rect.x),
                   PixelsY(control.rect.y - (inBand ? bandTop : 0)));
  }
  // Without a close box the window manager may still ask; and Escape asks too.
  g_signal_connect(window, "delete-event", G_CALLBACK(+[](GtkWidget*, GdkEvent*, gpointer data) {
                     static_cast<DialogWindow*>(data)->PressCloseButton();
                     return gboolean{TRUE};
                   }),
                   self);
  g_signal_connect(window, "key-press-event",
                   G_CALLBACK(+[](GtkWidget*, GdkEventKey* event, gpointer data) {
                     if (event->keyval != GDK_KEY_Escape) return gboolean{FALSE};
                     static_cast<DialogWindow*>(data)->PressCloseButton();
                     return gboolean{TRUE};
                   }),
                   self);
  g_signal_connect(window, "destroy", G_CALLBACK(+[](GtkWidget*, gpointer data) {
                     delete static_cast<DialogWindow*>(data);
                   }),
                   self);
  self->controller_ = factory ? factory(*self) : nullptr;
  if (!self->controller_) {
    gtk_widget_destroy(self->window_);
    return nullptr;
  }
  self->controller_->OnInit();
  if (self->closed_) return nullptr;
  gtk_window_move(window, x, y);
  gtk_widget_show_all(self->window_);
  // The user asked for it: it takes the keyboard, also where no window manager would give it.
  gtk_window_present(window);
  return self;
}

DialogWindow::~DialogWindow() {
  controller_.reset();
}

DialogWindow::Binding* DialogWindow::Bind(int id) {
  bindings_.push_back(std::make_unique<Binding>(Binding{this, id}));
  return bindings_.back().get();
}

GtkWidget* DialogWindow::Build(const res::Control& control) {
  std::string text(control.text);
  GtkWidget* outer = nullptr;
  GtkWidget* value = nullptr;
  bool startsGroup = (control.style & res::kGroupStart) != 0;
  if (startsGroup || control.kind != res::ControlKind::kRadioButton) {
    radioGroup_ = nullptr;
    noneOfGroup_ = nullptr;
  }
  switch (control.kind) {
    case res::ControlKind::kLabel: {
      outer = value = gtk_label_new(text.c_str());
      gtk_label_set_line_wrap(GTK_LABEL(value), TRUE);
      gtk_label_set_line_wrap_mode(GTK_LABEL(value), PANGO_WRAP_WORD_CHAR);
      gtk_label_set_max_width_chars(GTK_LABEL(value), 1);
      bool centred = (control.style & res::kCentered) != 0;
      gtk_label_set_justify(GTK_LABEL(value), centred ? GTK_JUSTIFY_CENTER : GTK_JUSTIFY_LEFT);
      gtk_label_set_xalign(GTK_LABEL(value), centred ? 0.5f : 0.0f);
      gtk_label_set_yalign(GTK_LABEL(value), 0.0f);
      break;
    }
    case res::ControlKind::kGroupBox:
      outer = value = gtk_frame_new(text.c_str());
      break;
    case res::ControlKind::kPushButton:
    case res::ControlKind::kDefaultPushButton:
      outer = value = gtk_button_new_with_label(text.c_str());
      g_signal_connect(value, "clicked", G_CALLBACK(&OnClicked), Bind(control.id));
      if (control.kind == res::ControlKind::kDefaultPushButton && control.id == ids::IDOK) {
        gtk_widget_set_can_default(value, TRUE);
        gtk_window_set_default(GTK_WINDOW(window_), value);
      }
      break;
    case res::ControlKind::kRadioButton:
      if (noneOfGroup_ == nullptr) {
        // Windows lets a group have nothing ticked; GTK needs a hidden button to stand for that.
        noneOfGroup_ = gtk_radio_button_new(nullptr);
        gtk_widget_set_no_show_all(noneOfGroup_, TRUE);
        radioGroup_ = gtk_radio_button_get_group(GTK_RADIO_BUTTON(noneOfGroup_));
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(noneOfGroup_), TRUE);
        g_object_ref_sink(noneOfGroup_);
        g_signal_connect_swapped(window_, "destroy", G_CALLBACK(g_object_unref), noneOfGroup_);
      }
      outer = value = gtk_radio_button_new_with_label(radioGroup_, text.c_str());
      radioGroup_ = gtk_radio_button_get_group(GTK_RADIO_BUTTON(value));
      noneButtons_[value] = noneOfGroup_;
      g_signal_connect(value, "clicked", G_CALLBACK(&OnClicked), Bind(control.id));
      break;
    case res::ControlKind::kCheckBox:
      outer = value = gtk_check_button_new_with_label(text.c_str());
      g_signal_connect(value, "clicked", G_CALLBACK(&OnClicked), Bind(control.id));
      break;
    case res::ControlKind::kEdit:
      if ((control.style & res::kMultiLine) != 0) {
        value = gtk_text_view_new();
        gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(value), GTK_WRAP_CHAR);
        gtk_text_view_set_editable(GTK_TEXT_VIEW(value), FALSE);
        gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(value)), text.c_str(), -1);
        outer = Scrolled(value, false);
      } else {
        outer = value = gtk_entry_new();
        gtk_entry_set_text(GTK_ENTRY(value), text.c_str());
        gtk_entry_set_width_chars(GTK_ENTRY(value), 1);
        gtk_entry_set_activates_default(GTK_ENTRY(value), TRUE);
        if ((control.style & res::kDigitsOnly) != 0) {
          g_signal_connect(value, "insert-text", G_CALLBACK(&KeepDigitsOnly), nullptr);
        }
      }
      break;
    case res::ControlKind::kListBox: {
      GtkListStore* rows = gtk_list_store_new(1, G_TYPE_STRING);
      value = gtk_tree_view_new_with_model(GTK_TREE_MODEL(rows));
      g_object_unref(rows);
      gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(value), FALSE);
      gtk_tree_view_insert_column_with_attributes(GTK_TREE_VIEW(value), -1, "",
                                                  gtk_cell_renderer_text_new(), "text", 0, nullptr);
      Binding* binding = Bind(control.id);
      g_signal_connect(gtk_tree_view_get_selection(GTK_TREE_VIEW(value)), "changed",
                       G_CALLBACK(&OnSelectionChanged), binding);
      g_signal_connect(value, "row-activated", G_CALLBACK(&OnRowActivated), binding);
      g_signal_connect(value, "button-press-event", G_CALLBACK(&OnListPress), binding);
      outer = Scrolled(value, true);
      break;
    }
  }
  if ((control.style & res::kDisabled) != 0) gtk_widget_set_sensitive(outer, FALSE);
  controls_.emplace(control.id, value);
  return outer;
}

GtkWidget* DialogWindow::Widget(int control) const {
  if (control == ids::IDC_STATIC) return nullptr;
  auto found = controls_.find(control);
  return found == controls_.end() ? nullptr : found->second;
}

GtkListStore* DialogWindow::Rows(int control) const {
  GtkWidget* widget = Widget(control);
  if (widget == nullptr || !GTK_IS_TREE_VIEW(widget)) return nullptr;
  return GTK_LIST_STORE(gtk_tree_view_get_model(GTK_TREE_VIEW(widget)));
}

std::string DialogWindow::Text(int control) const {
  GtkWidget* widget = Widget(control);
  if (widget == nullptr) return {};
  if (GTK_IS_ENTRY(widget)) return Utf8To936(gtk_entry_get_text(GTK_ENTRY(widget)));
  if (GTK_IS_TEXT_VIEW(widget)) {
    GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(widget));
    GtkTextIter start, end;
    gtk_text_buffer_get_bounds(buffer, &start, &end);
    gchar* text = gtk_text_buffer_get_text(buffer, &start, &end, FALSE);
    std::string result = Utf8To936(text);
    g_free(text);
    return result;
  }
  if (GTK_IS_LABEL(widget)) return Utf8To936(gtk_label_get_text(GTK_LABEL(widget)));
  if (GTK_IS_BUTTON(widget)) {
    const gchar* label = gtk_button_get_label(GTK_BUTTON(widget));
    return Utf8To936(label != nullptr ? label : "");
  }
  return {};
}

void DialogWindow::SetText(int control, std::string_view text) {
  GtkWidget* widget = Widget(control);
  if (widget == nullptr) return;
  std::string utf8 = Utf8From936(text);
  updating_ = true;
  if (GTK_IS_ENTRY(widget)) {
    // The digit filter guards typing, not the program's own values.
    g_signal_handlers_block_matched(widget, G_SIGNAL_MATCH_FUNC, 0, 0, nullptr,
                                    reinterpret_cast<gpointer>(&KeepDigitsOnly), nullptr);
    gtk_entry_set_text(GTK_ENTRY(widget), utf8.c_str());
    g_signal_handlers_unblock_matched(widget, G_SIGNAL_MATCH_FUNC, 0, 0, nullptr,
                                      reinterpret_cast<gpointer>(&KeepDigitsOnly), nullptr);
  } else if (GTK_IS_TEXT_VIEW(widget)) {
    gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(widget)), utf8.c_str(), -1);
  } else if (GTK_IS_LABEL(widget)) {
    gtk_label_set_text(GTK_LABEL(widget), utf8.c_str());
  } else if (GTK_IS_FRAME(widget)) {
    gtk_frame_set_label(GTK_FRAME(widget), utf8.c_str());
  } else if (GTK_IS_BUTTON(widget)) {
    gtk_button_set_label(GTK_BUTTON(widget), utf8.c_str());
  }
  updating_ = false;
}

bool DialogWindow::Checked(int control) const {
  GtkWidget* widget = Widget(control);
  return widget != nullptr && GTK_IS_TOGGLE_BUTTON(widget) &&
         gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(widget));
}

void DialogWindow::SetChecked(int control, bool checked) {
  GtkWidget* widget = Widget(control);
  if (widget == nullptr || !GTK_IS_TOGGLE_BUTTON(widget)) return;
  updating_ = true;
  auto none = noneButtons_.find(widget);
  if (!checked && none != noneButtons_.end()) {
    if (gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(widget))) {
      gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(none->second), TRUE);
    }
  } else {
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(widget), checked);
  }
  updating_ = false;
}

void DialogWindow::Enable(int control, bool enabled) {
  GtkWidget* widget = Widget(control);
  if (widget == nullptr) return;
  GtkWidget* parent = gtk_widget_get_parent(widget);
  // A scrolled control is enabled as a whole.
  if (parent != nullptr && GTK_IS_SCROLLED_WINDOW(parent)) widget = parent;
  gtk_widget_set_sensitive(widget, enabled);
}

void DialogWindow::AddRow(int control, std::string_view text) {
  GtkListStore* rows = Rows(control);
  if (rows == nullptr) return;
  updating_ = true;
  gtk_list_store_insert_with_values(rows, nullptr, -1, 0, Utf8From936(text).c_str(), -1);
  updating_ = false;
}

void DialogWindow::SetRow(int control, int row, std::string_view text) {
  GtkListStore* rows = Rows(control);
  GtkTreeIter iter;
  if (rows == nullptr || row < 0 ||
      !gtk_tree_model_iter_nth_child(GTK_TREE_MODEL(rows), &iter, nullptr, row)) {
    return;
  }
  updating_ = true;
  gtk_list_store_set(rows, &iter, 0, Utf8From936(text).c_str(), -1);
  updating_ = false;
}

void DialogWindow::RemoveRow(int control, int row) {
  GtkListStore* rows = Rows(control);
  GtkTreeIter iter;
  if (rows == nullptr || row < 0 ||
      !gtk_tree_model_iter_nth_child(GTK_TREE_MODEL(rows), &iter, nullptr, row)) {
    return;
  }
  updating_ = true;
  gtk_list_store_remove(rows, &iter);
  updating_ = false;
}

int DialogWindow::SelectedRow(int control) const {
  GtkWidget* widget = Widget(control);
  if (widget == nullptr || !GTK_IS_TREE_VIEW(widget)) return -1;
  GtkTreeModel* model = nullptr;
  GtkTreeIter iter;
  if (!gtk_tree_selection_get_selected(gtk_tree_view_get_selection(GTK_TREE_VIEW(widget)), &model,
                                       &iter)) {
    return -1;
  }
  GtkTreePath* path = gtk_tree_model_get_path(model, &iter);
  int row = gtk_tree_path_get_indices(path)[0];
  gtk_tree_path_free(path);
  return row;
}

void DialogWindow::SelectRow(int control, int row) {
  GtkWidget* widget = Widget(control);
  GtkListStore* rows = Rows(control);
  GtkTreeIter iter;
  if (rows == nullptr) return;
  updating_ = true;
  GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(widget));
  if (row >= 0 && gtk_tree_model_iter_nth_child(GTK_TREE_MODEL(rows), &iter, nullptr, row)) {
    gtk_tree_selection_select_iter(selection, &iter);
  } else {
    gtk_tree_selection_unselect_all(selection);
  }
  updating_ = false;
}

void DialogWindow::Close() {
  if (closed_) return;
  closed_ = true;
  gtk_widget_hide(window_);
  // The controller is usually on the stack right now: the window goes once it has returned.
  g_idle_add(
      [](gpointer window) {
        gtk_widget_destroy(GTK_WIDGET(window));
        return gboolean{G_SOURCE_REMOVE};
      },
      window_);
}

// Cancel where there is one; the help dialog has only OK.
void DialogWindow::PressCloseButton() {
  Notify(controls_.count(ids::IDCANCEL) != 0 ? ids::IDCANCEL : ids::IDOK, kNotifyClicked);
}

void DialogWindow::Notify(int control, int code) {
  if (updating_ || closed_ || !controller_) return;
  controller_->OnCommand(control, code);
}

// A radio button that GTK unticks for the clicked one is clicked too: only the one that ends
// up ticked was the user's.
void DialogWindow::OnClicked(GtkWidget* widget, gpointer data) {
  if (GTK_IS_RADIO_BUTTON(widget) && !gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(widget))) {
    return;
  }
  auto* binding = static_cast<Binding*>(data);
  binding->owner->Notify(binding->id, kNotifyClicked);
}

// A click on the row that is already selected changes no selection, but is a new selection
// all the same: the dialog reads the row again.
gboolean DialogWindow::OnListPress(GtkWidget* widget, GdkEventButton* event, gpointer data) {
  if (event->type != GDK_BUTTON_PRESS || event->button != GDK_BUTTON_PRIMARY) return FALSE;
  GtkTreePath* path = nullptr;
  if (!gtk_tree_view_get_path_at_pos(GTK_TREE_VIEW(widget), static_cast<gint>(event->x),
                                     static_cast<gint>(event->y), &path, nullptr, nullptr,
                                     nullptr)) {
    return FALSE;
  }
  const bool selected =
      gtk_tree_selection_path_is_selected(gtk_tree_view_get_selection(GTK_TREE_VIEW(widget)), path);
  gtk_tree_path_free(path);
  if (selected) {
    auto* binding = static_cast<Binding*>(data);
    binding->owner->Notify(binding->id, kNotifySelChange);
  }
  return FALSE;
}

void DialogWindow::OnSelectionChanged(GtkTreeSelection*, gpointer data) {
  auto* binding = static_cast<Binding*>(data);
  binding->owner->Notify(binding->id, kNotifySelChange);
}

void DialogWindow::OnRowActivated(GtkTreeView*, GtkTreePath*, GtkTreeViewColumn*, gpointer data) {
  auto* binding = static_cast<Binding*>(data);
  binding->owner->Notify(binding->id, kNotifyDoubleClick);
}

}  // namespace vb
