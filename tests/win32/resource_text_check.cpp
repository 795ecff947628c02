// resource_text_check Velloband.res STAMP: proves that the compiled resources carry every menu
// and dialog text exactly as the resource tables hold it. A resource compiler that misreads
// its source (a GBK byte 0x5C taken for a backslash, a wrong source code page) leaves some
// text garbled without any warning; this finds it at build time. Runs on the build machine.
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

std::uint32_t Read32(const Bytes& b, std::size_t at) {
  return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8 |
         static_cast<std::uint8_t>(b[at + 2]) << 16 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 3])) << 24;
}

std::uint16_t Read16(const Bytes& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(b[at]) |
                                    static_cast<std::uint8_t>(b[at + 1]) << 8);
}

// The data of every resource with a numeric type and name, keyed by (type, id).
std::map<std::pair<int, int>, Bytes> ReadResources(const Bytes& file, bool& wellFormed) {
  std::map<std::pair<int, int>, Bytes> out;
  wellFormed = true;
  std::size_t at = 0;
  while (at + 32 <= file.size()) {
    const std::uint32_t dataSize = Read32(file, at);
    const std::uint32_t headerSize = Read32(file, at + 4);
    if (headerSize < 32 || at + headerSize + dataSize > file.size()) {
      wellFormed = false;
      return out;
    }
    // Type and name are both ordinals (0xFFFF, number) for everything this program compiles.
    if (Read16(file, at + 8) == 0xFFFF && Read16(file, at + 12) == 0xFFFF) {
      out[{Read16(file, at + 10), Read16(file, at + 14)}] = file.substr(at + headerSize, dataSize);
    }
    at = (at + headerSize + dataSize + 3) & ~std::size_t{3};
  }
  return out;
}

// UTF-16LE bytes of a UTF-8 text, with the terminating NUL that resources store.
Bytes Utf16Z(std::string_view utf8) {
  Bytes out;
  auto put = [&out](std::uint32_t unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
  };
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<std::uint8_t>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    std::uint32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int k = 1; k < length && i + k < utf8.size(); ++k) {
      code = code << 6 | (static_cast<std::uint8_t>(utf8[i + k]) & 0x3F);
    }
    if (code >= 0x10000) {
      put(0xD800 + ((code - 0x10000) >> 10));
      put(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      put(code);
    }
    i += static_cast<std::size_t>(length);
  }
  put(0);
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

void Expect(const Bytes& data, std::string_view text, const std::string& where) {
  if (text.empty() || Holds(data, text)) return;
  ++failures;
  std::fprintf(stderr, "resource text wrong or missing in %s: \"%.*s\"\n", where.c_str(),
               static_cast<int>(text.size()), text.data());
}

void ExpectMenuTexts(const Bytes& data, const vb::res::MenuItem& item) {
  Expect(data, item.text, "menu " + std::to_string(vb::ids::IDR_MENU));
  for (const vb::res::MenuItem& child : item.items) ExpectMenuTexts(data, child);
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

  const auto menu = resources.find({kMenuType, vb::ids::IDR_MENU});
  if (menu == resources.end()) {
    ++failures;
    std::fprintf(stderr, "menu %d missing\n", vb::ids::IDR_MENU);
  } else {
    ExpectMenuTexts(menu->second, vb::res::TickerMenu());
  }
  for (const vb::res::Dialog& dialog : vb::res::AllDialogs()) {
    const std::string where = "dialog " + std::to_string(dialog.id);
    const auto found = resources.find({kDialogType, dialog.id});
    if (found == resources.end()) {
      ++failures;
      std::fprintf(stderr, "%s missing\n", where.c_str());
      continue;
    }
    Expect(found->second, dialog.caption, where);
    Expect(found->second, vb::res::kDialogFontName, where);
    for (const vb::res::Control& control : dialog.controls) {
      Expect(found->second, control.text, where + " control " + std::to_string(control.id));
    }
  }
  if (failures != 0) return 1;
  std::ofstream(argv[2]) << "resource texts checked\n";
  return 0;
}
