#pragma once

#include <optional>
#include <string_view>

#include "pageview/page_model.h"

namespace vb {

// The page's handlers are never run: the few statements it writes are recognised and turned
// into what they would do. Anything else in a handler is ignored.

// A direction as a marquee takes it, in any letter case; anything else scrolls left.
Heading HeadingOf(std::string_view direction);

// An integer written as the page writes numbers: digits joined by '+', '-', '*' or '/', worked
// out from left to right ("3+3", "30/3"). Empty when it starts with no digit.
std::optional<int> IntegerExpression(std::string_view text);

// What a handler's statements do: scrollAmount and direction assignments, start() and stop(),
// clearInterval and setInterval of roll or rroll.
PageAction ReadHandler(std::string_view statements);

}  // namespace vb
