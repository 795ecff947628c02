#include "render/note_markup.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "render/safe_output.h"

namespace vb {
namespace {

struct AllowedElement {
  std::string_view name;
  std::array<std::string_view, 3> attributes;
};

constexpr std::array<AllowedElement, 8> kAllowed = {{{"a", {"href", "target"}},
                                                     {"font", {"color", "size", "face"}},
                                                     {"b", {}},
                                                     {"i", {}},
                                                     {"u", {}},
                                                     {"em", {}},
                                                     {"strong", {}},
                                                     {"br", {}}}};

using Attribute = std::pair<std::string, std::string>;  // name in lower case, value as written

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

bool IsLetter(char c) {
  return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c | 0x20) : c;
}

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(), Lower);
  return lowered;
}

bool IsLead(unsigned char c) {
  return c >= 0x81 && c <= 0xFE;
}

bool IsTrail(unsigned char c) {
  return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFE);
}

// Appends `text`, each character whole: a lead byte without its second byte goes to `lone`,
// every other byte to `one`.
template <typename One, typename Lone>
void ForEachByte(std::string_view text, One one, Lone lone) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!IsLead(byte)) {
      one(text[i]);
    } else if (i + 1 < text.size() && IsTrail(static_cast<unsigned char>(text[i + 1]))) {
      one(text[i]);
      one(text[++i]);
    } else {
      lone(text[i]);
    }
  }
}

void AppendText(std::string& out, std::string_view text) {
  std::string whole;
  ForEachByte(
      text, [&](char c) { whole += c; }, [](char) {});
  AppendVisibleText(out, whole);
}

// The value with its ASCII character references resolved, as a browser reads an attribute.
// Others stay as written; escaping their '&' later keeps them text.
std::string DecodedValue(std::string_view value) {
  static constexpr std::array<std::pair<std::string_view, char>, 5> kNamed = {
      {{"amp;", '&'}, {"lt;", '<'}, {"gt;", '>'}, {"quot;", '"'}, {"apos;", '\''}}};
  std::string decoded;
  for (std::size_t at = 0; at < value.size();) {
    if (value[at] != '&') {
      decoded += value[at++];
      continue;
    }
    const std::string_view rest = value.substr(at + 1);
    std::optional<std::pair<char, std::size_t>> reference;  // character, length after '&'
    for (const auto& [name, c] : kNamed) {
      if (rest.starts_with(name)) reference = {c, name.size()};
    }
    if (rest.starts_with('#')) {
      const bool hex = rest.size() > 1 && (rest[1] | 0x20) == 'x';
      std::size_t end = hex ? 2 : 1;
      long code = 0;
      while (end < rest.size() && end < 12) {
        const char c = Lower(rest[end]);
        const int digit = c >= '0' && c <= '9'          ? c - '0'
                          : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                        : -1;
        if (digit < 0) break;
        code = code * (hex ? 16 : 10) + digit;
        ++end;
      }
      if (end < rest.size() && rest[end] == ';') ++end;
      if (end > (hex ? 2u : 1u) && code > 0 && code < 0x80) {
        reference = {static_cast<char>(code), end};
      }
    }
    if (reference) {
      decoded += reference->first;
      at += 1 + reference->second;
    } else {
      decoded += value[at++];
    }
  }
  return decoded;
}

bool IsHttpAddress(std::string_view address) {
  const std::string lowered = Lowered(address.substr(0, 8));
  return lowered.starts_with("http://") || lowered.starts_with("https://");
}

// An http or https address as a browser reads it: tabs and line breaks out, leading and
// trailing control bytes and blanks trimmed. Empty for any other address.
std::string WebAddress(std::string_view value) {
  std::string address = DecodedValue(value);
  std::erase_if(address, [](char c) { return c == '\t' || c == '\n' || c == '\r'; });
  const auto trimmed = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  const auto first = std::find_if_not(address.begin(), address.end(), trimmed);
  const auto last = std::find_if_not(address.rbegin(), address.rend(), trimmed).base();
  address = first < last ? std::string(first, last) : std::string();
  return IsHttpAddress(address) ? address : std::string();
}

void AppendAttributeValue(std::string& out, std::string_view value, bool isAddress) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const auto percent = [&](char c) {
    const auto byte = static_cast<unsigned char>(c);
    out += '%';
    out += kHex[byte >> 4];
    out += kHex[byte & 0x0F];
  };
  ForEachByte(
      value,
      [&](char c) {
        if (c == '&') {
          out += "&amp;";
        } else if (c == '"') {
          out += "&quot;";
        } else if (c == '<') {
          out += "&lt;";
        } else if (c == '>') {
          out += "&gt;";
        } else if (isAddress && (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F)) {
          percent(c);
        } else {
          out += c;
        }
      },
      [&](char c) {
        if (isAddress) percent(c);
      });
}

const AllowedElement* Allowed(std::string_view name) {
  for (const AllowedElement& element : kAllowed) {
    if (element.name == name) return &element;
  }
  return nullptr;
}

bool KeptAnywhere(std::string_view attribute) {
  return std::any_of(kAllowed.begin(), kAllowed.end(), [&](const AllowedElement& element) {
    return !attribute.empty() && std::find(element.attributes.begin(), element.attributes.end(),
                                           attribute) != element.attributes.end();
  });
}

