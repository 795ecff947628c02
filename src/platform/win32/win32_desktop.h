#pragma once

#include <windows.h>
// The other system headers build on windows.h.
#include <commctrl.h>
#include <shellapi.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/win32/page_view_window.h"
#include "ticker/desktop.h"

namespace vb::win32 {

// The desktop port on Win32. Texts arrive in code page 936 and meet the system through the wide
// functions (code_page.h), so the bar reads right whatever the system's ANSI code page is. The
// members are spread over files by area: bar_window.cpp, browser_host.cpp (the browser control,
// or page_view_window.cpp where it is not at hand), input_focus.cpp, tray_and_menu.cpp,
// channel_tips.cpp, app_bar.cpp, dialogs_and_shell.cpp and system_services.cpp (which also holds
// the timers and the loop).
class Win32Desktop final : public BarWindow,
                           public PageHost,
                           public Pointer,
                           public KeyboardLoan,
                           public TrayAndMenu,
                           public ChannelTips,
                           public BarTimers,
                           public AppBar,
                           public DialogsAndShell,
                           public SystemServices {
 public:
  explicit Win32Desktop(HINSTANCE instance);
  ~Win32Desktop() override;
  Win32Desktop(const Win32Desktop&) = delete;
  Win32Desktop& operator=(const Win32Desktop&) = delete;

  Desktop Port() { return {*this, *this, *this, *this, *this, *this, *this, *this, *this, this}; }

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
  bool PageReady() override;
  void ReloadPage() override;
  bool IsOnPage(WindowRef window) const override;

  // Pointer
  Point CursorPosition() const override;
  WindowRef WindowAt(Point at) const override;

  // KeyboardLoan
  WindowRef ForegroundWindow() const override;
  void ActivateWindow(WindowRef window) override;
  bool LendKeyboardToPage(WindowRef foreground, WindowRef pageWindow) override;
  void EndKeyboardLoan(WindowRef foreground) override;
  bool BarHasKeyboard() const override;
  void SetCursorPosition(Point at) override;

  // TrayAndMenu
  void AddTrayIcon(int iconResourceId, std::string_view tip) override;
  void RemoveTrayIcon() override;
  // The shell always has a notification area; "TaskbarCreated" brings the icon back after a
  // restart of the shell.
  bool TrayIconShown() const override { return true; }
  int ShowPopupMenu(int menuResourceId, Point at) override;

  // ChannelTips
  bool CreateTooltip(int iconControlId) override;
  void AddTooltipTool(int iconControlId, std::string_view text) override;
  void ActivateTooltip(int iconControlId) override;
  void SetTooltipTitle(int iconControlId, std::string_view title) override;
  void UpdateTooltipText(int iconControlId, std::string_view text) override;

  // BarTimers
  void SetTimer(int timerId, int periodMs) override;
  void KillTimer(int timerId) override;

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
  std::string SettingsCopySuggestion() const override { return {}; }
  void TrimMemory() override;
  bool FileExists(const std::string& path) const override;
  void DeleteFileAt(const std::string& path) override;
  int RunLoop() override;
  void QuitLoop(int exitCode) override;

 private:
  // The bar's private messages: the tray icon's and the app bar's callbacks.
  static constexpr UINT kTrayCallbackMessage = 1649;
  static constexpr UINT kAppBarCallbackMessage = 1650;

  bool RegisterBarClass();
  static LRESULT CALLBACK BarProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleBarMessage(UINT message, WPARAM wParam, LPARAM lParam);
  HBRUSH IconControlBrush(HDC context);
  // Takes down a bar that outlives the ticker's part in it, without telling the ticker.
  void TakeDownBar();
  LRESULT AppBarMessage(DWORD message, UINT edge, AppBarStrip* strip);
  // Whether the taskbar keeps above other windows.
  bool TaskbarAlwaysOnTop();
  // Tells the shell that a registered bar was activated or moved.
  void TellShell(DWORD message);
  // Adds or updates the tool of an icon control's tooltip.
  void SendToolText(int iconControlId, std::string_view text, UINT message);

  HINSTANCE instance_;
  HWND bar_ = nullptr;
  BarEvents* events_ = nullptr;
  UINT taskbarCreatedMessage_ = 0;
  std::map<int, HWND> iconControls_;
  HBRUSH iconBrush_ = nullptr;
  Colour iconBrushColour_ = 0;

  HWND browserHost_ = nullptr;
  HWND browserDocument_ = nullptr;
  // Shows the page where the system's browser control is not at hand.
  std::unique_ptr<PageViewWindow> pageView_;

  NOTIFYICONDATAW trayIcon_{};

  std::map<int, HWND> tooltips_;
  APPBARDATA appBar_{};
  bool appBarRegistered_ = false;  // the shell is told when the bar is activated or moved

  std::set<HWND> openDialogs_;
};

}  // namespace vb::win32
