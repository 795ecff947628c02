#include "dialogs/file_copy.h"

#include <filesystem>

#include "settings/atomic_file.h"
#include "settings/file_io.h"

namespace vb {

bool CopyFileAtomically(const std::string& from, const std::string& to, std::uintmax_t largest) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(FilePath(from), error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(FilePath(from), error);
  if (error || size > largest) return false;
  std::string bytes;
  return ReadWholeFile(from, bytes) && bytes.size() <= largest && WriteFileAtomically(to, bytes);
}

}  // namespace vb
