#include "platform/linux/gtk_desktop.h"

#include <gdk/gdkx.h>
#include <glib-unix.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>

#include "platform/linux/dialog_window.h"
#include "platform/linux/display_loss.h"
#include "platform/linux/icon_art.h"
#include "platform/linux/link_opener.h"
#include "platform/linux/popup_menu.h"
#include "platform/linux/x11_windows.h"
#include "resources/resource_data.h"
#include "resources/resource_ids.h"
#include "settings/text_936.h"

namespace vb {
namespace {

constexpr int kIconPixels = 16;

std::string HexOf(Colour colour) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF,
                (colour >> 16) & 0xFF);
  return hex;
}

}  // namespace

GtkDesktop::GtkDesktop(BarDisplay display)
    : tray_(
          [this](PointerButton button) {
            if (events_ != nullptr) events_->OnTrayIconPressed(button);
          },
          [this](int command) {
            if (events_ != nullptr) events_->OnCommand(command);
          }),
      layerShell_(display == BarDisplay::kLayerShell) {
  loop_.SetTimerHandler([this](int id) {
    if (events_ != nullptr) events_->OnTimer(id);
  });
}

GtkDesktop::~GtkDesktop() {
  for (guint source : signalSources_) g_source_remove(source);
  StopWaitingForFirstFrame();
  appBar_.Detach();
  GdkScreen* screen = gdk_screen_get_default();
  if (screen != nullptr) g_signal_handlers_disconnect_by_data(screen, this);
  tray_.Remove();
  layer_.reset();
  bar_.reset();
  page_.reset();
}

bool GtkDesktop::CreateBar(int width, int height, BarEvents& events) {
  events_ = &events;
  BarWindowGtk::Hooks hooks;
  hooks.onClose = [this] {
    if (events_ != nullptr) events_->OnClose();
  };
  hooks.onIcon = [this](int id, IconPress press) {
    if (events_ != nullptr) events_->OnIconPressed(id, press);
  };
  hooks.iconColours = [this] {
    return events_ != nullptr ? events_->IconControlColours() : IconColours{};
  };
  if (layerShell_) {
    hooks.beforeRealize = [this](GtkWindow* window) {
      layer_ = std::make_unique<LayerShellBar>(window, [this] { TellPositionChanged(); });
    };
  }
  bar_ = std::make_unique<BarWindowGtk>(width, height, std::move(hooks));
  firstFrameWatch_ = g_signal_connect(bar_->window(), "draw", G_CALLBACK(&OnFirstBarFrame), this);
  GdkScreen* screen = gdk_screen_get_default();
  g_signal_connect(screen, "size-changed", G_CALLBACK(&OnScreenSizeChanged), this);
  g_signal_connect(screen, "composited-changed", G_CALLBACK(&OnCompositedChanged), this);
  if (!layer_) appBar_.Attach(bar_->Xid());
  // The end of the session on X: the same shutdown as a closing Windows session.
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    signalSources_.push_back(g_unix_signal_add(signal, &OnSessionSignal, this));
  }
  // A logout that closes the display ends the session as well, and so does a session manager.
  OnDisplayLoss([this] {
    displayGone_ = true;
    if (events_ != nullptr) events_->OnSessionEnd();
  });
  session_ = std::make_unique<SessionClient>([this] { OnSessionSignal(this); });
  return true;
}

void GtkDesktop::DestroyBar() {
  if (destroying_ || !bar_) return;
  destroying_ = true;
  if (events_ != nullptr) events_->OnDestroy();
  events_ = nullptr;
  loop_.KillAllTimers();
  StopWaitingForFirstFrame();
  tray_.Remove();
  appBar_.Detach();
  layer_.reset();
  bar_.reset();
  page_.reset();
}

void GtkDesktop::ShowBar() {
  if (bar_) bar_->Show();
}

void GtkDesktop::HideBar() {
  if (bar_) bar_->Hide();
}

bool GtkDesktop::IsBarVisible() const {
  return bar_ && bar_->Visible();
}

void GtkDesktop::MoveBar(int x, int y) {
  if (!bar_) return;
  bar_->Move(x, y);
  if (layer_) layer_->Move({x, y});
}

void GtkDesktop::MoveAndShowBar(int x, int y) {
  if (!bar_) return;
  MoveBar(x, y);
  bar_->Show();
}

void GtkDesktop::ResizeAndShowBar(int width, int height) {
  if (!bar_) return;
  bar_->Resize(width, height);
  bar_->Show();
}

