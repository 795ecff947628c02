#include "platform/linux/link_policy.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace vb {
namespace {

// The scheme in lower case, with the blanks and control bytes that browsers skip before it.
std::string SchemeOf(std::string_view uri) {
  std::size_t start = 0;
  while (start < uri.size() && static_cast<unsigned char>(uri[start]) <= ' ') ++start;
  std::string scheme;
  for (std::size_t i = start; i < uri.size(); ++i) {
    unsigned char c = uri[i];
    if (c == ':') return scheme;
    if (c == '\t' || c == '\n' || c == '\r') continue;  // ignored inside a scheme by URL parsers
    if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return {};
    scheme += static_cast<char>(std::tolower(c));
  }
  return {};
}

}  // namespace

bool OpensOutside(std::string_view uri) {
  static constexpr std::string_view kOutside[] = {"http", "https", "ftp", "mailto"};
  return std::find(std::begin(kOutside), std::end(kOutside), SchemeOf(uri)) != std::end(kOutside);
}

}  // namespace vb
