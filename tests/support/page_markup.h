#pragma once

#include <strings.h>

#include <algorithm>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

// Reads a rendered page the way a browser's tokenizer meets it and names the first piece of
// markup that the renderer does not write itself: a tag, an attribute or a script address that
// came from a feed, a setting or an option.
namespace vb::testing {

namespace page_markup {

// A frame piece as a pattern: '#' stands for ASCII digits, '@' for ASCII letters (or none), '%'
// for a colour (ASCII letters and digits, or none), '~' for a picture address that cannot end
// the url(...) or the style nor hold a CSS escape; everything else stands for itself.
inline std::regex Shape(std::string_view piece) {
  std::string pattern;
  for (char c : piece) {
    if (c == '#') {
      pattern += "[0-9]+";
    } else if (c == '@') {
      pattern += "[A-Za-z]*";
    } else if (c == '%') {
      pattern += "[A-Za-z0-9]*";
    } else if (c == '~') {
      pattern += R"(([^\x00-\x20\x7F"'()<>;{}\\]*))";
    } else {
      if (std::string_view(R"(\^$.|?*+()[]{}/)").find(c) != std::string_view::npos) pattern += '\\';
      pattern += c;
    }
  }
  return std::regex(pattern);
}

inline const std::vector<std::string_view>& FixedTags() {
  static const std::vector<std::string_view> tags = {
      "<meta http-equiv=Content-Type content=\"text/html; charset=gb2312\">",
      "<body oncontextmenu=return(false) scroll=no>",
      "<STYLE TYPE=\"text/css\">a.b1:link{color:ff0000;text-decoration:none}a.b1:visited{color:"
      "ff0000;text-decoration:none}a.b1:hover{color:00ff00;text-decoration:none}a.b2:link{color:"
      "00ff00;text-decoration:none}a.b2:visited{color:00ff00;text-decoration:none}a.b2:hover{"
      "color:ff0000;text-decoration:none}</STYLE>",
      "<div style=\"position:absolute;font-size:15;top:0;left:20;z-index:2\">",
      "<a id=f href='javascript:void(0)' CLASS=b1>",
      "<a id=s href='javascript:void(0)' CLASS=b2>",
      "<a id=b href='javascript:void(0)' CLASS=b1>",
      "<a href='javascript:void(0)' CLASS=b2 onmouseover=m.stop()>",
      "<div style=\"position:absolute;top:0;left:72;z-index:1\">",
      "<div id=d>",
      "<div>",
      "</div>",
      "</a>",
      "</marquee>",
      "<a>",
      "<font color=red>"};
  return tags;
}

inline const std::vector<std::regex>& ShapedTags() {
  static const std::vector<std::regex> tags = [] {
    std::vector<std::regex> shapes;
    shapes.push_back(
        Shape("<style type=\"text/css\">body{margin:0;padding:0;font:# courier;line-height:#px;"
              "background:% url(~)}a:link{color:%;text-decoration:none}a:visited{color:%;"
              "text-decoration:none}a:hover{color:%;text-decoration:underline}</style>"));
    for (const char* toward : {"left", "up", "right", "down"}) {
      const bool first = toward[0] == 'l' || toward[0] == 'u';
      shapes.push_back(Shape(std::string(first ? "<a id=f " : "<a ") +
                             "href='javascript:void(0)' CLASS=b1 onmouseover=\"m.scrollAmount=#+3;"
                             "m.direction='" +
                             toward +
                             "';m.start()\" onmouseout=\"m.scrollAmount=#;m.direction='@'\">"));
    }
    shapes.push_back(Shape(
        "<div style=\"position:absolute;top:0;left:72;z-index:1;overflow:hidden;height:#px\">"));
    for (const char* height : {"", " height=#"}) {
      shapes.push_back(
          Shape(std::string("<marquee id=m onmouseover='this.stop()' onmouseout='this.start()' "
                            "direction=@") +
                height + " scrollamount=# scrollDelay=# truespeed>"));
    }
    shapes.push_back(Shape(
        "<script>var t=setInterval(roll,#);var c=document.getElementById(\"d\");function "
        "roll(){var i=#;while(i-->0) c.appendChild(c.firstChild)};function rroll(){var "
        "i=#;while(i-->0) c.insertBefore(c.removeChild(c.lastChild),c.firstChild);};"
        "d.onmouseover=function(){clearInterval(t);};d.onmouseout=function(){t=setInterval(roll,#)"
        ";};f.onmouseover=function(){clearInterval(t);t=setInterval(roll,#/3);};f.onmouseout="
        "function(){clearInterval(t);t=setInterval(roll,#);};s.onmouseover=function(){"
        "clearInterval(t)};b.onmouseover=function(){clearInterval(t);t=setInterval(rroll,#/3);};"
        "b.onmouseout=function(){clearInterval(t);t=setInterval(rroll,#);}</script>"));
    // Item lines and the notice line; the link is checked on its own.
    shapes.emplace_back("<a href=([^ \"'<>`\t\n\r\f]*)( title=\"[^\"]*\")? target=_blank>");
    return shapes;
  }();
  return tags;
}

inline bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && strncasecmp(text.data(), start.data(), start.size()) == 0;
}

template <typename Starts = std::initializer_list<std::string_view>>
bool StartsWithAnyOf(std::string_view text, const Starts& starts) {
  return std::ranges::any_of(starts, [&](auto s) { return StartsWithIgnoringCase(text, s); });
}

// Where an item line may lead; the notice line may also lead to a file, the update notice only
// to the web.
inline constexpr std::string_view kItemSchemes[] = {"http://", "https://", "ftp://",
                                                    "mailto:", "about:blank"};
inline constexpr std::string_view kWebSchemes[] = {"http://", "https://"};

// The update notice's own markup: its allowed elements with quoted attribute values.
inline const std::regex& NoteTag() {
  static const std::regex tag(
      R"(<(a|font|b|i|u|em|strong|br)( (href|target|color|size|face)="[^"<>]*")*>)"
      R"(|</(a|font|b|i|u|em|strong)>)");
  return tag;
}

