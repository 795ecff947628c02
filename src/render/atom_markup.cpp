#include "render/atom_markup.h"

#include <algorithm>
#include <array>

namespace vb {
namespace {

// XML's white space: HTML's less the form feed.
bool IsXmlSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool EndsName(char c) {
  return IsXmlSpace(c) || c == '/' || c == '>';
}

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && IsXmlSpace(text[at])) ++at;
  return at;
}

// The character that a character reference names, when it is ASCII; markup characters among
// them matter, the rest the browser reads as well as we would.
std::optional<char> AsciiReference(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, char>, 5> kNamed = {
      {{"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}}};
  for (const auto& [named, c] : kNamed) {
    if (name == named) return c;
  }
  if (name.size() < 2 || name[0] != '#') return std::nullopt;
  const bool hex = name[1] == 'x' || name[1] == 'X';
  const std::string_view digits = name.substr(hex ? 2 : 1);
  if (digits.empty() || digits.size() > 3) return std::nullopt;
  int value = 0;
  for (const char c : digits) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (hex && (c | 0x20) >= 'a' && (c | 0x20) <= 'f') digit = (c | 0x20) - 'a' + 10;
    if (digit < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + digit;
  }
  if (value == 0 || value > 0x7F) return std::nullopt;
  return static_cast<char>(value);
}

// Resolves every ASCII character reference once, left to right.
void Unescape(std::string_view text, std::string& out) {
  out.clear();
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t amp = text.find('&', at);
    if (amp == std::string_view::npos) {
      out += text.substr(at);
      break;
    }
    out += text.substr(at, amp - at);
    const std::size_t length = text.substr(amp, 10).find(';');
    const std::optional<char> c = length == std::string_view::npos
                                      ? std::nullopt
                                      : AsciiReference(text.substr(amp + 1, length - 1));
    out += c.value_or('&');
    at = c ? amp + length + 1 : amp + 1;
  }
}

// Drops every "<...>"; a '<' without a '>' after it stays as text.
void DropTags(std::string& text) {
  std::size_t kept = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t open = text.find('<', at);
    const std::size_t close = open == std::string::npos ? open : text.find('>', open);
    const std::size_t to = close == std::string::npos ? text.size() : open;
    if (kept != at) std::copy(text.begin() + at, text.begin() + to, text.begin() + kept);
    kept += to - at;
    at = close == std::string::npos ? text.size() : close + 1;
  }
  text.resize(kept);
}

}  // namespace

bool NameAt(std::string_view text, std::size_t at, std::string_view name) {
  return text.substr(at).starts_with(name) && at + name.size() < text.size() &&
         EndsName(text[at + name.size()]);
}

std::optional<Element> ElementAt(std::string_view body, std::size_t at, std::string_view name) {
  const std::size_t tagEnd = body.find('>', at);
  if (tagEnd == std::string_view::npos) return std::nullopt;
  Element element{body.substr(at, tagEnd + 1 - at), {}, tagEnd + 1};
  if (body[tagEnd - 1] == '/') return element;
  std::string closing = "</";
  closing.append(name).append(">");
  const std::size_t close = body.find(closing, tagEnd + 1);
  if (close == std::string_view::npos) return std::nullopt;
  element.content = body.substr(tagEnd + 1, close - tagEnd - 1);
  element.end = close + closing.size();
  return element;
}

std::optional<std::string_view> AttributeValue(std::string_view startTag, std::string_view name) {
  std::size_t at = 1;
  while (at < startTag.size() && !EndsName(startTag[at])) ++at;  // the element's name
  while (true) {
    at = SkipBlanks(startTag, at);
    const std::size_t nameFrom = at;
    while (at < startTag.size() && !EndsName(startTag[at]) && startTag[at] != '=') ++at;
    if (at == nameFrom) return std::nullopt;  // '/', '>' or the end
    const std::string_view attribute = startTag.substr(nameFrom, at - nameFrom);
    at = SkipBlanks(startTag, at);
    if (at >= startTag.size() || startTag[at] != '=') continue;
    at = SkipBlanks(startTag, at + 1);
    if (at >= startTag.size()) return std::nullopt;
    const char quote = startTag[at];
    const bool quoted = quote == '"' || quote == '\'';
    const std::size_t valueFrom = quoted ? at + 1 : at;
    std::size_t valueTo = valueFrom;
    while (valueTo < startTag.size() &&
           (quoted ? startTag[valueTo] != quote : !EndsName(startTag[valueTo]))) {
      ++valueTo;
    }
    if (attribute == name) return startTag.substr(valueFrom, valueTo - valueFrom);
    at = quoted ? valueTo + 1 : valueTo;
  }
}

void ConstructText(std::string_view content, std::string_view type, std::string& out) {
  if (type == "html") {
    Unescape(content, out);
  } else {
    out.assign(content);
  }
  if (type == "html" || type == "xhtml") DropTags(out);
}

}  // namespace vb
