#pragma once

#include <gtk/gtk.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "pageview/page_view.h"
#include "platform/linux/page_picture.h"
#include "platform/linux/pango_page_text.h"

namespace vb {

// The bar's page on GTK: one drawing area that shows the page file through the portable page
// view. The scroller's strip is drawn once per page, in tiles, and moved; each step paints the
// scroller's box only.
class PageViewGtk {
 public:
  // `openOutside` receives the UTF-8 address of a clicked link that may leave for the browser.
  explicit PageViewGtk(std::function<void(const std::string&)> openOutside);
  ~PageViewGtk();
  PageViewGtk(const PageViewGtk&) = delete;
  PageViewGtk& operator=(const PageViewGtk&) = delete;

  GtkWidget* widget() const { return area_; }

  // Shows `pageFile` (a path in code page 936).
  void Show(const std::string& pageFile);
  // Reads the page file again.
  void Reload();
  // The colour-key mode: a page background of `keyHex` (six hex digits) becomes transparent;
  // empty turns it off.
  void SetTransparentColour(const std::string& keyHex);

 private:
  static gboolean OnDraw(GtkWidget* widget, cairo_t* cr, gpointer self);
  static gboolean OnMotion(GtkWidget* widget, GdkEventMotion* event, gpointer self);
  static gboolean OnEnter(GtkWidget* widget, GdkEventCrossing* event, gpointer self);
  static gboolean OnLeave(GtkWidget* widget, GdkEventCrossing* event, gpointer self);
  static gboolean OnPress(GtkWidget* widget, GdkEventButton* event, gpointer self);
  static gboolean OnQueryTooltip(GtkWidget* widget, gint x, gint y, gboolean keyboard,
                                 GtkTooltip* tooltip, gpointer self);
  static void OnSizeAllocate(GtkWidget* widget, GdkRectangle* allocation, gpointer self);
  static gboolean OnStep(gpointer self);
  static void ForgetWindow(GtkWidget* widget, gpointer self);

  void PointerAt(double x, double y);
  void ScheduleStep();
  void LookChanged();
  void DrawBackground(cairo_t* cr);
  void DrawScroller(cairo_t* cr);
  void DrawControls(cairo_t* cr);
  cairo_surface_t* Tile(int column, int row);
  void DropTiles();
  void RedrawScroller();
  bool PaintScrollerNow();

  std::function<void(const std::string&)> openOutside_;
  GtkWidget* area_;
  std::unique_ptr<PangoPageText> text_;
  PagePicture picture_;
  PageView view_;
  std::string pagePath_;
  std::optional<std::uint32_t> transparentKey_;
  std::map<std::pair<int, int>, cairo_surface_t*> tiles_;
  cairo_surface_t* target_ = nullptr;  // the bar's X window
  cairo_surface_t* frame_ = nullptr;   // the scroller, composed before it goes to the window
  int frameWidth_ = 0, frameHeight_ = 0;
  guint stepSource_ = 0;
  int width_ = 0, height_ = 0;
};

}  // namespace vb
