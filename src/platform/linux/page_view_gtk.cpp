#include "platform/linux/page_view_gtk.h"

#include <cairo-xlib.h>
#include <gdk/gdkx.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "pageview/page_links.h"
#include "pageview/page_reader.h"
#include "pageview/page_text.h"
#include "settings/text_936.h"

namespace vb {
namespace {

// The strip is drawn in tiles, so that a long line of headlines never needs one huge surface,
// and only the tiles on show are kept.
constexpr int kTileWidth = 1024;
constexpr int kTileHeight = 256;
constexpr std::size_t kMostTiles = 8;
constexpr std::uint32_t kBrowserBackground = 0xFFFFFF;  // a page that names no colour

std::int64_t NowMs() {
  return g_get_monotonic_time() / 1000;
}

void SetColour(cairo_t* cr, std::uint32_t colour) {
  cairo_set_source_rgb(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                       (colour & 0xFF) / 255.0);
}

}  // namespace

PageViewGtk::PageViewGtk(std::function<void(const std::string&)> openOutside)
    : openOutside_(std::move(openOutside)),
      area_(gtk_drawing_area_new()),
      picture_([this] { gtk_widget_queue_draw(area_); }) {
  g_object_ref_sink(area_);
  text_ = std::make_unique<PangoPageText>(gtk_widget_get_pango_context(area_));
  gtk_widget_add_events(area_, GDK_POINTER_MOTION_MASK | GDK_LEAVE_NOTIFY_MASK |
                                   GDK_ENTER_NOTIFY_MASK | GDK_BUTTON_PRESS_MASK);
  gtk_widget_set_has_tooltip(area_, TRUE);
  gtk_widget_set_can_focus(area_, TRUE);
  g_signal_connect(area_, "draw", G_CALLBACK(&OnDraw), this);
  g_signal_connect(area_, "motion-notify-event", G_CALLBACK(&OnMotion), this);
  g_signal_connect(area_, "enter-notify-event", G_CALLBACK(&OnEnter), this);
  g_signal_connect(area_, "leave-notify-event", G_CALLBACK(&OnLeave), this);
  g_signal_connect(area_, "button-press-event", G_CALLBACK(&OnPress), this);
  g_signal_connect(area_, "query-tooltip", G_CALLBACK(&OnQueryTooltip), this);
  g_signal_connect(area_, "size-allocate", G_CALLBACK(&OnSizeAllocate), this);
  g_signal_connect(area_, "unrealize", G_CALLBACK(&ForgetWindow), this);
}

PageViewGtk::~PageViewGtk() {
  if (stepSource_ != 0) g_source_remove(stepSource_);
  g_signal_handlers_disconnect_by_data(area_, this);
  DropTiles();
  ForgetWindow(area_, this);
  text_.reset();
  g_object_unref(area_);
}

void PageViewGtk::Show(const std::string& pageFile) {
  pagePath_ = pageFile;
  Reload();
}

void PageViewGtk::Reload() {
  if (width_ == 0) gtk_widget_get_size_request(area_, &width_, &height_);
  view_.Show(ReadPageFile(pagePath_).value_or(PageModel{}), *text_, std::max(0, width_),
             std::max(0, height_), NowMs());
  picture_.Want(view_.Model().head.picture, pagePath_);
  LookChanged();
  ScheduleStep();
}

void PageViewGtk::SetTransparentColour(const std::string& keyHex) {
  transparentKey_ = keyHex.empty() ? std::nullopt : ParseColour(keyHex);
  gtk_widget_queue_draw(area_);
}

void PageViewGtk::ScheduleStep() {
  if (stepSource_ != 0) g_source_remove(stepSource_);
  stepSource_ = 0;
  std::optional<std::int64_t> next = view_.NextStepAt();
  if (!next) return;
  auto wait = static_cast<guint>(std::clamp<std::int64_t>(*next - NowMs(), 1, G_MAXINT));
  stepSource_ = g_timeout_add(wait, &OnStep, this);
}

gboolean PageViewGtk::OnStep(gpointer self) {
  auto* page = static_cast<PageViewGtk*>(self);
  page->stepSource_ = 0;
  if (page->view_.Advance(NowMs())) page->RedrawScroller();
  page->ScheduleStep();
  return G_SOURCE_REMOVE;
}

void PageViewGtk::RedrawScroller() {
  const PageRect& box = view_.Layout().scroller;
  if (!PaintScrollerNow()) gtk_widget_queue_draw_area(area_, box.x, box.y, box.width, box.height);
}

// A step paints the scroller straight into the bar's X window, composed off screen first so that
// it never flickers: going through GTK's frame machinery would cost more than the step itself.
bool PageViewGtk::PaintScrollerNow() {
  GtkWidget* top = gtk_widget_get_toplevel(area_);
  GdkWindow* window = gtk_widget_get_window(top);
  // A scaled window is left to GTK, which knows its device pixels.
  if (window == nullptr || !GDK_IS_X11_WINDOW(window) || !gtk_widget_is_drawable(area_) ||
      gdk_window_get_scale_factor(window) != 1) {
    return false;
  }
  int areaX = 0, areaY = 0;
  if (!gtk_widget_translate_coordinates(area_, top, 0, 0, &areaX, &areaY)) return false;
  PageRect box = view_.Layout().scroller;
  box.width = std::min(box.width, width_ - box.x);
  box.height = std::min(box.height, height_ - box.y);
  if (box.width <= 0 || box.height <= 0) return true;
  int windowWidth = gdk_window_get_width(window), windowHeight = gdk_window_get_height(window);
  if (target_ == nullptr) {
    target_ = cairo_xlib_surface_create(GDK_WINDOW_XDISPLAY(window), GDK_WINDOW_XID(window),
                                        GDK_VISUAL_XVISUAL(gdk_window_get_visual(window)),
                                        windowWidth, windowHeight);
  } else {
    cairo_xlib_surface_set_size(target_, windowWidth, windowHeight);
  }
  if (frame_ == nullptr || frameWidth_ != box.width || frameHeight_ != box.height) {
    if (frame_ != nullptr) cairo_surface_destroy(frame_);
    // A pixmap of the X server, as the tiles are: a step is then a few requests that the server
    // carries out, and no pixel crosses over.
    frame_ =
        cairo_surface_create_similar(target_, CAIRO_CONTENT_COLOR_ALPHA, box.width, box.height);
    frameWidth_ = box.width;
    frameHeight_ = box.height;
  }
  cairo_t* cr = cairo_create(frame_);
  cairo_translate(cr, -box.x, -box.y);
  cairo_rectangle(cr, box.x, box.y, box.width, box.height);
  cairo_clip(cr);
  DrawBackground(cr);
  DrawScroller(cr);
  cairo_destroy(cr);
  cr = cairo_create(target_);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, frame_, areaX + box.x, areaY + box.y);
  cairo_rectangle(cr, areaX + box.x, areaY + box.y, box.width, box.height);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_flush(target_);
  gdk_display_flush(gdk_window_get_display(window));
  return true;
}

