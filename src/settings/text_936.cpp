#include "settings/text_936.h"

#include <iconv.h>

#include <cerrno>

namespace vb {
namespace {

// Converts with iconv; a character that cannot be converted becomes one '?'. From UTF-8 the
// whole sequence of the bad character is stepped over, from 936 one byte.
std::string Convert(const char* to, const char* from, std::string_view text, bool fromUtf8) {
  std::string out;
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(text);
  out.reserve(text.size() * 3 / 2 + 4);
  char* in = const_cast<char*>(text.data());
  size_t inLeft = text.size();
  char buffer[1024];
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, outPtr - buffer);
    if (rc != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL (a cut sequence at the end): replace one byte and go on.
    out.push_back('?');
    do {
      ++in;
      --inLeft;
    } while (fromUtf8 && inLeft > 0 && (static_cast<unsigned char>(*in) & 0xC0) == 0x80);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  char* outPtr = buffer;
  size_t outLeft = sizeof buffer;
  iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
  out.append(buffer, outPtr - buffer);
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Utf8From936(std::string_view text) {
  return Convert("UTF-8", "CP936", text, false);
}

std::string Utf8To936(std::string_view text) {
  return Convert("CP936", "UTF-8", text, true);
}

}  // namespace vb
