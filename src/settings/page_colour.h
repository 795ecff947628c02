#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/setting_limits.h"

namespace vb {

// A colour as the page writes it: "RrGgBb" in hexadecimal or a name such as "red", at most six
// ASCII letters or digits, kept as written so that the settings file keeps its bytes. Empty is a
// colour too (the page then has none).
class PageColour {
 public:
  // A colour the program names itself.
  template <std::size_t N>
  explicit PageColour(const char (&literal)[N]) : text_(literal) {
    static_assert(N <= limits::kColourChars + 1);
  }

  // The first six characters of `text`; nullopt when they could become markup or script.
  static std::optional<PageColour> From(std::string_view text);

  const std::string& text() const { return text_; }
  bool operator==(const PageColour& other) const = default;

 private:
  PageColour() = default;
  std::string text_;
};

}  // namespace vb
