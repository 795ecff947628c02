#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "dialogs/fakes.h"
#include "fetch/download_starter.h"
#include "ticker/desktop.h"
#include "ticker/page_renderer.h"

namespace vb::testing {

// Records every call as one line ("SetTimer 3 120000") and answers from fields the test sets.
// Files are real, in the test's folder.
class FakeDesktop : public BarWindow,
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
  // The port as the ticker sees it; without `lendsKeyboard`, like a page that takes no keys.
  Desktop Port() {
    return {*this, *this, *this, *this, *this,
            *this, *this, *this, *this, lendsKeyboard ? this : nullptr};
  }

  // Answers.
  bool anotherInstance = false, layeredAvailable = true, appBarRegisters = true, trayShown = true;
  Size screen{1024, 768};
  Point cursor{500, 300};
  WindowRef underCursor = 1;      // the window at any point
  WindowRef browserWindow = 100;  // the only window inside the browser
  WindowRef foreground = 7;
  bool pageUsesKeys = true;
  bool lendsKeyboard = true;
  bool barHasKeyboard = false;  // focusing the browser gives it, activating a window takes it
  int menuChoice = 0;
  Answer answer = Answer::kOk;
  Rect barRect{};
  int shellTopInset = 0;  // the shell grants strips this far from the screen edge

  // What happened.
  std::vector<std::string> calls;
  std::map<int, int> timers;  // running timers and their periods
  std::map<int, std::string> tipText, tipTitle;
  bool visible = false;
  BarEvents* events = nullptr;
  int quitCode = -1;
  FakeDialogView dialog;
  std::function<void()> duringLoop;

  int Count(const std::string& prefix) const {
    return static_cast<int>(std::count_if(
        calls.begin(), calls.end(), [&](const std::string& c) { return c.starts_with(prefix); }));
  }
  bool Called(const std::string& prefix) const { return Count(prefix) > 0; }

  bool CreateBar(int w, int h, BarEvents& e) override {
    return events = &e, Log("CreateBar", w, h), true;
  }
  void DestroyBar() override { Log("DestroyBar"); }
  void ShowBar() override { visible = true, Log("ShowBar"); }
  void HideBar() override { visible = false, Log("HideBar"); }
  bool IsBarVisible() const override { return visible; }
  void MoveBar(int x, int y) override { Log("MoveBar", x, y); }
  void MoveAndShowBar(int x, int y) override { visible = true, Log("MoveAndShowBar", x, y); }
  void ResizeAndShowBar(int w, int h) override { Log("ResizeAndShowBar", w, h); }
  Rect BarRect() const override { return barRect; }
  void SetBarTopmost() override { Log("SetBarTopmost"); }
  void SetBarBottom() override { Log("SetBarBottom"); }
  void DragBar() override { Log("DragBar"); }
  bool LayeredWindowsAvailable() const override { return layeredAvailable; }
  void SetBarLayered(bool on) override { Log("SetBarLayered", on); }
  void SetBarTransparency(const Transparency& t) override {
    if (t.kind == Transparency::Kind::kColourKey) Log("SetBarTransparency key", t.colourKey);
    if (t.kind == Transparency::Kind::kOpacity) Log("SetBarTransparency opacity", t.opacity);
  }
  void RedrawBar() override { Log("RedrawBar"); }
  void CreateIconControl(int id, int x, int y, int icon) override { Log("Icon", id, x, y, icon); }

  bool ShowPage(const std::string& page, int, int) override { return Log("ShowPage", page), true; }
  void ResizePage(int w, int h) override { Log("ResizePage", w, h); }
  bool PageReady() override { return true; }
  void ReloadPage() override { Log("ReloadPage"); }

  Point CursorPosition() const override { return cursor; }
  void SetCursorPosition(Point at) override { Log("SetCursorPosition", at.x); }
  WindowRef WindowAt(Point) const override { return underCursor; }
  bool IsOnPage(WindowRef w) const override { return w == browserWindow; }
  WindowRef ForegroundWindow() const override { return foreground; }
  void ActivateWindow(WindowRef w) override { barHasKeyboard = false, Log("ActivateWindow", w); }
  bool LendKeyboardToPage(WindowRef from, WindowRef to) override {
    if (!pageUsesKeys) return false;
    return barHasKeyboard = IsOnPage(to), Log("LendKeyboardToPage", from, to), true;
  }
  void EndKeyboardLoan(WindowRef w) override { Log("EndKeyboardLoan", w); }
  bool BarHasKeyboard() const override { return barHasKeyboard; }

