#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vb {

// What a click on a link of the page hands to the system to open: web, ftp and mail addresses,
// without the blanks a browser would trim. The page also keeps file: and about:blank links,
// and anything else may stand in an update notice; none of those leaves the bar, nor an address
// that holds blanks, control bytes or quotes.
std::optional<std::string> AddressToOpen(std::string_view clicked);

}  // namespace vb