Rect GtkDesktop::BarRect() const {
  return bar_ ? bar_->Frame() : Rect{};
}

void GtkDesktop::SetBarTopmost() {
  if (bar_) bar_->KeepAbove(true);
}

void GtkDesktop::SetBarBottom() {
  if (bar_) bar_->KeepAbove(false);
}

void GtkDesktop::DragBar() {
  if (!bar_) return;
  if (!layer_) {
    bar_->Drag();
    return;
  }
  const Rect frame = bar_->Frame();
  const Point dropped = layer_->Drag({frame.left, frame.top});
  bar_->Move(dropped.x, dropped.y);
}

bool GtkDesktop::LayeredWindowsAvailable() const {
  GdkScreen* screen = gdk_screen_get_default();
  return screen != nullptr && gdk_screen_is_composited(screen);
}

void GtkDesktop::SetBarLayered(bool layered) {
  layered_ = layered;
  ApplyLayering();
}

void GtkDesktop::SetBarTransparency(const Transparency& transparency) {
  transparency_ = transparency;
  ApplyLayering();
}

void GtkDesktop::ApplyLayering() {
  if (!bar_) return;
  bool active = layered_ && LayeredWindowsAvailable();
  bool alpha = active && transparency_ && transparency_->kind == Transparency::Kind::kOpacity;
  bool keyed = active && transparency_ && transparency_->kind == Transparency::Kind::kColourKey;
  const double opacity = alpha ? std::clamp(transparency_->opacity, 0, 255) / 255.0 : 1.0;
  if (layer_) {
    layer_->SetOpacity(opacity);
  } else {
    bar_->SetOpacity(opacity);
  }
  const Colour key = keyed ? transparency_->colourKey : 0;
  bar_->SetColourKey(keyed ? std::optional<Colour>(key) : std::nullopt);
  if (page_) page_->SetTransparentColour(keyed ? HexOf(key) : std::string());
}

void GtkDesktop::RedrawBar() {
  if (bar_) bar_->Redraw();
}

void GtkDesktop::CreateIconControl(int controlId, int x, int y, int iconResourceId) {
  if (!bar_) return;
  GdkPixbuf* icon = IconPixbuf(iconResourceId, kIconPixels);
  bar_->AddIcon(controlId, x, y, icon, controlId == ids::IDC_MENU_ICON);
  if (icon != nullptr) g_object_unref(icon);
}

bool GtkDesktop::ShowPage(const std::string& pageFile, int width, int height) {
  if (!bar_) return false;
  page_ = std::make_unique<PageViewGtk>(&OpenLink);
  bar_->SetContent(page_->widget(), width, height);
  ApplyLayering();
  page_->Show(pageFile);
  return true;
}

void GtkDesktop::ResizePage(int width, int height) {
  if (!page_) return;
  gtk_widget_set_size_request(page_->widget(), width, height);
  gtk_widget_show(page_->widget());
}

void GtkDesktop::ReloadPage() {
  if (page_) page_->Reload();
}

// On Wayland a program learns where the pointer is only while it is over one of its windows.
Point GtkDesktop::CursorPosition() const {
  if (layer_) {
    Point inBar;
    if (!bar_ || !layer_->PointerOnBar(inBar)) return {-1, -1};
    const Rect frame = bar_->Frame();
    return {frame.left + inBar.x, frame.top + inBar.y};
  }
  GdkSeat* seat = gdk_display_get_default_seat(gdk_display_get_default());
  Point at;
  if (seat != nullptr) gdk_device_get_position(gdk_seat_get_pointer(seat), nullptr, &at.x, &at.y);
  return at;
}

// The browser draws into the bar's own window, so the point decides: on the bar, off its icons
// and within the browser's area means the browser.
WindowRef GtkDesktop::WindowAt(Point at) const {
  x11::XWindow window = 0;
  bool onBar = false;
  if (layer_) {
    Point inBar;
    onBar = layer_->PointerOnBar(inBar);
  } else {
    window = x11::WindowAt(at.x * Scale(), at.y * Scale());
    onBar = bar_ && x11::IsDescendantOf(window, bar_->Xid());
  }
  if (!bar_ || !page_ || !bar_->Visible() || !onBar) return window;
  Rect frame = bar_->Frame();
  int x = at.x - frame.left, y = at.y - frame.top;
  GtkAllocation browser{};
  gtk_widget_get_allocation(page_->widget(), &browser);
  bool onBrowser = x >= browser.x && y >= browser.y && x < browser.x + browser.width &&
                   y < browser.y + browser.height;
  return onBrowser && !bar_->IconAt(x, y) ? BrowserRef() : window;
}

