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

// The address without its fragment: a reload may carry one.
std::string_view WithoutFragment(std::string_view uri) {
  return uri.substr(0, std::min(uri.find('#'), uri.size()));
}

}  // namespace

LinkVerdict JudgeNavigation(std::string_view uri, std::string_view pageUri) {
  std::string scheme = SchemeOf(uri);
  if (scheme == "javascript") return LinkVerdict::kRefuse;
  if (WithoutFragment(uri) == WithoutFragment(pageUri) || uri == "about:blank") {
    return LinkVerdict::kLoad;
  }
  static constexpr std::string_view kOutside[] = {"http", "https", "ftp", "mailto"};
  if (std::find(std::begin(kOutside), std::end(kOutside), scheme) != std::end(kOutside)) {
    return LinkVerdict::kOpenOutside;
  }
  return LinkVerdict::kRefuse;
}

const char* const kClickGuardScript =
    "document.addEventListener('click',function(e){"
    "for(var n=e.target;n;n=n.parentNode){"
    "if(n.nodeName&&n.nodeName.toLowerCase()==='a'){"
    "var h=(n.getAttribute('href')||'').replace(/[\\u0000-\\u0020]/g,'');"
    "if(/^javascript:/i.test(h))e.preventDefault();"
    "return;}}},true);";

}  // namespace vb
