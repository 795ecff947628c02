#include "fetch/request_url.h"

#include <algorithm>

#include "settings/percent_escapes.h"
#include "settings/text_936.h"

namespace vb {
namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool NeedsEscape(unsigned char c) {
  return c <= 0x20 || c >= 0x7F ||
         std::string_view("\"<>\\^`{|}").find(c) != std::string_view::npos;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b + 32 : b); });
}

bool IsDriveLetter(std::string_view text) {
  return text.size() == 2 && ((text[0] | 0x20) >= 'a' && (text[0] | 0x20) <= 'z') &&
         (text[1] == ':' || text[1] == '|');
}

}  // namespace

std::string RequestUrl(std::string_view typedAddress) {
  const std::string utf8 = Utf8From936(typedAddress);
  std::string url;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (NeedsEscape(c) || (c == '%' && !StartsPercentEscape(utf8, i))) {
      url += '%';
      url += kHexDigits[c >> 4];
      url += kHexDigits[c & 15];
    } else {
      url += static_cast<char>(c);
    }
  }
  return url;
}

std::optional<std::string> WindowsFilePath(std::string_view requestUrl) {
  constexpr std::string_view kScheme = "file:";
  if (!StartsWithIgnoringCase(requestUrl, kScheme)) return std::nullopt;
  std::string_view rest = requestUrl.substr(kScheme.size());
  rest = rest.substr(0, rest.find_first_of("?#"));
  std::string path;
  if (rest.starts_with("//")) {
    rest.remove_prefix(2);
    // A backslash typed after the host arrives escaped.
    std::size_t hostEnd = rest.find('/');
    const std::size_t backslash = rest.find("%5C");
    if (backslash < hostEnd) hostEnd = backslash;
    const std::string_view host = rest.substr(0, hostEnd);
    if (IsDriveLetter(host)) {
      path = PercentDecoded(rest);
    } else if (host.empty() || (host.size() == 9 && StartsWithIgnoringCase(host, "localhost"))) {
      path = PercentDecoded(rest.substr(host.size()));
    } else {
      path = "//" + PercentDecoded(rest);
    }
  } else {
    path = PercentDecoded(rest);
  }
  if (path.size() >= 3 && (path[0] == '/' || path[0] == '\\') && IsDriveLetter(path.substr(1, 2))) {
    path.erase(0, 1);
  }
  // An escaped NUL would end the name early and open another file.
  if (path.find('\0') != std::string::npos) return std::nullopt;
  if (IsDriveLetter(path.substr(0, 2))) path[1] = ':';
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

}  // namespace vb
