#include "render/safe_output.h"

#include <array>

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

bool NeedsEncoding(unsigned char c) {
  return c <= 0x20 || c == 0x7F || c == '"' || c == '\'' || c == '<' || c == '>' || c == '`';
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
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (char c : link) {
    const auto byte = static_cast<unsigned char>(c);
    if (NeedsEncoding(byte)) {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    } else {
      out += c;
    }
  }
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
