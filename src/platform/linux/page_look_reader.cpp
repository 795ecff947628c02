#include "platform/linux/page_look_reader.h"

#include <fstream>

namespace vb {
namespace {

// The text between `open` and the first `close` after it, both searched from `from`; `from`
// moves past `close`. Empty when either is missing.
std::string Between(std::string_view text, std::string_view open, std::string_view close,
                    std::size_t& from) {
  std::size_t start = text.find(open, from);
  if (start == std::string_view::npos) return {};
  start += open.size();
  std::size_t end = text.find(close, start);
  if (end == std::string_view::npos) return {};
  from = end + close.size();
  return std::string(text.substr(start, end - start));
}

}  // namespace

PageStyleValues ReadPageStyleValues(std::string_view page) {
  PageStyleValues values;
  std::size_t body = page.find("<style");
  if (body == std::string_view::npos) return values;
  body = page.find("body{", body);
  if (body == std::string_view::npos) return values;
  std::size_t at = body;
  values.tFont = Between(page, ";font:", " courier;", at);
  at = body;
  values.bgColor = Between(page, ";background:", " url(", at);
  if (!values.bgColor.empty()) values.bkPic = Between(page, "", ")}a:link{", at);
  return values;
}

PageStyleValues ReadPageStyleFile(const std::string& pageFile) {
  std::ifstream in(pageFile, std::ios::binary);
  if (!in) return {};
  // The head is at most a few hundred bytes plus the picture's address.
  std::string head(4096, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  return ReadPageStyleValues(head);
}

}  // namespace vb
