// vb_smoke_driver: the companion of run-smoke.sh. Runs under Wine beside Velloband.exe, finds
// the bar by its title and drives it the way the shell and the user would: commands, timer
// ticks, the configuration dialog. Each verb prints what it found and exits 0 when the check
// holds, 1 when it does not.
#include <windows.h>
// The other system headers build on windows.h.
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "platform/win32/code_page.h"
#include "platform/win32/urlmon_transfer.h"

namespace {

constexpr const wchar_t* kBarTitle = L"Velloband V1.1";
constexpr const wchar_t* kPageHostClass = L"Velloband Page Host";
constexpr const wchar_t* kPageClass = L"Velloband Page";
constexpr int kConfigCommand = 40002;
constexpr int kChannelList = 1045;
constexpr int kChannelUrl = 1047;
constexpr int kChannelAdd = 1049;
constexpr int kChannelName = 1060;
// "V1.14－配置", the configuration dialog's caption.
constexpr const wchar_t* kConfigCaption = L"V1.14\uFF0D\u914D\u7F6E";

bool Fail(const char* what) {
  std::printf("FAIL: %s\n", what);
  return false;
}

// Polls `found` every 0.1 s for up to `seconds`: what it found, or a null handle.
template <typename Find>
HWND Poll(int seconds, Find found) {
  for (int i = 0; i < seconds * 10; ++i, Sleep(100)) {
    if (const HWND window = found()) return window;
  }
  return nullptr;
}

// The bar exists hidden during start-up; it is there for the user once it is shown.
HWND WaitForBar(int seconds) {
  return Poll(seconds, [] {
    const HWND bar = FindWindowW(nullptr, kBarTitle);
    return bar != nullptr && IsWindowVisible(bar) ? bar : nullptr;
  });
}

// The bar of the default settings: a top-most tool popup that never activates, as wide as the
// screen and 24 pixels high (font 16, one line), with its top edge at `top`.
bool CheckBar(int seconds, int top) {
  const HWND bar = WaitForBar(seconds);
  if (bar == nullptr) return Fail("no visible window titled Velloband V1.1");
  wchar_t className[64] = {};
  GetClassNameW(bar, className, 64);
  const LONG style = GetWindowLongW(bar, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(bar, GWL_EXSTYLE);
  RECT rect{};
  GetWindowRect(bar, &rect);
  std::printf("bar: class=%ls style=%08lx exstyle=%08lx rect=%ld,%ld,%ld,%ld\n", className,
              static_cast<unsigned long>(style), static_cast<unsigned long>(exStyle), rect.left,
              rect.top, rect.right, rect.bottom);
  bool ok = true;
  if (std::wcscmp(className, kBarTitle) != 0) ok = Fail("class name");
  if ((style & WS_POPUP) == 0 || (style & (WS_CAPTION | WS_THICKFRAME)) != 0) ok = Fail("style");
  const LONG wanted = WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  if ((exStyle & wanted) != wanted) ok = Fail("extended style");
  if (rect.right - rect.left != GetSystemMetrics(SM_CXSCREEN)) ok = Fail("width");
  if (rect.bottom - rect.top != 24) ok = Fail("height");
  if (rect.top != top) ok = Fail("position");
  if (FindWindowExW(bar, nullptr, L"AtlAxWin", nullptr) == nullptr &&
      FindWindowExW(bar, nullptr, kPageHostClass, nullptr) == nullptr) {
    ok = Fail("no host for the page");
  }
  return ok;
}

// Where the browser control is not at hand the bar draws the page itself, in a child of its
// page host. Prints the page's place on the screen: left, top, width and height.
bool PrintPageView(HWND bar) {
  const HWND host = FindWindowExW(bar, nullptr, kPageHostClass, nullptr);
  const HWND view = host == nullptr ? nullptr : FindWindowExW(host, nullptr, kPageClass, nullptr);
  if (view == nullptr || !IsWindowVisible(view)) return Fail("the bar shows no page view");
  RECT rect{};
  GetWindowRect(view, &rect);
  std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top);
  return true;
}

// The tooltip that the bar shows at the moment, in UTF-8: a visible tooltip window of the bar's
// thread, which answers WM_GETTEXT with the text on show.
bool PrintShownTip(HWND bar) {
  const auto visibleTip = [](HWND window, LPARAM found) -> BOOL {
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (!IsWindowVisible(window) || std::wcscmp(className, TOOLTIPS_CLASSW) != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  };
  const HWND tip = Poll(5, [&] {
    HWND found = nullptr;
    EnumThreadWindows(GetWindowThreadProcessId(bar, nullptr), visibleTip,
                      reinterpret_cast<LPARAM>(&found));
    return found;
  });
  if (tip == nullptr) return Fail("no tooltip on show");
  wchar_t text[2048] = {};
  // GetWindowText would read only the caption of another process's window.
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(tip, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000,
                      &copied);
  char utf8[8192] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
  std::fwrite(utf8, 1, std::strlen(utf8), stdout);
  std::printf("\n");
  return true;
}

// Without a tray on the X side, Wine's shell shows the notification area as a window of its
// own with one child window per icon.
int CountTrayIcons() {
  const HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
  if (tray == nullptr) return 0;
  int count = 0;
  for (HWND icon = FindWindowExW(tray, nullptr, L"__winex11_tray_icon", nullptr); icon != nullptr;
       icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr)) {
    if (IsWindowVisible(icon)) ++count;
  }
  return count;
}

// The bar shows a dialog once it has set it up: a hidden one may not take its fields yet.
HWND WaitForDialog(HWND owner, const wchar_t* caption) {
  return Poll(10, [&] {
    HWND dialog = nullptr;
    while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", caption)) != nullptr) {
      if (GetWindow(dialog, GW_OWNER) == owner && IsWindowVisible(dialog)) break;
    }
    return dialog;
  });
}

