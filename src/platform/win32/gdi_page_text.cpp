#include "platform/win32/gdi_page_text.h"

#include <algorithm>
#include <climits>

#include "platform/win32/code_page.h"

namespace vb::win32 {
namespace {

// The page asks for courier; a fixed-pitch face that holds the Chinese characters too keeps
// every headline in one font, where GDI would not fall back for the missing glyphs.
constexpr const wchar_t* kPageFace = L"NSimSun";
constexpr int kLargestFontPx = 512;
constexpr COLORREF kBrowserBackground = RGB(255, 255, 255);

COLORREF ToColorRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace

GdiPageText::GdiPageText() : measuring_(CreateCompatibleDC(nullptr)) {}

GdiPageText::~GdiPageText() {
  for (auto& [key, face] : faces_) {
    if (face.font != nullptr) DeleteObject(face.font);
  }
  if (measuring_ != nullptr) DeleteDC(measuring_);
}

const GdiPageText::Face& GdiPageText::FaceFor(const TextStyle& style, bool underline) {
  const int fontPx = std::clamp(style.fontPx, 1, kLargestFontPx);
  // A face name longer than GDI keeps is not one it knows.
  std::wstring name = WideFrom936(style.face);
  if (name.empty() || name.size() >= LF_FACESIZE) name = kPageFace;
  auto [at, added] = faces_.try_emplace({fontPx, style.bold, style.italic, underline, name});
  if (!added) return at->second;
  Face& face = at->second;
  face.font = CreateFontW(-fontPx, 0, 0, 0, style.bold ? FW_BOLD : FW_NORMAL, style.italic,
                          underline, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, name.c_str());
  TEXTMETRICW metrics{};
  if (face.font != nullptr && measuring_ != nullptr) {
    const HGDIOBJ old = SelectObject(measuring_, face.font);
    if (GetTextMetricsW(measuring_, &metrics)) face.height = metrics.tmHeight;
    SelectObject(measuring_, old);
  }
  return face;
}

int GdiPageText::Width(std::string_view text, const TextStyle& style) {
  const std::wstring wide = WideFrom936(text);
  const Face& face = FaceFor(style, false);
  if (wide.empty() || wide.size() > INT_MAX || face.font == nullptr || measuring_ == nullptr) {
    return 0;
  }
  const HGDIOBJ old = SelectObject(measuring_, face.font);
  SIZE size{};
  GetTextExtentPoint32W(measuring_, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(measuring_, old);
  return static_cast<int>(size.cx);
}

void GdiPageText::TakeTexts(const PageLayout& layout) {
  runTexts_.clear();
  for (const PlacedRun& run : layout.runs) runTexts_.push_back(WideFrom936(run.text));
  controlTexts_.clear();
  for (const PlacedControl& control : layout.controls) {
    controlTexts_.push_back(WideFrom936(control.text));
  }
}

void GdiPageText::DrawRun(HDC context, const std::wstring& text, int x, int lineTop,
                          const TextStyle& style, const RunLook& look) {
  const Face& face = FaceFor(style, look.underline);
  if (text.empty() || text.size() > INT_MAX || face.font == nullptr) return;
  const HGDIOBJ old = SelectObject(context, face.font);
  SetTextColor(context, ToColorRef(look.colour));
  // A browser centres the text in its line box.
  const int top = lineTop + (lineHeight_ - face.height) / 2;
  ExtTextOutW(context, x, top, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
  SelectObject(context, old);
}

void GdiPageText::PaintPiece(HDC context, const PageView& view, const StripPiece& piece) {
  const PageLayout& layout = view.Layout();
  const PageRect& scroller = layout.scroller;
  for (std::size_t i = 0; i < layout.runs.size() && i < runTexts_.size(); ++i) {
    const PlacedRun& run = layout.runs[i];
    if (run.y + layout.lineHeight <= piece.from.y || run.y >= piece.from.y + piece.from.height) {
      continue;
    }
    const long long x = static_cast<long long>(piece.toX) + run.x - piece.from.x;
    if (x + run.width <= scroller.x || x >= scroller.x + scroller.width) continue;
    const int y = piece.toY + run.y - piece.from.y;
    const TextStyle style = StyleOf(view.Model().groups[run.group].runs[run.run], layout.fontPx);
    DrawRun(context, runTexts_[i], static_cast<int>(x), y, style, view.LookOf(run));
  }
}

void GdiPageText::Paint(HDC context, const PageView& view, int width, int height, HBRUSH picture) {
  const std::optional<std::uint32_t> background = view.Background();
  const HBRUSH brush = CreateSolidBrush(background ? ToColorRef(*background) : kBrowserBackground);
  const RECT all{0, 0, width, height};
  FillRect(context, &all, brush);
  DeleteObject(brush);
  if (picture != nullptr) FillRect(context, &all, picture);
  SetBkMode(context, TRANSPARENT);

  const PageLayout& layout = view.Layout();
  lineHeight_ = layout.lineHeight;
  const PageRect& scroller = layout.scroller;
  const int saved = SaveDC(context);
  IntersectClipRect(context, scroller.x, scroller.y, scroller.x + scroller.width,
                    scroller.y + scroller.height);
  for (const StripPiece& piece : view.Pieces()) PaintPiece(context, view, piece);
  RestoreDC(context, saved);

  for (std::size_t i = 0; i < layout.controls.size() && i < controlTexts_.size(); ++i) {
    const PageRect& box = layout.controls[i].box;
    DrawRun(context, controlTexts_[i], box.x, box.y, PlainStyle(view.Model().controlBar.fontPx),
            view.LookOfControl(i));
  }
}

}  // namespace vb::win32
