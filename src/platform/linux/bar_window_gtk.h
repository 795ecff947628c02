#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "platform/linux/x11_windows.h"
#include "ticker/desktop.h"

namespace vb {

// The bar: an undecorated dock window that stays above, on every desktop, out of the taskbar
// and pager, and is never activated by the window manager. It holds the browser and, above it,
// the icon controls.
class BarWindowGtk {
 public:
  struct Hooks {
    std::function<void()> onClose;             // the window manager asks to close it
    std::function<void()> onMoved;             // position or size changed
    std::function<void(int, int)> onIcon;      // control id, kIconClicked or kIconDoubleClicked
    std::function<IconColours()> iconColours;  // asked whenever an icon is painted
  };

  BarWindowGtk(int width, int height, Hooks hooks);
  ~BarWindowGtk();
  BarWindowGtk(const BarWindowGtk&) = delete;
  BarWindowGtk& operator=(const BarWindowGtk&) = delete;

  GtkWindow* window() const { return window_; }
  x11::XWindow Xid() const;

  // The browser goes under the icons, filling the bar.
  void SetContent(GtkWidget* content, int width, int height);
  void AddIcon(int controlId, int x, int y, GdkPixbuf* icon);
  GtkWidget* Icon(int controlId) const;
  // Whether the point (in the bar's own pixels) lies on an icon.
  bool IconAt(int x, int y) const;

  void Show();
  void Hide();
  bool Visible() const;
  void Move(int x, int y);
  void Resize(int width, int height);
  Rect Frame() const;
  void KeepAbove(bool above);
  // Follows the pointer until the first button is released.
  void Drag();

  // Opacity of the whole bar (1 opaque); the colour that icon backgrounds leave transparent.
  void SetOpacity(double opacity);
  void SetColourKey(std::optional<Colour> key);
  void Redraw();

 private:
  struct IconSlot {
    BarWindowGtk* bar;
    int id;
    int x;
    int y;
    GtkWidget* widget;
  };
  static gboolean OnChildPosition(GtkOverlay* overlay, GtkWidget* child, GdkRectangle* where,
                                  gpointer self);
  static gboolean OnIconPress(GtkWidget* widget, GdkEventButton* event, gpointer slot);
  static gboolean OnIconDraw(GtkWidget* widget, cairo_t* cr, gpointer slot);
  static gboolean OnWindowDraw(GtkWidget* widget, cairo_t* cr, gpointer unused);

  Hooks hooks_;
  GtkWindow* window_ = nullptr;
  GtkWidget* overlay_ = nullptr;
  GtkWidget* content_ = nullptr;
  std::map<int, std::unique_ptr<IconSlot>> icons_;
  std::optional<Colour> colourKey_;
  int x_ = 0;
  int y_ = 0;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace vb
