#include <iconv.h>

#include <cerrno>

#include "settings/text_936.h"

namespace vb {
namespace {

std::string ConverterName(int codePage) {
  if (codePage == 65001) return "UTF-8";
  return "CP" + std::to_string(codePage);
}

// One iconv descriptor, closed on every path.
class Converter {
 public:
  Converter(const std::string& to, const std::string& from)
      : cd_(iconv_open(to.c_str(), from.c_str())) {}
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

// The length of the one well-formed character at the start of `in`, or 0 when it is not one.
std::size_t SourceCharacterLength(iconv_t decoder, const char* in, std::size_t size) {
  iconv(decoder, nullptr, nullptr, nullptr, nullptr);
  char wide[8];
  char* inPtr = const_cast<char*>(in);
  std::size_t inLeft = size;
  char* outPtr = wide;
  std::size_t outLeft = 4;  // room for exactly one character
  iconv(decoder, &inPtr, &inLeft, &outPtr, &outLeft);
  return outPtr == wide ? 0 : size - inLeft;
}

}  // namespace

bool IsKnownCodePage(int codePage) {
  if (codePage <= 0) return false;
  return Converter("CP936", ConverterName(codePage)).ok();
}

std::optional<std::string> ConvertToSystemCodePage(std::string source, int codePage) {
  if (codePage == 65001) {
    if (!Utf8ToSystemCodePage(source)) return std::nullopt;
    return source;
  }
  const std::string from = ConverterName(codePage);
  Converter converter("CP936", from);
  Converter decoder("UCS-4LE", from);
  if (!converter.ok() || !decoder.ok()) return std::nullopt;

  std::string out(source.size() + 64, '\0');
  char* inPtr = const_cast<char*>(source.data());
  std::size_t inLeft = source.size();
  std::size_t used = 0;
  while (inLeft > 0) {
    char* outPtr = out.data() + used;
    std::size_t outLeft = out.size() - used;
    const std::size_t done = iconv(converter.get(), &inPtr, &inLeft, &outPtr, &outLeft);
    used = out.size() - outLeft;
    if (done != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      out.resize(out.size() + out.size() / 2 + 64);
      continue;
    }
    if (out.size() - used < 1) out.resize(out.size() + 64);
    // Invalid or truncated source bytes are skipped one at a time; a well-formed character that
    // 936 lacks is skipped whole. Either way the reader sees one '?'.
    const std::size_t length = SourceCharacterLength(decoder.get(), inPtr, inLeft);
    const std::size_t skip = length == 0 ? 1 : length;
    out[used++] = '?';
    inPtr += skip;
    inLeft -= skip;
    iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(used);
  return out;
}

}  // namespace vb
