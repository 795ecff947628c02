#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vb {

// The URL to request for an address as the user typed it (code page 936, option suffix cut),
// made valid the way browsers do it: the text becomes UTF-8, and blanks, control and non-ASCII
// bytes and the few characters a URL cannot carry are percent-encoded. An existing %XX escape
// stays as it is; a '%' that starts none is encoded.
std::string RequestUrl(std::string_view typedAddress);

// The file that a file:// request URL names on Windows, in UTF-8 with backslashes: escapes
// decoded, query and fragment dropped; "file:///C:/a", "file://C:\a", "file://localhost/C:/a"
// and "file:///C|/a" all give "C:\a", and "file://server/share/a" the network path
// "\\server\share\a". Nothing for any other scheme.
std::optional<std::string> WindowsFilePath(std::string_view requestUrl);

}  // namespace vb
