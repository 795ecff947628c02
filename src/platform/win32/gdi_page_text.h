#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "pageview/page_view.h"

namespace vb::win32 {

// The page's text in GDI: one font per face, size, weight, slant and underline, the widths the
// layout asks for, and the view drawn into a device context. Texts arrive in code page 936.
class GdiPageText final : public TextMeasure {
 public:
  GdiPageText();
  ~GdiPageText() override;
  GdiPageText(const GdiPageText&) = delete;
  GdiPageText& operator=(const GdiPageText&) = delete;

  int Width(std::string_view text, const TextStyle& style) override;

  // The texts of the placed runs and controls in UTF-16, converted once per layout.
  void TakeTexts(const PageLayout& layout);

  // Draws the whole view, `width` x `height` pixels, into `context`, over the tiles of
  // `picture` when there is one.
  void Paint(HDC context, const PageView& view, int width, int height, HBRUSH picture);

 private:
  struct Face {
    HFONT font = nullptr;
    int height = 0;  // ascent and descent: the text is centred in its line by this
  };
  const Face& FaceFor(const TextStyle& style, bool underline);
  void DrawRun(HDC context, const std::wstring& text, int x, int lineTop, const TextStyle& style,
               const RunLook& look);
  void PaintPiece(HDC context, const PageView& view, const StripPiece& piece);

  HDC measuring_ = nullptr;
  std::map<std::tuple<int, bool, bool, bool, std::wstring>, Face> faces_;
  std::vector<std::wstring> runTexts_, controlTexts_;
  int lineHeight_ = 0;
};

}  // namespace vb::win32
