#include "platform/linux/pango_page_text.h"

#include "settings/text_936.h"

namespace vb {

PangoPageText::PangoPageText(PangoContext* context)
    : layout_(pango_layout_new(context)),
      font_(pango_font_description_from_string("Courier, monospace")) {}

PangoPageText::~PangoPageText() {
  pango_font_description_free(font_);
  g_object_unref(layout_);
}

void PangoPageText::Prepare(std::string_view text, int fontPx, bool bold, bool underline) {
  pango_font_description_set_absolute_size(font_, std::max(1, fontPx) * PANGO_SCALE);
  pango_font_description_set_weight(font_, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_layout_set_font_description(layout_, font_);
  std::string utf8 = Utf8From936(text);
  pango_layout_set_text(layout_, utf8.data(), static_cast<int>(utf8.size()));
  PangoAttrList* attributes = pango_attr_list_new();
  if (underline)
    pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  pango_layout_set_attributes(layout_, attributes);
  pango_attr_list_unref(attributes);
}

int PangoPageText::Width(std::string_view text, int fontPx, bool bold) {
  Prepare(text, fontPx, bold, false);
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout_, &width, &height);
  return width;
}

void PangoPageText::Draw(cairo_t* cr, std::string_view text, int x, int top, int lineHeight,
                         int fontPx, bool bold, std::uint32_t colour, bool underline) {
  Prepare(text, fontPx, bold, underline);
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout_, &width, &height);
  cairo_set_source_rgb(cr, ((colour >> 16) & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                       (colour & 0xFF) / 255.0);
  cairo_move_to(cr, x, top + (lineHeight - height) / 2);
  pango_cairo_show_layout(cr, layout_);
}

}  // namespace vb
