#pragma once

#include <string>
#include <string_view>

// Feed text is remote input written into a page that runs script; these keep it from becoming
// markup or a script address.
namespace vb {

// Appends `link` as an unquoted href value: trimmed of blanks, "about:blank" unless it begins
// with an allowed scheme, and with every byte that could end the value or open markup
// percent-encoded.
void AppendSafeLink(std::string& out, std::string_view link);

// Appends `text` for a title="..." value: every '"' becomes '\''.
void AppendTooltipText(std::string& out, std::string_view text);

// Appends `text` as visible text: '<' and '>' become "&lt;" and "&gt;".
void AppendVisibleText(std::string& out, std::string_view text);

}  // namespace vb