// Opens the configuration dialog from the bar's command, adds a channel with a name through its
// fields and Add button, checks that the list shows the name, and closes the dialog.
bool AddChannel(HWND bar, const std::wstring& url, const std::wstring& name) {
  PostMessageW(bar, WM_COMMAND, kConfigCommand, 0);
  const HWND dialog = WaitForDialog(bar, kConfigCaption);
  if (dialog == nullptr) return Fail("no configuration dialog with its caption");
  SetDlgItemTextW(dialog, kChannelUrl, url.c_str());
  SetDlgItemTextW(dialog, kChannelName, name.c_str());
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kChannelAdd, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, kChannelAdd)));
  const LRESULT row = SendDlgItemMessageW(dialog, kChannelList, LB_FINDSTRINGEXACT, -1,
                                          reinterpret_cast<LPARAM>(name.c_str()));
  bool ok = row != LB_ERR || Fail("the list does not show the channel's name");
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
  if (IsWindow(dialog)) ok = Fail("the dialog did not close");
  return ok;
}

// Fetches `url` into `file` with the program's own transfer, its time rules shortened to
// `stallSeconds` without a byte and twice that in all; prints the seconds it took and whether
// the transfer failed. Holds when it ended within the shortened deadline.
bool FetchWithShortDeadlines(const std::wstring& url, const std::wstring& file, int stallSeconds) {
  vb::TransferLimits limits;
  limits.connectTimeoutSeconds = stallSeconds;
  limits.lowSpeedSeconds = stallSeconds;
  limits.totalSeconds = 2 * stallSeconds;
  const ULONGLONG start = GetTickCount64();
  const vb::TransferResult result = vb::win32::MakeUrlmonTransfer(limits)->Fetch(
      vb::win32::NarrowTo936(url), vb::win32::NarrowTo936(file));
  const ULONGLONG seconds = (GetTickCount64() - start + 500) / 1000;
  std::printf("%llu s, %s\n", seconds, result == vb::TransferResult::kDone ? "done" : "failed");
  return seconds <= static_cast<ULONGLONG>(2 * stallSeconds + 2);
}

}  // namespace

int main() {
  // The arguments as the system holds them, not as the ANSI code page can spell them.
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr) return 2;
  const std::wstring verb = argc > 1 ? argv[1] : L"";
  const std::wstring argument = argc > 2 ? argv[2] : L"";
  const int number = _wtoi(argument.c_str());
  // Keep the pointer off the bar: a rotation step does nothing while it rests on the page.
  // "timer ID here" and "page-tip" leave it where it is.
  const bool here = (verb == L"timer" && argc > 3 && std::wstring(argv[3]) == L"here");
  if (!here && verb != L"page-tip") {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
  }
  const bool onBar = verb == L"page-view" || verb == L"page-tip" || verb == L"command" ||
                     verb == L"timer" || verb == L"add-channel";
  const HWND bar = onBar ? WaitForBar(10) : nullptr;
  bool ok = false;
  if (onBar && bar == nullptr) {
    ok = Fail("no bar");
  } else if (verb == L"bar") {
    ok = CheckBar(number, argc > 3 ? _wtoi(argv[3]) : 0);
  } else if (verb == L"page-view") {
    ok = PrintPageView(bar);
  } else if (verb == L"page-tip") {
    ok = PrintShownTip(bar);
  } else if (verb == L"tray-icons") {
    ok = std::printf("%d\n", CountTrayIcons()) > 0;
  } else if (verb == L"command" || verb == L"timer") {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(bar, verb == L"command" ? WM_COMMAND : WM_TIMER,
                        static_cast<WPARAM>(number), 0, SMTO_NORMAL, 20000, &result);
    ok = true;
  } else if (verb == L"add-channel" && argc > 3) {
    ok = AddChannel(bar, argument, argv[3]);
  } else if (verb == L"fetch" && argc > 4) {
    ok = FetchWithShortDeadlines(argument, argv[3], _wtoi(argv[4]));
  } else {
    std::fprintf(
        stderr,
        "usage: vb_smoke_driver bar SECONDS TOP | page-view | page-tip | "
        "tray-icons | command ID | timer ID [here] | add-channel URL NAME | fetch URL FILE "
        "SECONDS\n");
    return 2;
  }
  std::fflush(stdout);
  return ok ? 0 : 1;
}
