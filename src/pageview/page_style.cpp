#include "pageview/page_style.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "pageview/page_text.h"
#include "settings/percent_escapes.h"

namespace vb {
namespace {

std::string Value(const StyleRules& rules, const std::string& selector, const std::string& key) {
  auto rule = rules.find(selector);
  if (rule == rules.end()) return {};
  auto value = rule->second.find(key);
  return value == rule->second.end() ? std::string() : value->second;
}

bool IsWebAddress(std::string_view address) {
  const std::string lower = AsciiLower(address.substr(0, 8));
  return lower.starts_with("http://") || lower.starts_with("https://");
}

}  // namespace

std::optional<int> LeadingInteger(std::string_view value) {
  std::size_t at = 0;
  while (at < value.size() && std::isspace(static_cast<unsigned char>(value[at]))) ++at;
  if (at >= value.size() || !std::isdigit(static_cast<unsigned char>(value[at]))) {
    return std::nullopt;
  }
  long long number = 0;
  for (; at < value.size() && std::isdigit(static_cast<unsigned char>(value[at])); ++at) {
    number = std::min<long long>(number * 10 + (value[at] - '0'), INT_MAX);
  }
  return static_cast<int>(number);
}

void ReadStyleRules(std::string_view sheet, StyleRules& rules) {
  while (!sheet.empty()) {
    std::size_t open = sheet.find('{');
    if (open == std::string_view::npos) return;
    std::size_t close = sheet.find('}', open);
    if (close == std::string_view::npos) close = sheet.size();
    std::string selector = AsciiLower(TrimBlanks(sheet.substr(0, open)));
    std::string_view body = sheet.substr(open + 1, close - open - 1);
    while (!body.empty()) {
      std::size_t end = std::min(body.find(';'), body.size());
      std::string_view declaration = body.substr(0, end);
      body.remove_prefix(std::min(end + 1, body.size()));
      std::size_t colon = declaration.find(':');
      if (colon == std::string_view::npos) continue;
      rules[selector][AsciiLower(TrimBlanks(declaration.substr(0, colon)))] =
          std::string(TrimBlanks(declaration.substr(colon + 1)));
    }
    sheet.remove_prefix(std::min(close + 1, sheet.size()));
  }
}

void ReadHeadStyle(std::string_view sheet, const StyleRules& rules, PageHead& head) {
  if (auto size = LeadingInteger(Value(rules, "body", "font")); size && *size > 0) {
    head.fontPx = std::min(*size, kLargestPagePixels);
  }
  if (auto height = LeadingInteger(Value(rules, "body", "line-height"))) {
    head.lineHeight = std::min(*height, kLargestPagePixels);
  }
  // The picture runs to the ")" that the head writes before the link rules. It is written as
  // a URL: a local path names its file once its escapes are decoded, as a browser reads it.
  std::size_t background = sheet.find("background:");
  if (background != std::string_view::npos) {
    std::string_view rest = sheet.substr(background + 11);
    std::size_t url = rest.find(" url(");
    std::size_t ruleEnd = std::min(rest.find('}'), rest.size());
    head.background = std::string(TrimBlanks(rest.substr(0, std::min(url, ruleEnd))));
    if (url != std::string_view::npos) {
      rest.remove_prefix(url + 5);
      std::size_t end = rest.find(")}a:link{");
      if (end == std::string_view::npos) end = std::min(rest.find(')'), rest.size());
      const std::string_view written = TrimBlanks(rest.substr(0, end));
      head.picture = IsWebAddress(written) ? std::string(written) : PercentDecoded(written);
      // An escaped NUL would name a shorter path than the one written.
      if (head.picture.find('\0') != std::string::npos) head.picture.clear();
    }
  }
  head.linkColour = Value(rules, "a:link", "color");
  head.visitedColour = Value(rules, "a:visited", "color");
  head.hoverColour = Value(rules, "a:hover", "color");
}

}  // namespace vb
