#include "settings/page_colour.h"

#include "settings/text_shape.h"

namespace vb {

std::optional<PageColour> PageColour::From(std::string_view text) {
  text = text.substr(0, limits::kColourChars);
  if (!IsAsciiLettersOrDigits(text)) return std::nullopt;
  PageColour colour;
  colour.text_ = text;
  return colour;
}

}  // namespace vb
