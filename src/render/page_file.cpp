#include "render/page_file.h"

#include <cstring>

#include "settings/file_io.h"

namespace vb {
namespace {
constexpr std::size_t kFlushSize = 1 << 16;
}

bool PageFile::Open(const std::string& path) {
  Close();
  file_ = OpenFile(path, "wb");
  failed_ = false;
  return file_ != nullptr;
}

void PageFile::Write(std::string_view text) {
  if (file_ == nullptr) return;
  while (!text.empty()) {
    const void* lf = std::memchr(text.data(), '\n', text.size());
    const std::size_t run = lf ? static_cast<const char*>(lf) - text.data() : text.size();
    pending_.append(text.data(), run);
    if (lf == nullptr) break;
    pending_.append("\r\n", 2);
    text.remove_prefix(run + 1);
  }
  if (pending_.size() >= kFlushSize) Flush();
}

void PageFile::Flush() {
  if (!pending_.empty() &&
      std::fwrite(pending_.data(), 1, pending_.size(), file_) != pending_.size()) {
    failed_ = true;
  }
  pending_.clear();
}

bool PageFile::Close() {
  if (file_ == nullptr) return false;
  Flush();
  if (std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

}  // namespace vb
