#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vb {

// One piece of the page as a lenient browser meets it: a tag or the text between tags.
struct MarkupToken {
  bool isTag = false;
  bool closing = false;                                         // </name>
  std::string name;                                             // the tag's name in lower case
  std::vector<std::pair<std::string, std::string>> attributes;  // names in lower case, values raw
  std::string_view source;                                      // the bytes of the token as written

  std::optional<std::string_view> Attribute(std::string_view attribute) const;
};

// The page's tokens in order. A '<' that opens no tag, and a tag that never ends, are text.
// The contents of style and script elements come as one text token each.
std::vector<MarkupToken> TokenizeMarkup(std::string_view page);

}  // namespace vb
