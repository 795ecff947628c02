#pragma once

#include <string>
#include <string_view>

#include "dialogs/dialog_controller.h"
#include "dialogs/dialog_view.h"
#include "settings/ticker_settings.h"
#include "ticker/bar_events.h"
#include "ticker/desktop_types.h"

// The desktop port: what the bar asks of the platform, as a few narrow interfaces. A desktop
// (GTK on Linux, Win32 on Windows) implements those it has and hands them over in a `Desktop`;
// tests use a fake that records the calls.
//
// How a platform's main() runs the program (see ticker/run_ticker.h):
//
//   MyDesktop desktop;                 // implements the interfaces below
//   MyAutostart autostart;             // implements vb::Autostart
//   MyDownloadStarter downloads;       // implements vb::DownloadStarter
//   return vb::RunTicker(desktop.Port(), appDataFolder, autostart, downloads);
//
// RunTicker does the whole start-up, creates the bar through CreateBar (handing over the
// BarEvents to deliver), calls RunLoop, and after the loop cleans up and returns the exit code.
//
// Conventions: every text crosses the port in code page 936 (the Linux desktop converts to
// UTF-8, the Windows desktop to UTF-16 with code page 936); coordinates are screen pixels;
// commands, timers, controls and resources are known by the ids in resources/resource_ids.h and
// ticker/timer_ids.h. Every call is made on the user-interface thread. No call may throw;
// results that the ticker does not need are not returned.
namespace vb {

// The bar window and its children.
class BarWindow {
 public:
  virtual ~BarWindow() = default;

  // The bar: a top-most tool window that never takes activation, titled "Velloband V1.1",
  // created hidden at (0, 0) with the given size. `events` receives its events from now on
  // until the loop ends. False when it cannot be created.
  virtual bool CreateBar(int width, int height, BarEvents& events) = 0;
  // Destroys the bar window (the ticker has already shut down).
  virtual void DestroyBar() = 0;

  virtual void ShowBar() = 0;
  virtual void HideBar() = 0;
  virtual bool IsBarVisible() const = 0;
  // Moves without changing size or z-order.
  virtual void MoveBar(int x, int y) = 0;
  virtual void MoveAndShowBar(int x, int y) = 0;
  // Resizes in place and shows the bar.
  virtual void ResizeAndShowBar(int width, int height) = 0;
  virtual Rect BarRect() const = 0;
  // Places the bar above all non-top-most windows, or below all windows; without activating it.
  virtual void SetBarTopmost() = 0;
  virtual void SetBarBottom() = 0;
  // Runs the modal move loop that drags the bar with the mouse; returns when the button is up.
  virtual void DragBar() = 0;

  // Whether the system can make windows layered (translucent or colour-keyed) right now; asked
  // at start-up and by every transparency command, since on some desktops it can change.
  virtual bool LayeredWindowsAvailable() const = 0;
  virtual void SetBarLayered(bool layered) = 0;
  // How the layered bar lets the desktop through.
  virtual void SetBarTransparency(const Transparency& transparency) = 0;
  // Invalidates and repaints the bar and all its children.
  virtual void RedrawBar() = 0;

  // A 16 x 16 icon from the resources as a clickable child at (x, y) of the bar; clicks arrive
  // as OnIconPressed(controlId, ...). Created in call order, each above those created later.
  virtual void CreateIconControl(int controlId, int x, int y, int iconResourceId) = 0;
};

// What shows the page file on the bar (a web view, or the page view drawn by the desktop).
class PageHost {
 public:
  virtual ~PageHost() = default;

  // Shows `pageFile` at (0, 0) of the bar; false when nothing can show it.
  virtual bool ShowPage(const std::string& pageFile, int width, int height) = 0;
  // Resizes the page in place and shows it.
  virtual void ResizePage(int width, int height) = 0;
  // Whether the page has been loaded and can be reloaded; false while it is still coming.
  virtual bool PageReady() = 0;
  // Reads the page file again (the page is ready).
  virtual void ReloadPage() = 0;
  // Whether `window` is one of the page's own windows; false while nothing shows the page.
  virtual bool IsOnPage(WindowRef window) const = 0;
};

// Where the pointer is.
class Pointer {
 public:
  virtual ~Pointer() = default;

  virtual Point CursorPosition() const = 0;
  virtual WindowRef WindowAt(Point at) const = 0;
};

// Lending the page the keyboard while the pointer rests on it, without activating the bar. Only
// a page that takes keys (a web-browser control) needs it; without it the keyboard stays with
// the user's window.
class KeyboardLoan {
 public:
  virtual ~KeyboardLoan() = default;

  virtual WindowRef ForegroundWindow() const = 0;
  virtual void ActivateWindow(WindowRef window) = 0;
  // Gives the keyboard to `pageWindow` without taking the foreground from `foreground`; false
  // when it cannot be lent, or the page has no use for keys.
  virtual bool LendKeyboardToPage(WindowRef foreground, WindowRef pageWindow) = 0;
  // Ends a loan made while `foreground` had the foreground.
  virtual void EndKeyboardLoan(WindowRef foreground) = 0;
  // Whether keys typed now go to the bar (the bar, the page or any of their windows).
  virtual bool BarHasKeyboard() const = 0;
  // Puts the pointer where it is, so that the page's window under it keeps the wheel.
  virtual void SetCursorPosition(Point at) = 0;
};

// The tray icon and the popup menu.
class TrayAndMenu {
 public:
  virtual ~TrayAndMenu() = default;

