#include "pageview/page_links.h"

#include <algorithm>

#include "pageview/page_text.h"

namespace vb {
namespace {

// A blank, control byte or quote inside an address could split the command line that the
// system builds for the handler of the address.
bool SplitsCommandLine(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x20 || byte == 0x7F || c == '"';
}

}  // namespace

std::optional<std::string> AddressToOpen(std::string_view clicked) {
  const std::string_view address = TrimBlanks(clicked);
  if (std::any_of(address.begin(), address.end(), SplitsCommandLine)) return std::nullopt;
  const std::string lower = AsciiLower(address);
  for (std::string_view scheme : {"http://", "https://", "ftp://", "mailto:"}) {
    if (lower.starts_with(scheme) && address.size() > scheme.size()) return std::string(address);
  }
  return std::nullopt;
}

}  // namespace vb
