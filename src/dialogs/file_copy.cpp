#include "dialogs/file_copy.h"

#include <cstdint>
#include <filesystem>

#include "settings/atomic_file.h"
#include "settings/file_io.h"

namespace vb {
namespace {

// The copy is held in memory; no settings file comes near this size.
constexpr std::uintmax_t kLargestCopy = 64u << 20;

}  // namespace

bool CopyFileAtomically(const std::string& from, const std::string& to) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(FilePath(from), error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(FilePath(from), error);
  if (error || size > kLargestCopy) return false;
  std::string bytes;
  return ReadWholeFile(from, bytes) && bytes.size() <= kLargestCopy &&
         WriteFileAtomically(to, bytes);
}

}  // namespace vb
