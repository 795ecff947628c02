#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "platform/linux/x11_frame_opacity.h"
#include "platform/linux/x11_windows.h"
#include "ticker/desktop.h"

namespace vb {

// The bar: an undecorated dock window that stays above, on every desktop, out of the taskbar
// and pager, and is never activated by the window manager. It holds the browser and, above it,
// the icon controls.
class BarWindowGtk {
 public:
  struct Hooks {
    std::function<void()> onClose;                  // the window manager asks to close it
    std::function<void(int, IconPress)> onIcon;     // control id, how it was pressed
    std::function<IconColours()> iconColours;       // asked whenever an icon is painted
    std::function<void(GtkWindow*)> beforeRealize;  // the window is made, not yet realized
  };

  BarWindowGtk(int width, int height, Hooks hooks);
  ~BarWindowGtk();
  BarWindowGtk(const BarWindowGtk&) = delete;
  BarWindowGtk& operator=(const BarWindowGtk&) = delete;

  GtkWindow* window() const { return window_; }
  x11::XWindow Xid() const;

  // The browser goes under the icons, filling the bar.
  void SetContent(GtkWidget* content, int width, int height);
  // A drag handle's click is told only once it is known not to begin a double click, or once
  // the pointer moves with the button down: its click starts a drag and opens the menu, which
  // would take the second press of a double click.
  void AddIcon(int controlId, int x, int y, GdkPixbuf* icon, bool dragHandle);
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
    bool dragHandle;
  };
  // The last press on an icon, for telling double clicks as Windows does: the second press of
  // a double click is the double click and nothing else.
  struct LastPress {
    int id = 0;
    guint32 time = 0;
    double x = 0;
    double y = 0;
    bool wasDouble = false;
  };
  // A drag handle's press that is not yet a click.
  struct PendingClick {
    int id = 0;
    gint64 deadline = 0;  // monotonic microseconds
    int startX = 0;
    int startY = 0;
    guint source = 0;
  };
  static gboolean OnChildPosition(GtkOverlay* overlay, GtkWidget* child, GdkRectangle* where,
                                  gpointer self);
  static gboolean OnIconPress(GtkWidget* widget, GdkEventButton* event, gpointer slot);
  static gboolean WatchPendingClick(gpointer self);
  bool IsSecondPress(int id, const GdkEventButton& event);
  void CancelPendingClick();
  static gboolean OnIconDraw(GtkWidget* widget, cairo_t* cr, gpointer slot);
  static gboolean OnWindowDraw(GtkWidget* widget, cairo_t* cr, gpointer unused);

  Hooks hooks_;
  GtkWindow* window_ = nullptr;
  GtkWidget* overlay_ = nullptr;
  GtkWidget* content_ = nullptr;
  std::map<int, std::unique_ptr<IconSlot>> icons_;
  std::optional<Colour> colourKey_;
  std::unique_ptr<FrameOpacity> frameOpacity_;
  LastPress lastPress_;
  PendingClick pending_;
  // Where the press was that a drag follows, when the pointer had moved before it began.
  std::optional<std::pair<int, int>> dragFrom_;
  int x_ = 0;
  int y_ = 0;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace vb
