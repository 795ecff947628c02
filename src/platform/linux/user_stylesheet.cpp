#include "platform/linux/user_stylesheet.h"

#include <algorithm>
#include <cctype>

#include "settings/decimal_text.h"
#include "settings/text_936.h"

namespace vb {
namespace {

bool IsHex(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](unsigned char c) { return std::isxdigit(c) != 0; });
}

// A CSS string literal; quotes, backslashes and line breaks are escaped.
std::string CssString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n' || c == '\r' || c == '\f') {
      out += "\\a ";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

std::string CssColor(std::string_view color) {
  if (color.empty() || color.size() > 20) return {};
  bool word =
      std::all_of(color.begin(), color.end(), [](unsigned char c) { return std::isalnum(c) != 0; });
  if (!word) return {};
  if ((color.size() == 6 || color.size() == 3) && IsHex(color)) return "#" + std::string(color);
  if (std::isalpha(static_cast<unsigned char>(color[0])) == 0) return {};
  return std::string(color);
}

std::string BuildUserStylesheet(const PageLook& look) {
  std::string body;
  if (look.transparentBackground) {
    body += "background-color:transparent!important;";
  } else if (std::string color = CssColor(look.bgColor); !color.empty()) {
    body += "background-color:" + color + ";";
  }
  if (!look.bkPic.empty())
    body += "background-image:url(" + CssString(Utf8From936(look.bkPic)) + ");";
  if (int size = Atoi(look.tFont); size > 0) body += "font-size:" + std::to_string(size) + "px;";
  body += "font-family:courier,monospace;";
  std::string sheet = "body{" + body + "}";
  if (look.transparentBackground) sheet += "html{background-color:transparent!important}";
  return sheet;
}

}  // namespace vb