void PageViewGtk::LookChanged() {
  DropTiles();
  gtk_widget_queue_draw(area_);
}

void PageViewGtk::DropTiles() {
  for (auto& [where, tile] : tiles_) cairo_surface_destroy(tile);
  tiles_.clear();
}

cairo_surface_t* PageViewGtk::Tile(int column, int row) {
  auto found = tiles_.find({column, row});
  if (found != tiles_.end()) return found->second;
  const PageLayout& layout = view_.Layout();
  int left = column * kTileWidth, top = row * kTileHeight;
  int width = std::min(kTileWidth, layout.stripWidth - left);
  int height = std::min(kTileHeight, layout.stripHeight - top);
  // Kept by the X server once the bar paints its window itself, so steps only move them there.
  cairo_surface_t* tile =
      target_ != nullptr
          ? cairo_surface_create_similar(target_, CAIRO_CONTENT_COLOR_ALPHA, width, height)
          : cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(tile);
  for (const PlacedRun& run : layout.runs) {
    if (run.x >= left + width || run.x + run.width <= left || run.y >= top + height ||
        run.y + layout.lineHeight <= top) {
      continue;
    }
    RunLook look = view_.LookOf(run);
    TextStyle style = StyleOf(view_.Model().groups[run.group].runs[run.run], layout.fontPx);
    text_->Draw(cr, run.text, run.x - left, run.y - top, layout.lineHeight, style, look.colour,
                look.underline);
  }
  cairo_destroy(cr);
  tiles_[{column, row}] = tile;
  return tile;
}

