#pragma once

#include <pango/pangocairo.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "pageview/page_layout.h"

namespace vb {

// The page's text on GTK: "courier" as a fixed-width family (after a face that a font element
// names), with Chinese falling back through fontconfig. Texts arrive in code page 936.
class PangoPageText : public TextMeasure {
 public:
  explicit PangoPageText(PangoContext* context);
  ~PangoPageText() override;
  PangoPageText(const PangoPageText&) = delete;
  PangoPageText& operator=(const PangoPageText&) = delete;

  int Width(std::string_view text, const TextStyle& style) override;

  // Draws `text` with its left edge at `x`, centred in the line that starts at `top`.
  void Draw(cairo_t* cr, std::string_view text, int x, int top, int lineHeight,
            const TextStyle& style, std::uint32_t colour, bool underline);

 private:
  void Prepare(std::string_view text, const TextStyle& style, bool underline);

  PangoLayout* layout_;
  PangoFontDescription* font_;
};

}  // namespace vb
