#include "platform/linux/pango_page_text.h"

#include "settings/text_936.h"

namespace vb {
namespace {

constexpr const char* kPageFamily = "Courier, monospace";

}  // namespace

PangoPageText::PangoPageText(PangoContext* context)
    : layout_(pango_layout_new(context)), font_(pango_font_description_from_string(kPageFamily)) {}

PangoPageText::~PangoPageText() {
  pango_font_description_free(font_);
  g_object_unref(layout_);
}

void PangoPageText::Prepare(std::string_view text, const TextStyle& style, bool underline) {
  std::string family = kPageFamily;
  if (!style.face.empty()) family = Utf8From936(style.face) + "," + family;
  pango_font_description_set_family(font_, family.c_str());
  pango_font_description_set_absolute_size(font_, std::max(1, style.fontPx) * PANGO_SCALE);
  pango_font_description_set_weight(font_, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(font_, style.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_layout_set_font_description(layout_, font_);
  std::string utf8 = Utf8From936(text);
  pango_layout_set_text(layout_, utf8.data(), static_cast<int>(utf8.size()));
  PangoAttrList* attributes = pango_attr_list_new();
  if (underline)
    pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  pango_layout_set_attributes(layout_, attributes);
  pango_attr_list_unref(attributes);
}

int PangoPageText::Width(std::string_view text, const TextStyle& style) {
  Prepare(text, style, false);
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout_, &width, &height);
  return width;
}

void PangoPageText::Draw(cairo_t* cr, std::string_view text, int x, int top, int lineHeight,
                         const TextStyle& style, std::uint32_t colour, bool underline) {
  Prepare(text, style, underline);
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout_, &width, &height);
  cairo_set_source_rgb(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                       (colour & 0xFF) / 255.0);
  cairo_move_to(cr, x, top + (lineHeight - height) / 2);
  pango_cairo_show_layout(cr, layout_);
}

}  // namespace vb