gboolean PageViewGtk::OnDraw(GtkWidget*, cairo_t* cr, gpointer self) {
  auto* page = static_cast<PageViewGtk*>(self);
  page->DrawBackground(cr);
  page->DrawScroller(cr);
  page->DrawControls(cr);
  return TRUE;
}

// Each frame starts from the page's background, so nothing of the last frame stays behind; in
// the colour-key mode that background is the desktop.
void PageViewGtk::DrawBackground(cairo_t* cr) {
  cairo_save(cr);
  std::optional<std::uint32_t> background = view_.Background();
  if (transparentKey_ && background == transparentKey_) {
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  } else {
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    SetColour(cr, background.value_or(kBrowserBackground));
  }
  cairo_paint(cr);
  if (cairo_surface_t* picture = picture_.Surface()) {
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pattern_t* tiles = cairo_pattern_create_for_surface(picture);
    cairo_pattern_set_extend(tiles, CAIRO_EXTEND_REPEAT);
    cairo_set_source(cr, tiles);
    cairo_paint(cr);
    cairo_pattern_destroy(tiles);
  }
  cairo_restore(cr);
}

void PageViewGtk::DrawScroller(cairo_t* cr) {
  const PageLayout& layout = view_.Layout();
  if (layout.stripWidth <= 0 || layout.stripHeight <= 0) return;
  std::set<std::pair<int, int>> used;
  for (const StripPiece& piece : view_.Pieces()) {
    cairo_save(cr);
    const PageRect& box = layout.scroller;
    cairo_rectangle(cr, box.x, box.y, box.width, box.height);
    cairo_clip(cr);
    cairo_rectangle(cr, piece.toX, piece.toY, piece.from.width, piece.from.height);
    cairo_clip(cr);
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
    // The part of the strip that shows, in strip pixels.
    int left = piece.from.x + static_cast<int>(std::floor(x1)) - piece.toX;
    int right = piece.from.x + static_cast<int>(std::ceil(x2)) - piece.toX;
    int top = piece.from.y + static_cast<int>(std::floor(y1)) - piece.toY;
    int bottom = piece.from.y + static_cast<int>(std::ceil(y2)) - piece.toY;
    for (int row = std::max(0, top / kTileHeight); row * kTileHeight < bottom; ++row) {
      for (int column = std::max(0, left / kTileWidth); column * kTileWidth < right; ++column) {
        if (column * kTileWidth >= layout.stripWidth || row * kTileHeight >= layout.stripHeight) {
          continue;
        }
        cairo_set_source_surface(cr, Tile(column, row),
                                 piece.toX - piece.from.x + column * kTileWidth,
                                 piece.toY - piece.from.y + row * kTileHeight);
        cairo_paint(cr);
        used.insert({column, row});
      }
    }
    cairo_restore(cr);
  }
  if (tiles_.size() <= kMostTiles || used.empty()) return;
  for (auto tile = tiles_.begin(); tile != tiles_.end();) {
    if (used.count(tile->first) != 0) {
      ++tile;
      continue;
    }
    cairo_surface_destroy(tile->second);
    tile = tiles_.erase(tile);
  }
}

