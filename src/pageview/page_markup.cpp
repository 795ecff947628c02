#include "pageview/page_markup.h"

#include <cctype>

#include "pageview/page_text.h"
#include "settings/text_shape.h"

namespace vb {
namespace {

bool IsLetter(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// Reads the tag that starts at `at` (a '<'); its end or npos when it never closes.
std::size_t ReadTag(std::string_view page, std::size_t at, MarkupToken& tag) {
  std::size_t i = at + 1;
  tag.isTag = true;
  tag.closing = page[i] == '/';
  if (tag.closing) ++i;
  std::size_t nameStart = i;
  while (i < page.size() && !IsHtmlSpace(page[i]) && page[i] != '>' && page[i] != '/') ++i;
  tag.name = AsciiLower(page.substr(nameStart, i - nameStart));
  while (i < page.size()) {
    while (i < page.size() && (IsHtmlSpace(page[i]) || page[i] == '/')) ++i;
    if (i >= page.size()) break;
    if (page[i] == '>') return i + 1;
    std::size_t keyStart = i;
    while (i < page.size() && !IsHtmlSpace(page[i]) && page[i] != '=' && page[i] != '>') ++i;
    std::string key = AsciiLower(page.substr(keyStart, i - keyStart));
    std::string value;
    if (i < page.size() && page[i] == '=') {
      ++i;
      if (i < page.size() && (page[i] == '"' || page[i] == '\'')) {
        std::size_t close = page.find(page[i], i + 1);
        if (close == std::string_view::npos) return std::string_view::npos;
        value = page.substr(i + 1, close - i - 1);
        i = close + 1;
      } else {
        std::size_t valueStart = i;
        while (i < page.size() && !IsHtmlSpace(page[i]) && page[i] != '>') ++i;
        value = page.substr(valueStart, i - valueStart);
      }
    }
    tag.attributes.emplace_back(std::move(key), std::move(value));
  }
  return std::string_view::npos;
}

// Where the raw text of a style or script element ends: at its closing tag, in any letter case.
std::size_t RawTextEnd(std::string_view page, std::size_t from, std::string_view name) {
  for (std::size_t at = page.find("</", from); at != std::string_view::npos;
       at = page.find("</", at + 2)) {
    if (AsciiLower(page.substr(at + 2, name.size())) == name) return at;
  }
  return page.size();
}

}  // namespace

std::optional<std::string_view> MarkupToken::Attribute(std::string_view attribute) const {
  for (const auto& [key, value] : attributes) {
    if (key == attribute) return std::string_view(value);
  }
  return std::nullopt;
}

std::vector<MarkupToken> TokenizeMarkup(std::string_view page) {
  std::vector<MarkupToken> tokens;
  std::size_t textStart = 0;
  auto flushText = [&](std::size_t end) {
    if (end <= textStart) return;
    MarkupToken text;
    text.source = page.substr(textStart, end - textStart);
    tokens.push_back(std::move(text));
  };
  std::size_t at = page.find('<');
  while (at != std::string_view::npos) {
    char next = at + 1 < page.size() ? page[at + 1] : '\0';
    char afterSlash = at + 2 < page.size() ? page[at + 2] : '\0';
    if (!IsLetter(next) && !(next == '/' && IsLetter(afterSlash))) {
      at = page.find('<', at + 1);
      continue;
    }
    MarkupToken tag;
    std::size_t end = ReadTag(page, at, tag);
    if (end == std::string_view::npos) break;
    flushText(at);
    tag.source = page.substr(at, end - at);
    bool raw = !tag.closing && (tag.name == "style" || tag.name == "script");
    std::string name = tag.name;
    tokens.push_back(std::move(tag));
    textStart = end;
    if (raw) {
      end = RawTextEnd(page, end, name);
      flushText(end);
      textStart = end;
    }
    at = page.find('<', end);
  }
  flushText(page.size());
  return tokens;
}

}  // namespace vb
