#include "render/safe_output.h"

#include <algorithm>
#include <array>

#include "render/whole_characters.h"
#include "settings/percent_escapes.h"

namespace vb {
namespace {

constexpr std::string_view kBlank = "about:blank";
constexpr std::array<std::string_view, 6> kAllowedStarts = {"http://", "https://", "ftp://",
                                                            "file://", "mailto:",  "about:blank"};
// A feed's links lead to the web or to mail only: a file: link could open a program or hand the
// user's credentials to another machine's share.
constexpr std::array<std::string_view, 4> kItemLinkStarts = {"http://", "https://", "ftp://",
                                                             "mailto:"};

bool IsTrimmed(char c) {
  return c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
  if (text.size() < start.size()) return false;
  for (std::size_t i = 0; i < start.size(); ++i) {
    if (Lower(text[i]) != start[i]) return false;
  }
  return true;
}

bool EndsHref(unsigned char c) {
  return c <= 0x20 || c == 0x7F || c == '"' || c == '\'' || c == '<' || c == '>' || c == '`';
}

bool EndsStyleUrl(unsigned char c) {
  return c <= 0x20 || c == 0x7F || c == '"' || c == '\'' || c == '(' || c == ')' || c == '<' ||
         c == '>' || c == ';' || c == '{' || c == '}';
}

// Appends `text` with every byte that `mustEncode` names as %XX, and so a lead byte that ends
// the text: the byte after it is the frame's delimiter.
void AppendPercentEncoded(std::string& out, std::string_view text,
                          bool (*mustEncode)(unsigned char)) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const bool lastIsLoneLead = EndsInsideCharacter(text);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (mustEncode(byte) || (lastIsLoneLead && i + 1 == text.size())) {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    } else {
      out += text[i];
    }
  }
}

// Appends `link` trimmed and encoded when it begins with one of `starts`, else about:blank.
template <std::size_t N>
void AppendLinkStarting(std::string& out, std::string_view link,
                        const std::array<std::string_view, N>& starts) {
  while (!link.empty() && IsTrimmed(link.front())) link.remove_prefix(1);
  while (!link.empty() && IsTrimmed(link.back())) link.remove_suffix(1);
  bool allowed = false;
  for (std::string_view start : starts) allowed = allowed || StartsWithIgnoringCase(link, start);
  if (!allowed) {
    out += kBlank;
    return;
  }
  AppendPercentEncoded(out, link, EndsHref);
}

bool IsDriveOrLocalHost(std::string_view host) {
  const bool drive = host.size() == 2 && ((host[0] | 0x20) >= 'a' && (host[0] | 0x20) <= 'z') &&
                     (host[1] == ':' || host[1] == '|');
  return host.empty() || drive || (host.size() == 9 && StartsWithIgnoringCase(host, "localhost"));
}

// Whether a picture address, read as Windows reads a path or a file: address (either slash,
// escapes decoded), names a share on another machine, which it would be fetched from unasked.
bool NamesAnotherMachine(std::string_view address) {
  std::string path = PercentDecoded(address);
  std::replace(path.begin(), path.end(), '\\', '/');
  std::string_view rest = path;
  while (!rest.empty() && IsTrimmed(rest.front())) rest.remove_prefix(1);
  if (StartsWithIgnoringCase(rest, "file:")) {
    rest.remove_prefix(5);
    if (rest.starts_with("//")) {
      rest.remove_prefix(2);
      const std::string_view host = rest.substr(0, rest.find('/'));
      if (!IsDriveOrLocalHost(host)) return true;
      rest.remove_prefix(host.size());
    }
  }
  return rest.starts_with("//");
}

}  // namespace

void AppendSafeLink(std::string& out, std::string_view link) {
  AppendLinkStarting(out, link, kAllowedStarts);
}

void AppendItemLink(std::string& out, std::string_view link) {
  AppendLinkStarting(out, link, kItemLinkStarts);
}

void AppendStyleUrl(std::string& out, std::string_view address) {
  // Windows takes either separator, and a backslash left in would start a CSS escape, which can
  // hide a script address from the test below.
  std::string slashed(address);
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  if (NamesAnotherMachine(slashed)) return;
  // Some browsers run a script address given as a background.
  for (std::string_view script : {"javascript:", "vbscript:"}) {
    if (StartsWithIgnoringCase(slashed, script)) return;
  }
  AppendPercentEncoded(out, slashed, EndsStyleUrl);
}

void AppendTooltipText(std::string& out, std::string_view text) {
  const std::size_t from = out.size();
  out += text;
  for (std::size_t i = from; i < out.size(); ++i) {
    if (out[i] == '"') out[i] = '\'';
  }
}

void AppendVisibleText(std::string& out, std::string_view text) {
  for (char c : text) {
    if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else {
      out += c;
    }
  }
}

}  // namespace vb