  // Adds (or adds again) the tray icon with the icon resource and tip (at most 63 bytes); its
  // buttons arrive as OnTrayIconPressed.
  virtual void AddTrayIcon(int iconResourceId, std::string_view tip) = 0;
  virtual void RemoveTrayIcon() = 0;
  // Whether a notification area holds the icon now, so that a hidden bar can be shown again.
  virtual bool TrayIconShown() const = 0;
  // Shows the first submenu of the menu resource with its top right corner at `at`, modally.
  // Returns the chosen command id, 0 when nothing was chosen; the choice is not delivered
  // through OnCommand as well.
  virtual int ShowPopupMenu(int menuResourceId, Point at) = 0;
};

// Balloon tooltips on the previous and next icons, each known by its icon's control id.
class ChannelTips {
 public:
  virtual ~ChannelTips() = default;

  // An always-shown balloon tooltip owned by the bar, wrapping at 200 pixels; false when it
  // cannot be created.
  virtual bool CreateTooltip(int iconControlId) = 0;
  // Registers the icon as the tooltip's tool with `text` (empty: no text).
  virtual void AddTooltipTool(int iconControlId, std::string_view text) = 0;
  virtual void ActivateTooltip(int iconControlId) = 0;
  virtual void SetTooltipTitle(int iconControlId, std::string_view title) = 0;
  // Replaces the tool's text (empty: no text).
  virtual void UpdateTooltipText(int iconControlId, std::string_view text) = 0;
};

// Timers of the bar window; each arrives as OnTimer(id). Setting a running timer restarts its
// count with the new period.
class BarTimers {
 public:
  virtual ~BarTimers() = default;
  virtual void SetTimer(int timerId, int periodMs) = 0;
  virtual void KillTimer(int timerId) = 0;
};

// The shell's reservation of a screen-edge strip for the bar (an application desktop toolbar,
// or a strut). Notices arrive as OnAppBarNotice while the bar is registered.
class AppBar {
 public:
  virtual ~AppBar() = default;

  // False when the shell refuses.
  virtual bool RegisterAppBar() = 0;
  virtual void UnregisterAppBar() = 0;
  // Proposes `strip` at `edge`; the shell adjusts it to what it can grant.
  virtual void QueryAppBarPosition(DockEdge edge, AppBarStrip& strip) = 0;
  // Reserves `strip` at `edge`; the shell may adjust it.
  virtual void SetAppBarPosition(DockEdge edge, AppBarStrip& strip) = 0;
};

// Modeless dialogs, the message box and the user's browser.
class DialogsAndShell {
 public:
  virtual ~DialogsAndShell() = default;

  // Creates the dialog window from resource `resourceId`, owned by the bar, calls `factory`
  // with its view, calls OnInit, places and shows it at screen position (x, y), routes control
  // notifications to OnCommand and destroys the controller when the window goes. Returns the
  // view (valid until the window goes) or nullptr when the dialog cannot be created.
  virtual DialogView* OpenDialog(int resourceId, int x, int y, DialogFactory factory) = 0;
  // A modal question without owner, with the error sign and the buttons OK and Cancel.
  virtual Answer AskOkCancel(std::string_view text, std::string_view caption) = 0;
  // Opens a web address in the user's browser; the outcome is not reported.
  virtual void OpenAddress(std::string_view url) = 0;
};

// The system, its files and the process.
class SystemServices {
 public:
  virtual ~SystemServices() = default;

  // Whether any top-level window (of any process) has this title.
  virtual bool WindowTitledExists(std::string_view title) const = 0;
  // The primary screen, as it is now.
  virtual Size ScreenSize() const = 0;
  // What the import and export fields offer while no path has been used there (code page 936);
  // empty for nothing.
  virtual std::string SettingsCopySuggestion() const = 0;
  // Hands the process's working set back to the system.
  virtual void TrimMemory() = 0;
  virtual bool FileExists(const std::string& path) const = 0;
  // One attempt; the outcome is not reported.
  virtual void DeleteFileAt(const std::string& path) = 0;
  // Runs the event loop until QuitLoop; returns its exit code.
  virtual int RunLoop() = 0;
  // Ends RunLoop (at once when called from inside it, or makes the next RunLoop return).
  virtual void QuitLoop(int exitCode) = 0;
};

// The whole port: what every desktop has, and what only some have (null where it is lacking).
struct Desktop {
  BarWindow& bar;
  PageHost& page;
  Pointer& pointer;
  TrayAndMenu& tray;
  ChannelTips& tips;
  BarTimers& timers;
  AppBar& appBar;
  DialogsAndShell& dialogs;
  SystemServices& system;
  KeyboardLoan* keyboard = nullptr;
};

}  // namespace vb