bool GtkDesktop::IsOnPage(WindowRef window) const {
  return page_ != nullptr && window == BrowserRef();
}

// GTK looks up the tray and the icon theme for a status icon, which takes as long as the rest
// of the start-up: the icon follows the bar's first frame, so the headlines come sooner.
void GtkDesktop::AddTrayIcon(int iconResourceId, std::string_view tip) {
  pendingTray_ = PendingTray{iconResourceId, Utf8From936(tip)};
  if (firstFrameWatch_ == 0) AddPendingTrayIcon();
}

void GtkDesktop::RemoveTrayIcon() {
  pendingTray_.reset();
  if (!displayGone_) tray_.Remove();
}

void GtkDesktop::AddPendingTrayIcon() {
  if (!pendingTray_) return;
  tray_.Add(pendingTray_->iconResourceId, pendingTray_->tip, res::TickerMenu());
  pendingTray_.reset();
}

// Idle sources run after the frame's drawing, whose priority is higher.
gboolean GtkDesktop::OnFirstBarFrame(GtkWidget* window, cairo_t*, gpointer self) {
  auto* desktop = static_cast<GtkDesktop*>(self);
  g_signal_handler_disconnect(window, desktop->firstFrameWatch_);
  desktop->firstFrameWatch_ = 0;
  desktop->trayIdle_ = g_idle_add(
      +[](gpointer data) {
        auto* idle = static_cast<GtkDesktop*>(data);
        idle->trayIdle_ = 0;
        idle->AddPendingTrayIcon();
        return G_SOURCE_REMOVE;
      },
      desktop);
  return FALSE;
}

void GtkDesktop::StopWaitingForFirstFrame() {
  if (firstFrameWatch_ != 0 && bar_) {
    g_signal_handler_disconnect(bar_->window(), firstFrameWatch_);
  }
  firstFrameWatch_ = 0;
  if (trayIdle_ != 0) g_source_remove(trayIdle_);
  trayIdle_ = 0;
  pendingTray_.reset();
}

int GtkDesktop::ShowPopupMenu(int menuResourceId, Point at) {
  if (menuResourceId != ids::IDR_MENU || !bar_) return 0;
  if (layer_) {
    // GDK places a layer surface's popups against the surface, wherever the bar is. Opened from
    // the tray, away from the bar, the menu goes by the broadcast icon.
    GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(bar_->window()));
    int originX = 0, originY = 0;
    if (window != nullptr) gdk_window_get_origin(window, &originX, &originY);
    const Rect frame = bar_->Frame();
    Point inBar{kIconPixels / 2, kIconPixels / 2};
    if (layer_->PointerOnBar(inBar)) inBar = {at.x - frame.left, at.y - frame.top};
    at = {inBar.x + originX, inBar.y + originY};
  }
  return RunPopupMenu(res::TickerMenu(), GTK_WIDGET(bar_->window()), at);
}

bool GtkDesktop::CreateTooltip(int iconControlId) {
  GtkWidget* icon = bar_ ? bar_->Icon(iconControlId) : nullptr;
  if (icon == nullptr) return false;
  tips_.Create(iconControlId, icon);
  return true;
}

void GtkDesktop::AddTooltipTool(int iconControlId, std::string_view text) {
  tips_.SetText(iconControlId, text);
}

void GtkDesktop::SetTooltipTitle(int iconControlId, std::string_view title) {
  tips_.SetTitle(iconControlId, title);
}

void GtkDesktop::UpdateTooltipText(int iconControlId, std::string_view text) {
  tips_.SetText(iconControlId, text);
}

bool GtkDesktop::RegisterAppBar() {
  if (!layer_) return appBar_.Register();
  layer_->Register();
  return true;
}

void GtkDesktop::UnregisterAppBar() {
  if (!layer_) {
    if (!displayGone_) appBar_.Unregister();
    return;
  }
  const Rect frame = BarRect();
  layer_->Unregister({frame.left, frame.top});
}

bool GtkDesktop::AppBarRegistered() const {
  return layer_ ? layer_->Registered() : appBar_.Registered();
}

void GtkDesktop::TellPositionChanged() {
  if (AppBarRegistered() && events_ != nullptr) {
    events_->OnAppBarNotice(AppBarNotice::kPositionChanged, true);
  }
}