inline int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f') return (c | 0x20) - 'a' + 10;
  return -1;
}

// Why a background picture address is not one to write: a script address, or another
// machine's share as Windows reads the path.
inline std::string PictureFault(const std::string& picture) {
  if (StartsWithAnyOf(picture, {"javascript:", "vbscript:"})) return "picture " + picture;
  std::string decoded;  // escapes decoded and either slash, as Windows reads a file's path
  for (std::size_t i = 0; i < picture.size(); ++i) {
    if (picture[i] == '%' && i + 2 < picture.size() && HexValue(picture[i + 1]) >= 0 &&
        HexValue(picture[i + 2]) >= 0) {
      decoded += static_cast<char>(HexValue(picture[i + 1]) * 16 + HexValue(picture[i + 2]));
      i += 2;
    } else {
      decoded += picture[i];
    }
  }
  std::replace(decoded.begin(), decoded.end(), '\\', '/');
  std::string_view path = decoded;
  if (StartsWithIgnoringCase(path, "file://")) {
    path.remove_prefix(7);
    const std::string_view host = path.substr(0, path.find('/'));
    const bool local = host.empty() || StartsWithIgnoringCase(host, "localhost") ||
                       (host.size() == 2 && (host[1] == ':' || host[1] == '|'));
    if (!local) return "picture on another machine " + picture;
    path.remove_prefix(host.size());
  }
  return path.starts_with("//") ? "picture on another machine " + picture : "";
}

// The address as CSS reads a url(...): "\" and up to six hex digits (and one blank after them)
// is that character, "\" and any other character is that character.
inline std::string CssUnescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    std::size_t digits = 0;
    long code = 0;
    while (digits < 6 && i + 1 + digits < text.size() && HexValue(text[i + 1 + digits]) >= 0) {
      code = code * 16 + HexValue(text[i + 1 + digits]);
      ++digits;
    }
    if (digits == 0) {
      out += text[++i];
      continue;
    }
    out += code > 0 && code < 0x80 ? static_cast<char>(code) : '?';
    i += digits;
    if (i + 1 < text.size() && (text[i + 1] == ' ' || text[i + 1] == '\t' || text[i + 1] == '\n'))
      ++i;
  }
  return out;
}

inline bool OpensMarkup(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '/' || c == '!' || c == '?';
}

// A double-byte lead (0x81 to 0xFE) whose second byte ends a value or a tag: a browser that
// pairs the two loses the delimiter.
inline std::string SwallowedDelimiter(const std::string& page) {
  for (std::size_t i = 0; i < page.size(); ++i) {
    const auto byte = static_cast<unsigned char>(page[i]);
    if (byte < 0x81 || byte == 0xFF) continue;
    if (i + 1 == page.size()) return "a lead byte ends the page";
    if (std::string_view(" \t\n\r\f\"'<>").find(page[i + 1]) != std::string_view::npos) {
      return "lead byte before a delimiter at " + std::to_string(i) + ": " + page.substr(i, 40);
    }
    ++i;
  }
  return {};
}

}  // namespace page_markup

// Empty when the page holds nothing but the frame's own markup, item lines whose links lead to
// the web or to mail, a notice line and the update notice's allowed markup with web links; else
// the first piece that is not.
inline std::string PageMarkupFault(const std::string& page) {
  using namespace page_markup;
  for (std::size_t at = page.find('<'); at != std::string::npos; at = page.find('<', at)) {
    if (at + 1 == page.size() || !OpensMarkup(page[at + 1])) {
      ++at;  // a '<' that stays text, as in the control bar's "< "
      continue;
    }
    const std::string_view rest = std::string_view(page).substr(at);
    const auto fixed =
        std::ranges::find_if(FixedTags(), [&](auto t) { return rest.starts_with(t); });
    if (fixed != FixedTags().end()) {
      at += fixed->size();
      continue;
    }
    std::smatch tag;
    const auto shaped = std::ranges::find_if(ShapedTags(), [&](const std::regex& shape) {
      return std::regex_search(page.begin() + at, page.end(), tag, shape,
                               std::regex_constants::match_continuous);
    });
    if (shaped == ShapedTags().end()) {
      if (!std::regex_search(page.begin() + at, page.end(), tag, NoteTag(),
                             std::regex_constants::match_continuous)) {
        return "unknown markup: " + page.substr(at, 60);
      }
      const std::string note = tag.str(0);
      const std::size_t href = note.find(" href=\"");
      if (href != std::string::npos && !StartsWithAnyOf(note.substr(href + 7), kWebSchemes)) {
        return "note link " + note;
      }
      at += note.size();
      continue;
    }
    const std::string value = tag.size() > 1 ? tag[1].str() : "";
    const bool isLink = shaped + 1 == ShapedTags().end();
    const bool isItem = isLink && tag[2].matched;
    const bool noticeFile = !isItem && StartsWithIgnoringCase(value, "file://");
    if (isLink && !noticeFile && !StartsWithAnyOf(value, kItemSchemes)) return "link " + value;
    if (!isLink && !PictureFault(value).empty()) return PictureFault(value);
    at += tag.length(0);
  }
  return SwallowedDelimiter(page);
}

}  // namespace vb::testing
