#pragma once

#include <map>
#include <string>
#include <string_view>

#include "pageview/page_model.h"

namespace vb {

// The declarations of a style sheet, by selector in lower case and property in lower case.
using StyleRules = std::map<std::string, std::map<std::string, std::string>>;

// Adds the rules of one style element's text to `rules`; a later rule wins.
void ReadStyleRules(std::string_view sheet, StyleRules& rules);

// The body rule and the link colours as the page's head writes them.
void ReadHeadStyle(std::string_view sheet, const StyleRules& rules, PageHead& head);

// Font sizes and line heights beyond this come from no page the program writes; they are cut
// here so that the layout's sums stay small.
inline constexpr int kLargestPagePixels = 1000;

// A declaration's leading integer ("15", "48px"); empty when it has none.
std::optional<int> LeadingInteger(std::string_view value);

}  // namespace vb
