#include "settings/atomic_file.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <random>

#include "settings/file_io.h"

#ifdef _WIN32
#include <io.h>
#define VB_FSYNC _commit
#define VB_FILENO _fileno
#else
#include <unistd.h>
#define VB_FSYNC fsync
#define VB_FILENO fileno
#endif

namespace vb {

std::string TemporaryPathBeside(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  static const unsigned seed = std::random_device{}();
  return path + ".tmp" + std::to_string(seed) + "_" + std::to_string(counter++);
}

bool IsTemporaryNameFor(std::string_view name, std::string_view target) {
  constexpr std::string_view kMark = ".tmp";
  if (!name.starts_with(target) || name.substr(target.size(), kMark.size()) != kMark) return false;
  // Then the seed and the counter, both decimal, joined by '_'.
  const std::string_view numbers = name.substr(target.size() + kMark.size());
  const std::size_t joint = numbers.find('_');
  const auto decimal = [](std::string_view digits) {
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
  };
  return joint != std::string_view::npos && decimal(numbers.substr(0, joint)) &&
         decimal(numbers.substr(joint + 1));
}

bool ReplaceFileWith(const std::string& from, const std::string& to) {
  std::error_code error;
  std::filesystem::rename(FilePath(from), FilePath(to), error);
  return !error;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string temporary = TemporaryPathBeside(path);
  std::FILE* file = OpenFile(temporary, "wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  written = std::fflush(file) == 0 && written;
  // The data must be on disk before the rename makes it the file, or a power loss could leave
  // an empty file under the old name.
  written = VB_FSYNC(VB_FILENO(file)) == 0 && written;
  written = std::fclose(file) == 0 && written;
  if (written && ReplaceFileWith(temporary, path)) return true;
  RemoveFile(temporary);
  return false;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::FILE* file = OpenFile(path, "rb");
  if (file == nullptr) return false;
  bytes.clear();
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  const bool ok = std::ferror(file) == 0;
  std::fclose(file);
  return ok;
}

}  // namespace vb
