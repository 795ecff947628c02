#pragma once

#include <string>
#include <string_view>

// Feed text and settings are outside input written into a page that runs script; these keep
// them from becoming markup or a script address.
namespace vb {

// Appends `link` as an unquoted href value: trimmed of blanks, "about:blank" unless it begins
// with an allowed scheme, and with every byte that could end the value or open markup
// percent-encoded.
void AppendSafeLink(std::string& out, std::string_view link);

// The same for a feed item's link, which keeps only an http, https, ftp or mailto address.
void AppendItemLink(std::string& out, std::string_view link);

// Appends `address` for an unquoted CSS url(...): backslashes become slashes, every byte that
// could end the value, the rule or the style element is percent-encoded; a script address and
// one that names another machine's share are left out.
void AppendStyleUrl(std::string& out, std::string_view address);

// Appends `text` for a title="..." value: every '"' becomes '\''.
void AppendTooltipText(std::string& out, std::string_view text);

// Appends `text` as visible text: '<' and '>' become "&lt;" and "&gt;".
void AppendVisibleText(std::string& out, std::string_view text);

}  // namespace vb
