#include "fetch/text_mode_reader.h"

namespace vb {

std::string TextModeReader::Read(std::size_t count) {
  std::string text;
  char c = 0;
  while (!ended_ && text.size() < count && in_.get(c)) {
    if (c == kEndOfText) {
      ended_ = true;
      break;
    }
    if (c == '\r' && in_.peek() == '\n') in_.get(c);
    text += c;
  }
  return text;
}

}  // namespace vb
