#include "render/safe_output.h"

#include <array>

#include "render/whole_characters.h"

namespace vb {
namespace {

constexpr std::string_view kBlank = "about:blank";
constexpr std::array<std::string_view, 6> kAllowedStarts = {"http://", "https://", "ftp://",
                                                            "file://", "mailto:",  "about:blank"};

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

}  // namespace

void AppendSafeLink(std::string& out, std::string_view link) {
  while (!link.empty() && IsTrimmed(link.front())) link.remove_prefix(1);
  while (!link.empty() && IsTrimmed(link.back())) link.remove_suffix(1);
  bool allowed = false;
  for (std::string_view start : kAllowedStarts)
    allowed = allowed || StartsWithIgnoringCase(link, start);
  if (!allowed) {
    out += kBlank;
    return;
  }
  AppendPercentEncoded(out, link, EndsHref);
}

void AppendStyleUrl(std::string& out, std::string_view address) {
  // Some browsers run a script address given as a background.
  for (std::string_view script : {"javascript:", "vbscript:"}) {
    if (StartsWithIgnoringCase(address, script)) return;
  }
  AppendPercentEncoded(out, address, EndsStyleUrl);
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
