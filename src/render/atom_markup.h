#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Atom's markup read by plain search, as the rest of a feed is: elements are found by name,
// never parsed as a tree.
namespace vb {

struct Element {
  std::string_view startTag;  // from its '<' to its '>'
  std::string_view content;   // empty for a self-closing element
  std::size_t end;            // just after the element
};

// True when `text` holds the element name `name` at `at` (just after a '<'), ended by a blank,
// '/' or '>'.
bool NameAt(std::string_view text, std::size_t at, std::string_view name);

// The element `name` whose '<' is at `at` in `body`, up to the first closing tag of that name;
// empty when its start tag or closing tag does not end inside `body`.
std::optional<Element> ElementAt(std::string_view body, std::size_t at, std::string_view name);

// The value of the attribute `name` in a start tag; empty when the tag has no such attribute.
std::optional<std::string_view> AttributeValue(std::string_view startTag, std::string_view name);

// A text construct's content as the text it shows, into `out`: an "html" one is unescaped once
// and loses its tags, an "xhtml" one loses its tags, any other is taken as it stands.
void ConstructText(std::string_view content, std::string_view type, std::string& out);

}  // namespace vb
