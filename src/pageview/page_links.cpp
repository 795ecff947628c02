#include "pageview/page_links.h"

#include <algorithm>

#include "pageview/page_text.h"
#include "settings/text_936.h"

namespace vb {
namespace {

bool IsControlOrBlank(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte <= 0x20 || byte == 0x7F;
}

// Bytes that a browser percent-encodes in one part of an address: control bytes, non-ASCII ones
// and those of `extra`.
std::string PercentEncoded(std::string_view part, std::string_view extra) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char c : part) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsControlOrBlank(c) || byte >= 0x80 || extra.find(c) != std::string_view::npos) {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::optional<std::string> AddressToOpen(std::string_view clicked) {
  std::string address;
  for (char c : clicked) {
    if (c != '\t' && c != '\n' && c != '\r') address += c;
  }
  const auto start = std::find_if_not(address.begin(), address.end(), IsControlOrBlank);
  const auto end = std::find_if_not(address.rbegin(), address.rend(), IsControlOrBlank).base();
  address = start < end ? std::string(start, end) : std::string();

  const std::string lower = AsciiLower(address);
  if (lower.starts_with("mailto:") && address.size() > 7) {
    std::string_view rest = std::string_view(address).substr(7);
    return "mailto:" + PercentEncoded(Utf8From936(rest), "\"<>`");
  }
  std::string_view scheme;
  for (std::string_view web : {"http:", "https:", "ftp:"}) {
    if (lower.starts_with(web)) scheme = web;
  }
  if (scheme.empty()) return std::nullopt;
  // A web address's backslashes before its query are slashes to a browser.
  const std::size_t queryAt = std::min(address.find('?'), address.find('#'));
  std::replace(address.begin(),
               address.begin() + static_cast<std::ptrdiff_t>(std::min(queryAt, address.size())),
               '\\', '/');
  std::string_view rest = std::string_view(address).substr(scheme.size());
  if (!rest.starts_with("//") || rest.size() == 2) return std::nullopt;
  rest.remove_prefix(2);

  const std::size_t hostEnd = std::min(rest.find_first_of("/?#"), rest.size());
  const std::string_view host = rest.substr(0, hostEnd);
  if (host.empty() || std::any_of(host.begin(), host.end(), [](char c) {
        return IsControlOrBlank(c) || c == '"' || c == '<' || c == '>' || c == '`';
      })) {
    return std::nullopt;
  }
  std::string_view tail = rest.substr(hostEnd);
  const std::size_t fragmentAt = std::min(tail.find('#'), tail.size());
  std::string_view fragment = tail.substr(fragmentAt);
  tail = tail.substr(0, fragmentAt);
  const std::size_t pathEnd = std::min(tail.find('?'), tail.size());
  std::string out = AsciiLower(scheme) + "//" + AsciiLower(host);
  out += PercentEncoded(Utf8From936(tail.substr(0, pathEnd)), "\"#<>?`{}|^");
  // The query keeps the page's code page, as a browser sends it for a gb2312 page.
  out += PercentEncoded(tail.substr(pathEnd), "\"#<>'");
  if (!fragment.empty()) out += "#" + PercentEncoded(Utf8From936(fragment.substr(1)), "\"<>`");
  return out;
}

}  // namespace vb
