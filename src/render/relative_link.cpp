#include "render/relative_link.h"

#include <algorithm>

#include "settings/text_shape.h"

namespace vb {
namespace {

bool IsLetter(char c) {
  return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}

// The length of the scheme that `address` begins with, colon excluded; 0 when it has none.
std::size_t SchemeLength(std::string_view address) {
  if (address.empty() || !IsLetter(address[0])) return 0;
  for (std::size_t at = 1; at < address.size(); ++at) {
    const char c = address[at];
    if (c == ':') return at;
    if (!IsLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return 0;
  }
  return 0;
}

}  // namespace

void ResolveLink(std::string_view base, std::string_view href, std::string& out) {
  while (!href.empty() && IsHtmlSpace(href.front())) href.remove_prefix(1);
  while (!base.empty() && IsHtmlSpace(base.front())) base.remove_prefix(1);
  while (!base.empty() && IsHtmlSpace(base.back())) base.remove_suffix(1);
  const std::size_t scheme = SchemeLength(base);
  if (href.empty() || SchemeLength(href) > 0 || scheme == 0 ||
      base.substr(scheme).substr(0, 3) != "://") {
    out.assign(href);
    return;
  }
  const std::size_t pathFrom = std::min(base.find_first_of("/?#", scheme + 3), base.size());
  std::size_t keep;  // how much of `base` comes before `href`
  if (href.starts_with("//")) {
    keep = scheme + 1;
  } else if (href.front() == '/') {
    keep = pathFrom;
  } else if (href.front() == '?' || href.front() == '#') {
    keep = std::min(base.find_first_of(href.front() == '?' ? "?#" : "#", pathFrom), base.size());
  } else {
    const std::size_t slash = base.substr(0, base.find_first_of("?#", pathFrom)).rfind('/');
    keep = slash == std::string_view::npos || slash < pathFrom ? pathFrom : slash + 1;
  }
  out.assign(base.substr(0, keep));
  if (keep == pathFrom && href.front() != '/' && href.front() != '?' && href.front() != '#') {
    out += '/';
  }
  out += href;
}

}  // namespace vb