void AppendStartTag(std::string& out, const AllowedElement& element,
                    const std::vector<Attribute>& attributes) {
  out += '<';
  out += element.name;
  for (const auto& [name, value] : attributes) {
    if (std::find(element.attributes.begin(), element.attributes.end(), name) ==
        element.attributes.end()) {
      continue;
    }
    const bool isAddress = name == "href";
    const std::string written = isAddress ? WebAddress(value) : DecodedValue(value);
    if (isAddress && written.empty()) continue;
    out += ' ';
    out += name;
    out += "=\"";
    AppendAttributeValue(out, written, isAddress);
    out += '"';
  }
  out += '>';
}

class NoteReader {
 public:
  explicit NoteReader(std::string_view note) : note_(note.substr(0, note.find('\0'))) {}

  std::string Read() {
    while (at_ < note_.size()) {
      const std::size_t open = note_.find('<', at_);
      AppendText(out_, note_.substr(at_, open - at_));
      if (open == std::string_view::npos) break;
      at_ = open;
      Markup();
    }
    return std::move(out_);
  }

 private:
  // At a '<': a tag, a comment, or a '<' that stays text.
  void Markup() {
    const std::string_view rest = note_.substr(at_);
    if (rest.starts_with("<!--")) {
      Skip(std::min(After(rest, "-->", 2), After(rest, "--!>", 2)));
    } else if (rest.starts_with("<!") || rest.starts_with("<?")) {
      Skip(After(rest, ">", 2));
    } else if (rest.starts_with("</")) {
      EndTag(rest);
    } else if (rest.size() > 1 && IsLetter(rest[1])) {
      StartTag();
    } else {
      out_ += "&lt;";
      ++at_;
    }
  }

  // How far past `at_` the first `end` at or after `from` ends; the rest of the note without it.
  std::size_t After(std::string_view rest, std::string_view end, std::size_t from) const {
    const std::size_t found = rest.find(end, from);
    return found == std::string_view::npos ? rest.size() : found + end.size();
  }

  void Skip(std::size_t length) { at_ += length; }

  std::string_view Name(std::string_view rest, std::size_t from) const {
    std::size_t end = from;
    while (end < rest.size() && !IsSpace(rest[end]) && rest[end] != '/' && rest[end] != '>') ++end;
    return rest.substr(from, end - from);
  }

  void EndTag(std::string_view rest) {
    const bool ended = rest.find('>', 2) != std::string_view::npos;
    Skip(After(rest, ">", 2));
    if (!ended || !IsLetter(rest[2])) return;
    const std::string name = Lowered(Name(rest, 2));
    if (name != "br" && Allowed(name) != nullptr) out_ += "</" + name + ">";
  }

  void StartTag() {
    const std::string_view rest = note_.substr(at_);
    const std::string name = Lowered(Name(rest, 1));
    std::size_t at = 1 + name.size();
    std::vector<Attribute> attributes;
    while (true) {
      while (at < rest.size() && (IsSpace(rest[at]) || rest[at] == '/')) ++at;
      if (at >= rest.size()) return Skip(rest.size());  // a tag the note never ends
      if (rest[at] == '>') break;
      const std::size_t nameFrom = at++;
      while (at < rest.size() && !IsSpace(rest[at]) && rest[at] != '/' && rest[at] != '>' &&
             rest[at] != '=') {
        ++at;
      }
      std::string attribute = Lowered(rest.substr(nameFrom, at - nameFrom));
      std::size_t look = at;
      while (look < rest.size() && IsSpace(rest[look])) ++look;
      std::string_view value;
      if (look < rest.size() && rest[look] == '=') {
        at = look + 1;
        while (at < rest.size() && IsSpace(rest[at])) ++at;
        if (at < rest.size() && (rest[at] == '"' || rest[at] == '\'')) {
          const std::size_t close = rest.find(rest[at], at + 1);
          if (close == std::string_view::npos) return Skip(rest.size());
          value = rest.substr(at + 1, close - at - 1);
          at = close + 1;
        } else {
          const std::size_t from = at;
          while (at < rest.size() && !IsSpace(rest[at]) && rest[at] != '>') ++at;
          value = rest.substr(from, at - from);
        }
      }
      // The first of two attributes of one name counts, as in a browser; only names that some
      // element keeps are worth keeping.
      if (KeptAnywhere(attribute) &&
          std::none_of(attributes.begin(), attributes.end(),
                       [&](const Attribute& a) { return a.first == attribute; })) {
        attributes.emplace_back(std::move(attribute), std::string(value));
      }
    }
    Skip(at + 1);
    if (const AllowedElement* element = Allowed(name)) {
      AppendStartTag(out_, *element, attributes);
    } else if (name == "script" || name == "style") {
      SkipRawText(name);
    }
  }

  // What a script or style holds, up to its end tag, which is then read as any end tag.
  void SkipRawText(const std::string& name) {
    std::size_t end = note_.find("</", at_);
    while (end != std::string_view::npos && Lowered(note_.substr(end + 2, name.size())) != name) {
      end = note_.find("</", end + 2);
    }
    at_ = end == std::string_view::npos ? note_.size() : end;
  }

  std::string_view note_;
  std::size_t at_ = 0;
  std::string out_;
};

}  // namespace

std::string AllowedNoteMarkup(std::string_view note) {
  return NoteReader(note).Read();
}

}  // namespace vb
