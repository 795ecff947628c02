// resource_text_check Velloband.res STAMP: proves that the compiled resources carry every menu
// and dialog text exactly as the resource tables hold it. A resource compiler that misreads
// its source (a GBK byte 0x5C taken for a backslash, a wrong source code page) leaves some
// text garbled without any warning; this finds it at build time. Runs on the build machine.
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "resources/resource_data.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kMenuType = 4;
constexpr int kDialogType = 5;

using Bytes = std::string;

// A little-endian number of `size` bytes.
std::uint32_t Read(const Bytes& b, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int k = size - 1; k >= 0; --k) value = value << 8 | static_cast<std::uint8_t>(b[at + k]);
  return value;
}

// The data of every resource with a numeric type and name, keyed by (type, id).
std::map<std::pair<int, int>, Bytes> ReadResources(const Bytes& file, bool& wellFormed) {
  std::map<std::pair<int, int>, Bytes> out;
  wellFormed = true;
  std::size_t at = 0;
  while (at + 32 <= file.size()) {
    const std::uint32_t dataSize = Read(file, at, 4);
    const std::uint32_t headerSize = Read(file, at + 4, 4);
    if (headerSize < 32 || at + headerSize + dataSize > file.size()) {
      wellFormed = false;
      return out;
    }
    // Type and name are both ordinals (0xFFFF, number) for everything this program compiles.
    if (Read(file, at + 8, 2) == 0xFFFF && Read(file, at + 12, 2) == 0xFFFF) {
      out[{static_cast<int>(Read(file, at + 10, 2)), static_cast<int>(Read(file, at + 14, 2))}] =
          file.substr(at + headerSize, dataSize);
    }
    at = (at + headerSize + dataSize + 3) & ~std::size_t{3};
  }
  return out;
}

// UTF-16LE bytes of a UTF-8 text, with the terminating NUL that resources store.
Bytes Utf16Z(std::string_view utf8) {
  Bytes out(utf8.size() * 4 + 2, '\0');
  iconv_t converter = iconv_open("UTF-16LE", "UTF-8");
  char* in = const_cast<char*>(utf8.data());
  char* to = out.data();
  std::size_t inLeft = utf8.size(), outLeft = out.size() - 2;
  iconv(converter, &in, &inLeft, &to, &outLeft);
  iconv_close(converter);
  out.resize(out.size() - outLeft);
  return out;
}

// Each text must appear whole, as a NUL-terminated string on a character boundary.
bool Holds(const Bytes& data, std::string_view text) {
  const Bytes wanted = Utf16Z(text);
  for (std::size_t at = data.find(wanted); at != Bytes::npos; at = data.find(wanted, at + 1)) {
    if (at % 2 == 0) return true;
  }
  return false;
}

int failures = 0;

// Every one of `texts` must be in resource (type, id).
void ExpectTexts(const std::map<std::pair<int, int>, Bytes>& resources, int type, int id,
                 const std::vector<std::string_view>& texts) {
  const std::string where = (type == kMenuType ? "menu " : "dialog ") + std::to_string(id);
  const auto found = resources.find({type, id});
  if (found == resources.end()) {
    ++failures;
    std::fprintf(stderr, "%s missing\n", where.c_str());
    return;
  }
  for (const std::string_view text : texts) {
    if (text.empty() || Holds(found->second, text)) continue;
    ++failures;
    std::fprintf(stderr, "resource text wrong or missing in %s: \"%.*s\"\n", where.c_str(),
                 static_cast<int>(text.size()), text.data());
  }
}

void AddMenuTexts(const vb::res::MenuItem& item, std::vector<std::string_view>& texts) {
  texts.push_back(item.text);
  for (const vb::res::MenuItem& child : item.items) AddMenuTexts(child, texts);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s RESOURCES.res STAMP\n", argv[0]);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const Bytes file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  bool wellFormed = false;
  const auto resources = ReadResources(file, wellFormed);
  if (!in || !wellFormed) {
    std::fprintf(stderr, "%s: not a readable resource file\n", argv[1]);
    return 1;
  }
  std::vector<std::string_view> menu;
  AddMenuTexts(vb::res::TickerMenu(), menu);
  ExpectTexts(resources, kMenuType, vb::ids::IDR_MENU, menu);
  for (const vb::res::Dialog& dialog : vb::res::AllDialogs()) {
    std::vector<std::string_view> texts = {dialog.caption, vb::res::kDialogFontName};
    for (const vb::res::Control& control : dialog.controls) texts.push_back(control.text);
    ExpectTexts(resources, kDialogType, dialog.id, texts);
  }
  if (failures != 0) return 1;
  std::ofstream(argv[2]) << "resource texts checked\n";
  return 0;
}
