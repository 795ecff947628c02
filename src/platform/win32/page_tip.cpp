#include "platform/win32/page_tip.h"

#include "pageview/page_text.h"
#include "platform/win32/code_page.h"

namespace vb::win32 {
namespace {

// Long summaries wrap at this width, about sixty characters of the system's tip font.
constexpr int kTipWidth = 480;
constexpr int kLongestShowMs = 32767;

std::wstring TipText(const PageRun& run) {
  std::wstring text;
  for (wchar_t c : WideFrom936(ReadableTooltip(run.tooltip))) {
    if (c == L'\n') text += L'\r';
    text += c;
  }
  return text;
}

}  // namespace

// The bar never becomes the active window, so the tip must show for an inactive one; it lets
// the pointer through, or showing it under the pointer would count as leaving the page.
void PageTip::Create(HINSTANCE instance, HWND view) {
  view_ = view;
  tip_ =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, L"", WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                      0, 0, 0, 0, view, nullptr, instance, nullptr);
  if (tip_ == nullptr) return;
  TTTOOLINFOW tool = Tool();
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
  // A summary takes a while to read: the tip stays as long as the system lets it.
  SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(kLongestShowMs, 0));
}

void PageTip::Destroy() {
  if (tip_ != nullptr) DestroyWindow(tip_);
  tip_ = nullptr;
}

TTTOOLINFOW PageTip::Tool() {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS | TTF_TRANSPARENT;
  tool.hwnd = view_;
  tool.uId = reinterpret_cast<UINT_PTR>(view_);
  tool.lpszText = text_.data();
  return tool;
}

void PageTip::ShowFor(const PageRun* run) {
  if (run == run_) return;
  run_ = run;
  SetText(run != nullptr ? TipText(*run) : std::wstring());
}

void PageTip::Forget() {
  run_ = nullptr;
  SetText(std::wstring());
}

void PageTip::SetText(std::wstring text) {
  if (tip_ == nullptr) return;
  text_ = std::move(text);
  SendMessageW(tip_, TTM_POP, 0, 0);
  TTTOOLINFOW tool = Tool();
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace vb::win32
