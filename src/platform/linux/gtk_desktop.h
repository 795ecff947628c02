#pragma once

#include <array>
#include <memory>
#include <optional>

#include "platform/linux/bar_window_gtk.h"
#include "platform/linux/display_choice.h"
#include "platform/linux/event_loop.h"
#include "platform/linux/icon_tips.h"
#include "platform/linux/layer_shell_bar.h"
#include "platform/linux/page_view_gtk.h"
#include "platform/linux/session_client.h"
#include "platform/linux/session_lock.h"
#include "platform/linux/system_tray.h"
#include "platform/linux/x11_app_bar.h"
#include "ticker/desktop.h"

namespace vb {

// The desktop port on GTK 3: on X11, or as a layer surface on Wayland. gtk_init must have run
// with the backend that `display` names.
class GtkDesktop final : public BarWindow,
                         public PageHost,
                         public Pointer,
                         public TrayAndMenu,
                         public ChannelTips,
                         public BarTimers,
                         public AppBar,
                         public DialogsAndShell,
                         public SystemServices {
 public:
  explicit GtkDesktop(BarDisplay display);
  ~GtkDesktop() override;
  GtkDesktop(const GtkDesktop&) = delete;
  GtkDesktop& operator=(const GtkDesktop&) = delete;

  // The page view has no use for keys, so no keyboard is lent: it stays with the user's window.
  Desktop Port() { return {*this, *this, *this, *this, *this, *this, *this, *this, *this}; }

  // BarWindow
  bool CreateBar(int width, int height, BarEvents& events) override;
  void DestroyBar() override;
  void ShowBar() override;
  void HideBar() override;
  bool IsBarVisible() const override;
  void MoveBar(int x, int y) override;
  void MoveAndShowBar(int x, int y) override;
  void ResizeAndShowBar(int width, int height) override;
  Rect BarRect() const override;
  void SetBarTopmost() override;
  void SetBarBottom() override;
  void DragBar() override;
  bool LayeredWindowsAvailable() const override;
  void SetBarLayered(bool layered) override;
  void SetBarTransparency(const Transparency& transparency) override;
  void RedrawBar() override;
  void CreateIconControl(int controlId, int x, int y, int iconResourceId) override;

  // PageHost
  bool ShowPage(const std::string& pageFile, int width, int height) override;
  void ResizePage(int width, int height) override;
  bool PageReady() override { return page_ != nullptr; }
  void ReloadPage() override;
  bool IsOnPage(WindowRef window) const override;

  // Pointer
  Point CursorPosition() const override;
  WindowRef WindowAt(Point at) const override;

  // TrayAndMenu
  void AddTrayIcon(int iconResourceId, std::string_view tip) override;
  void RemoveTrayIcon() override;
  bool TrayIconShown() const override { return tray_.Shown(); }
  int ShowPopupMenu(int menuResourceId, Point at) override;

  // ChannelTips
  bool CreateTooltip(int iconControlId) override;
  void AddTooltipTool(int iconControlId, std::string_view text) override;
  void ActivateTooltip(int iconControlId) override { tips_.Activate(iconControlId); }
  void SetTooltipTitle(int iconControlId, std::string_view title) override;
  void UpdateTooltipText(int iconControlId, std::string_view text) override;

  // BarTimers
  void SetTimer(int timerId, int periodMs) override { loop_.SetTimer(timerId, periodMs); }
  void KillTimer(int timerId) override { loop_.KillTimer(timerId); }

  // AppBar
  bool RegisterAppBar() override;
  void UnregisterAppBar() override;
  void QueryAppBarPosition(DockEdge edge, AppBarStrip& strip) override;
  void SetAppBarPosition(DockEdge edge, AppBarStrip& strip) override;

  // DialogsAndShell
  DialogView* OpenDialog(int resourceId, int x, int y, DialogFactory factory) override;
  Answer AskOkCancel(std::string_view text, std::string_view caption) override;
  void OpenAddress(std::string_view url) override;

  // SystemServices
  bool WindowTitledExists(std::string_view title) const override;
  Size ScreenSize() const override;
  std::string SettingsCopySuggestion() const override;
  void TrimMemory() override;
  bool FileExists(const std::string& path) const override;
  void DeleteFileAt(const std::string& path) override;
  int RunLoop() override { return loop_.Run(); }
  void QuitLoop(int exitCode) override { loop_.Quit(exitCode); }

 private:
  static void OnScreenSizeChanged(GdkScreen* screen, gpointer self);
  void TellPositionChanged();
  bool AppBarRegistered() const;
  static void OnCompositedChanged(GdkScreen* screen, gpointer self);
  static gboolean OnSessionSignal(gpointer self);
  void ApplyLayering();
  void AddPendingTrayIcon();
  static gboolean OnFirstBarFrame(GtkWidget* window, cairo_t* cr, gpointer self);
  void StopWaitingForFirstFrame();
  // Stands for the browser among X window ids: an address, which no X id can equal.
  WindowRef BrowserRef() const { return reinterpret_cast<WindowRef>(page_.get()); }
  // Device pixels per desktop pixel (GDK_SCALE); the bar and the port work in desktop pixels.
  static int Scale();

  EventLoop loop_;
  BarEvents* events_ = nullptr;
  std::unique_ptr<BarWindowGtk> bar_;
  std::unique_ptr<PageViewGtk> page_;
  SystemTray tray_;
  struct PendingTray {
    int iconResourceId;
    std::string tip;  // UTF-8
  };
  std::optional<PendingTray> pendingTray_;  // waits for the bar's first frame
  gulong firstFrameWatch_ = 0;
  guint trayIdle_ = 0;
  IconTips tips_;
  std::vector<guint> signalSources_;
  std::unique_ptr<SessionClient> session_;
  X11AppBar appBar_{[this] { TellPositionChanged(); }};
  const bool layerShell_;
  std::unique_ptr<LayerShellBar> layer_;  // the bar's placement on a layer-shell compositor
  mutable SessionLock sessionLock_;
  bool destroying_ = false;
  bool displayGone_ = false;  // the X server went: nothing more is asked of it
  bool layered_ = false;
  std::optional<Transparency> transparency_;
};

}  // namespace vb