// Wayland gives every size in the output's own (logical) pixels.
int GtkDesktop::Scale() {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr || !GDK_IS_X11_DISPLAY(display)) return 1;
  GdkWindow* root = gdk_get_default_root_window();
  return root != nullptr ? std::max(gdk_window_get_scale_factor(root), 1) : 1;
}

// The shell's part is played by the docks and panels already there: the strip goes beside
// them, within the screen. On a layer-shell compositor the compositor itself does that.
void GtkDesktop::QueryAppBarPosition(DockEdge edge, AppBarStrip& strip) {
  if (!layer_) {
    appBar_.Query(edge, strip, ScreenSize(), Scale());
    return;
  }
  const Size screen = ScreenSize();
  strip.left = std::clamp(strip.left, 0, screen.width);
  strip.right = std::clamp(strip.right, strip.left, screen.width);
  strip.top = std::clamp(strip.top, 0, screen.height);
  strip.bottom = std::clamp(strip.bottom, strip.top, screen.height);
}

void GtkDesktop::SetAppBarPosition(DockEdge edge, AppBarStrip& strip) {
  if (!layer_) {
    appBar_.Set(edge, strip, ScreenSize(), Scale());
    return;
  }
  QueryAppBarPosition(edge, strip);
  if (layer_->Registered()) layer_->Dock(edge, strip.bottom - strip.top);
}

DialogView* GtkDesktop::OpenDialog(int resourceId, int x, int y, DialogFactory factory) {
  const res::Dialog* dialog = res::FindDialog(resourceId);
  if (dialog == nullptr) return nullptr;
  return DialogWindow::Open(*dialog, bar_ ? bar_->window() : nullptr, x, y, factory);
}

Answer GtkDesktop::AskOkCancel(std::string_view text, std::string_view caption) {
  GtkWidget* box = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_ERROR,
                                          GTK_BUTTONS_OK_CANCEL, "%s", Utf8From936(text).c_str());
  gtk_window_set_title(GTK_WINDOW(box), Utf8From936(caption).c_str());
  gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
  int response = gtk_dialog_run(GTK_DIALOG(box));
  gtk_widget_destroy(box);
  return response == GTK_RESPONSE_OK ? Answer::kOk : Answer::kCancel;
}

void GtkDesktop::OpenAddress(std::string_view url) {
  OpenLink(Utf8From936(url));
}

// X windows see each other's titles, also through XWayland; a Wayland session also has its lock,
// which a bar on its X display takes too.
bool GtkDesktop::WindowTitledExists(std::string_view title) const {
  if (x11::TopLevelTitledExists(Utf8From936(title))) return true;
  const char* wayland = g_getenv("WAYLAND_DISPLAY");
  return !sessionLock_.Take(SessionLockPath(g_get_user_runtime_dir(), wayland ? wayland : ""));
}

Size GtkDesktop::ScreenSize() const {
  if (layerShell_) return OutputSizeOf(bar_ ? bar_->window() : nullptr);
  Size size;
  x11::ScreenPixels(size.width, size.height);
  const int scale = Scale();
  return {size.width / scale, size.height / scale};
}

std::string GtkDesktop::SettingsCopySuggestion() const {
  return Utf8To936(std::string(g_get_home_dir()) + "/velloband.cnf");
}

void GtkDesktop::TrimMemory() {
  malloc_trim(0);
}

bool GtkDesktop::FileExists(const std::string& path) const {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

void GtkDesktop::DeleteFileAt(const std::string& path) {
  std::remove(path.c_str());
}

void GtkDesktop::OnScreenSizeChanged(GdkScreen*, gpointer self) {
  static_cast<GtkDesktop*>(self)->TellPositionChanged();
}

void GtkDesktop::OnCompositedChanged(GdkScreen*, gpointer self) {
  static_cast<GtkDesktop*>(self)->ApplyLayering();
}

gboolean GtkDesktop::OnSessionSignal(gpointer self) {
  auto* desktop = static_cast<GtkDesktop*>(self);
  if (desktop->events_ == nullptr) return G_SOURCE_CONTINUE;
  desktop->events_->OnSessionEnd();
  // An open menu, message box or drag runs a loop of its own that would keep the program alive
  // until the user ends it; the state is saved, so the program ends here.
  if (g_main_depth() > 1) {
    std::fflush(nullptr);
    _exit(0);
  }
  return G_SOURCE_CONTINUE;
}

}  // namespace vb
