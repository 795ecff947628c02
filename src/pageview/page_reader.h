#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "pageview/page_model.h"

namespace vb {

// Reads the page that the renderer writes (code page 936) into its model. Only the page's own
// small grammar and the update notice's a, br, b, strong, i, em, u and font (colour, size, face)
// are understood; other markup in a headline shows as its text, elsewhere it shows nothing, and
// nothing in the page is ever run. Any text gives a model: what is missing keeps the browser's
// defaults.
PageModel ReadPage(std::string_view page);

// The same from the page file, whose CR LF line ends count as LF; empty when it cannot be read,
// is larger than 8 MiB or does not fit in memory.
std::optional<PageModel> ReadPageFile(const std::string& path);

}  // namespace vb
