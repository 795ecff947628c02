#include <windows.h>
// The other system headers build on windows.h.
#include <commctrl.h>

#include "platform/win32/code_page.h"
#include "platform/win32/win32_desktop.h"

namespace vb::win32 {
namespace {

constexpr LPARAM kTipWidth = 200;  // pixels

// The tool is the icon window itself; the tooltip watches its mouse messages.
TTTOOLINFOW ToolRecord(HWND bar, HWND icon, HINSTANCE instance, LPWSTR text) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_TRANSPARENT;
  tool.hwnd = bar;
  tool.uId = reinterpret_cast<UINT_PTR>(icon);
  tool.hinst = instance;
  tool.lpszText = text;
  return tool;
}

}  // namespace

bool Win32Desktop::CreateTooltip(int iconControlId) {
  const HWND tip = CreateWindowExW(0, TOOLTIPS_CLASSW, L"",
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON, 0, 0, 0,
                                   0, bar_, nullptr, instance_, nullptr);
  if (tip == nullptr) return false;
  tooltips_[iconControlId] = tip;
  SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
  return true;
}

void Win32Desktop::SendToolText(int iconControlId, std::string_view text, UINT message) {
  const auto tip = tooltips_.find(iconControlId);
  const auto icon = iconControls_.find(iconControlId);
  if (tip == tooltips_.end() || icon == iconControls_.end()) return;
  std::wstring wideText = WideFrom936(text);
  TTTOOLINFOW tool =
      ToolRecord(bar_, icon->second, instance_, wideText.empty() ? nullptr : wideText.data());
  SendMessageW(tip->second, message, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32Desktop::AddTooltipTool(int iconControlId, std::string_view text) {
  SendToolText(iconControlId, text, TTM_ADDTOOLW);
}

void Win32Desktop::ActivateTooltip(int iconControlId) {
  const auto tip = tooltips_.find(iconControlId);
  if (tip != tooltips_.end()) SendMessageW(tip->second, TTM_ACTIVATE, TRUE, 0);
}

void Win32Desktop::SetTooltipTitle(int iconControlId, std::string_view title) {
  const auto tip = tooltips_.find(iconControlId);
  if (tip == tooltips_.end()) return;
  const std::wstring wideTitle = WideFrom936(title);
  SendMessageW(tip->second, TTM_SETTITLEW, TTI_NONE, reinterpret_cast<LPARAM>(wideTitle.c_str()));
}

void Win32Desktop::UpdateTooltipText(int iconControlId, std::string_view text) {
  SendToolText(iconControlId, text, TTM_UPDATETIPTEXTW);
}

}  // namespace vb::win32