void PageViewGtk::DrawControls(cairo_t* cr) {
  const PageLayout& layout = view_.Layout();
  GdkRectangle dirty{};
  if (!gdk_cairo_get_clip_rectangle(cr, &dirty)) return;
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const PageRect& box = layout.controls[i].box;
    // A step redraws the scroller only: laying the controls' text out again would cost more.
    GdkRectangle area{box.x, box.y, box.width, box.height};
    if (!gdk_rectangle_intersect(&dirty, &area, nullptr)) continue;
    text_->Draw(cr, layout.controls[i].text, box.x, box.y, box.height,
                PlainStyle(view_.Model().controlBar.fontPx), view_.LookOfControl(i).colour, false);
  }
}

void PageViewGtk::PointerAt(double x, double y) {
  if (view_.PointerAt(static_cast<int>(x), static_cast<int>(y), NowMs())) LookChanged();
  ScheduleStep();
}

gboolean PageViewGtk::OnMotion(GtkWidget*, GdkEventMotion* event, gpointer self) {
  static_cast<PageViewGtk*>(self)->PointerAt(event->x, event->y);
  return FALSE;
}

gboolean PageViewGtk::OnEnter(GtkWidget*, GdkEventCrossing* event, gpointer self) {
  static_cast<PageViewGtk*>(self)->PointerAt(event->x, event->y);
  return FALSE;
}

gboolean PageViewGtk::OnLeave(GtkWidget*, GdkEventCrossing* event, gpointer self) {
  auto* page = static_cast<PageViewGtk*>(self);
  if (event->detail == GDK_NOTIFY_INFERIOR) return FALSE;
  if (page->view_.PointerLeft(NowMs())) page->LookChanged();
  page->ScheduleStep();
  return FALSE;
}

gboolean PageViewGtk::OnPress(GtkWidget*, GdkEventButton* event, gpointer self) {
  auto* page = static_cast<PageViewGtk*>(self);
  if (event->button != GDK_BUTTON_PRIMARY || event->type != GDK_BUTTON_PRESS) return TRUE;
  std::optional<std::string> address =
      page->view_.Click(static_cast<int>(event->x), static_cast<int>(event->y));
  if (!address) return TRUE;
  page->LookChanged();
  const std::optional<std::string> open = AddressToOpen(*address);
  if (open && page->openOutside_) page->openOutside_(Utf8From936(*open));
  return TRUE;
}

gboolean PageViewGtk::OnQueryTooltip(GtkWidget*, gint x, gint y, gboolean, GtkTooltip* tooltip,
                                     gpointer self) {
  auto* page = static_cast<PageViewGtk*>(self);
  const PageRun* run = page->view_.RunAt(x, y);
  if (run == nullptr || run->tooltip.empty()) return FALSE;
  gtk_tooltip_set_text(tooltip, Utf8From936(ReadableTooltip(run->tooltip)).c_str());
  return TRUE;
}

// The X window goes with the bar; its surface must go first.
void PageViewGtk::ForgetWindow(GtkWidget*, gpointer self) {
  auto* page = static_cast<PageViewGtk*>(self);
  if (page->frame_ != nullptr) cairo_surface_destroy(page->frame_);
  if (page->target_ != nullptr) cairo_surface_destroy(page->target_);
  page->frame_ = nullptr;
  page->target_ = nullptr;
}

void PageViewGtk::OnSizeAllocate(GtkWidget*, GdkRectangle* allocation, gpointer self) {
  auto* page = static_cast<PageViewGtk*>(self);
  if (allocation->width == page->width_ && allocation->height == page->height_) return;
  page->width_ = allocation->width;
  page->height_ = allocation->height;
  page->view_.Resize(*page->text_, page->width_, page->height_);
  page->LookChanged();
}

}  // namespace vb
