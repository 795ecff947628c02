#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dialogs/dialog_controller.h"
#include "dialogs/dialog_view.h"
#include "settings/ticker_settings.h"

// The desktop port: everything the bar asks of the platform. The ticker (TickerWindow) drives it
// and is told about the bar's events through BarEvents; each desktop (GTK on Linux, Win32 on
// Windows) implements both sides of the boundary, tests use a fake that records the calls.
//
// How a platform's main() runs the program (see ticker/run_ticker.h):
//
//   MyDesktop desktop;                 // implements vb::Desktop
//   MyAutostart autostart;             // implements vb::Autostart
//   MyDownloadStarter downloads;       // implements vb::DownloadStarter
//   return vb::RunTicker(desktop, appDataFolder, autostart, downloads);
//
// RunTicker does the whole start-up, creates the bar through CreateBar (handing over the
// BarEvents to deliver), calls RunLoop, and after the loop cleans up and returns the exit code.
//
// Conventions: every text crosses the port in code page 936 (the Linux desktop converts to
// UTF-8, the Windows desktop to UTF-16 with code page 936); coordinates are screen pixels;
// commands, timers, controls and resources are known by the ids in resources/resource_ids.h and
// ticker/timer_ids.h; each desktop maps its own events and constants onto the types below. Every
// call is made on the user-interface thread. No call may throw; results that the ticker does not
// need are not returned.
namespace vb {

// Colours are COLORREF values, 0x00BBGGRR.
using Colour = std::uint32_t;

// The pointer buttons the tray icon reports.
enum class PointerButton : char { kPrimary, kSecondary };

// How an icon control on the bar was pressed.
enum class IconPress : char { kClick, kDoubleClick };

// What the shell tells a docked bar: the taskbar's always-on-top state changed, the strips moved
// (the screen may have changed too), or a full-screen window opened or closed.
enum class AppBarNotice : char { kStateChanged, kPositionChanged, kFullScreenApp };

// How a layered bar lets the desktop show through: one colour fully transparent, or the whole
// bar at one opacity (0 to 255).
struct Transparency {
  enum class Kind : char { kColourKey, kOpacity };
  Kind kind = Kind::kOpacity;
  Colour colourKey = 0;
  int opacity = 255;

  static Transparency ColourKey(Colour colour) { return {Kind::kColourKey, colour, 255}; }
  static Transparency Opacity(int opacity) { return {Kind::kOpacity, 0, opacity}; }
};

// The user's answer to a question.
enum class Answer : char { kOk, kCancel };

// Any top-level or child window of any process, as the desktop names it; 0 is none. The ticker
// only compares and passes these back.
using WindowRef = std::uintptr_t;

struct Point {
  int x = 0;
  int y = 0;
};

struct Size {
  int width = 0;
  int height = 0;
};

// A screen rectangle: left and top inclusive, right and bottom exclusive.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The rectangle the shell reserves for the docked bar. While the bar floats, left and top hold
// its position and right and bottom mean nothing.
using AppBarStrip = Rect;

// How the bar's icon controls are painted: background (the brush has the same colour) and text.
struct IconColours {
  Colour background = 0;
  Colour text = 0;
};

// What happens to the bar, as the desktop delivers it to the ticker. Handed to CreateBar; the
// desktop calls these on the user-interface thread, also while modal loops (menu, drag) run.
class BarEvents {
 public:
  virtual ~BarEvents() = default;

  virtual void OnTimer(int timerId) = 0;
  // A menu choice: the command id.
  virtual void OnCommand(int commandId) = 0;
  // An icon control was clicked or double-clicked.
  virtual void OnIconPressed(int controlId, IconPress press) = 0;
  // A button went down on the tray icon.
  virtual void OnTrayIconPressed(PointerButton button) = 0;
  // The shell (taskbar) was restarted: the tray icon has to be added again.
  virtual void OnTaskbarCreated() = 0;
  // The shell's word to a docked bar; `fullScreenOpened` tells, with kFullScreenApp, whether a
  // full-screen window opened (true) or closed.
  virtual void OnAppBarNotice(AppBarNotice notice, bool fullScreenOpened) = 0;
  // Asked to close (WM_CLOSE): the ticker shuts down and destroys the bar itself.
  virtual void OnClose() = 0;
  // The bar window is being destroyed, or the session ends. Either runs the shutdown handling
  // once; it ends the loop.
  virtual void OnDestroy() = 0;
  virtual void OnSessionEnd() = 0;
  // Colours for painting the icon controls, asked whenever they are painted.
  virtual IconColours IconControlColours() const = 0;
};

// The bar window and its children.
class BarWindow {
 public:
  virtual ~BarWindow() = default;

  // Makes ready what every bar needs; false ends the program before anything else is done.
  virtual bool PrepareBar() = 0;
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
  // Lets the bar be given the foreground (before the popup menu, before a drag).
  virtual void BringBarToForeground() = 0;
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
  // as OnIconPressed(controlId, ...). Created in call order, each
  // above those created later.
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
};

// The mouse, the focus and the foreground, for giving the page keyboard input while the mouse
// rests on it without activating the bar.
class InputFocus {
 public:
  virtual ~InputFocus() = default;

  virtual Point CursorPosition() const = 0;
  virtual void SetCursorPosition(Point at) = 0;
  virtual WindowRef WindowAt(Point at) const = 0;
  // Whether `window` is one of the page's own windows; false while nothing shows the page.
  virtual bool IsOnPage(WindowRef window) const = 0;
  virtual WindowRef ForegroundWindow() const = 0;
  virtual void ActivateWindow(WindowRef window) = 0;
  // Gives the keyboard to `pageWindow` without taking the foreground from `foreground`; false
  // when it cannot be lent, or the page has no use for keys (hovering then leaves the keyboard
  // alone).
  virtual bool LendKeyboardToPage(WindowRef foreground, WindowRef pageWindow) = 0;
  // Ends a loan made while `foreground` had the foreground.
  virtual void EndKeyboardLoan(WindowRef foreground) = 0;
  // Whether keys typed now go to the bar (the bar, the page or any of their windows).
  virtual bool BarHasKeyboard() const = 0;
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

// The shell's reservation of a screen-edge strip for the bar (an application desktop toolbar).
// Notices arrive as OnAppBarNotice while the bar is registered.
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
  // Whether the taskbar keeps above other windows.
  virtual bool TaskbarAlwaysOnTop() = 0;
};

// Modeless dialogs, the message box and the shell.
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

// The system and the process.
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

// The whole port.
class Desktop : public BarWindow,
                public PageHost,
                public InputFocus,
                public TrayAndMenu,
                public ChannelTips,
                public BarTimers,
                public AppBar,
                public DialogsAndShell,
                public SystemServices {};

}  // namespace vb
