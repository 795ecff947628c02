#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vb {

// What a click on a link of the page hands to the system to open: web, ftp and mail addresses,
// as a browser's address parser reads them (tabs and line breaks dropped, the ends trimmed) and
// sends them: the path's non-ASCII characters in UTF-8 and the query's in code page 936, both
// percent-encoded, as are blanks, quotes and control bytes. The page also keeps file: and
// about:blank links, and anything else may stand in an update notice; none of those leaves the
// bar, nor an address whose host holds blanks, control bytes or quotes.
std::optional<std::string> AddressToOpen(std::string_view clicked);

}  // namespace vb