  void AddTrayIcon(int icon, std::string_view tip) override { Log("AddTrayIcon", icon, tip); }
  void RemoveTrayIcon() override { Log("RemoveTrayIcon"); }
  bool TrayIconShown() const override { return trayShown; }
  int ShowPopupMenu(int m, Point at) override {
    return Log("ShowPopupMenu", m, at.x, at.y), menuChoice;
  }

  bool CreateTooltip(int icon) override { return Log("CreateTooltip", icon), true; }
  void AddTooltipTool(int icon, std::string_view text) override { tipText[icon] = text; }
  void ActivateTooltip(int) override {}
  void SetTooltipTitle(int icon, std::string_view title) override { tipTitle[icon] = title; }
  void UpdateTooltipText(int icon, std::string_view text) override { tipText[icon] = text; }

  void SetTimer(int id, int period) override { timers[id] = period, Log("SetTimer", id, period); }
  void KillTimer(int id) override { timers.erase(id), Log("KillTimer", id); }

  bool RegisterAppBar() override { return Log("RegisterAppBar"), appBarRegisters; }
  void UnregisterAppBar() override { Log("UnregisterAppBar"); }
  void QueryAppBarPosition(DockEdge e, AppBarStrip& s) override {
    Log("QueryAppBarPosition", e, s), Grant(e, s);
  }
  void SetAppBarPosition(DockEdge e, AppBarStrip& s) override { Log("SetAppBarPosition", e, s); }

  DialogView* OpenDialog(int id, int x, int y, DialogFactory) override {
    return Log("OpenDialog", id, x, y), &dialog;
  }
  Answer AskOkCancel(std::string_view, std::string_view) override {
    return Log("AskOkCancel"), answer;
  }
  void OpenAddress(std::string_view url) override { Log("OpenAddress", url); }

  bool WindowTitledExists(std::string_view) const override { return anotherInstance; }
  Size ScreenSize() const override { return screen; }
  std::string SettingsCopySuggestion() const override { return {}; }
  void TrimMemory() override { Log("TrimMemory"); }
  bool FileExists(const std::string& path) const override { return std::filesystem::exists(path); }
  void DeleteFileAt(const std::string& path) override {
    std::filesystem::remove(path), Log("DeleteFileAt", path);
  }
  int RunLoop() override { return Log("RunLoop"), duringLoop ? duringLoop() : void(), quitCode; }
  void QuitLoop(int code) override { quitCode = code, Log("QuitLoop", code); }

 private:
  template <typename Value>
  static std::string Text(const Value& v) {
    if constexpr (std::is_arithmetic_v<Value>) return std::to_string(v);
    if constexpr (std::is_same_v<Value, DockEdge>) {
      return v == DockEdge::kTop ? "top" : v == DockEdge::kBottom ? "bottom" : "none";
    }
    if constexpr (std::is_same_v<Value, AppBarStrip>) {
      return Text(v.left) + "," + Text(v.top) + "," + Text(v.right) + "," + Text(v.bottom);
    }
    if constexpr (std::is_convertible_v<Value, std::string_view>) return std::string(v);
  }
  // One line per call: the name, then the arguments separated by blanks.
  template <typename... Args>
  void Log(std::string call, const Args&... args) {
    calls.push_back(((call += " " + Text(args)), ..., call));
  }
  // Like a shell with a taskbar of `shellTopInset` pixels at each edge.
  void Grant(DockEdge edge, AppBarStrip& s) const {
    const int height = s.bottom - s.top, bottom = screen.height - shellTopInset;
    if (edge == DockEdge::kTop && s.top < shellTopInset)
      s.top = shellTopInset, s.bottom = shellTopInset + height;
    if (edge == DockEdge::kBottom && s.bottom > bottom) s.bottom = bottom, s.top = bottom - height;
  }
};

// Renders by looking at the channel file: missing gives -1, empty (a feed without items) 0,
// else 1. Records the files.
struct FakeRenderer : PageRenderer {
  int Render(const PageRenderRequest& r) override {
    rendered.push_back(r.currentChannel.path), requests.push_back(r);
    std::error_code error;
    if (!std::filesystem::exists(r.currentChannel.path, error)) return -1;
    return std::filesystem::file_size(r.currentChannel.path, error) == 0 ? 0 : 1;
  }
  std::vector<std::string> rendered;
  std::vector<PageRenderRequest> requests;
};

// A download that lands at once.
struct FakeDownloads : DownloadStarter {
  void Start(const DownloadTarget& t) override {
    started.push_back(t), std::ofstream(t.path) << "feed";
  }
  std::vector<DownloadTarget> started;
};

}  // namespace vb::testing
