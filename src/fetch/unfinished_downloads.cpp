#include "fetch/unfinished_downloads.h"

#include <mutex>
#include <set>

#include "settings/file_io.h"

namespace vb {
namespace {

struct Registry {
  std::mutex mutex;
  std::multiset<std::string> files;
};

// Never destroyed: workers may still be running while the process ends.
Registry& Unfinished() {
  static auto* registry = new Registry;
  return *registry;
}

}  // namespace

UnfinishedDownload::UnfinishedDownload(std::string temporary) : temporary_(std::move(temporary)) {
  const std::lock_guard lock(Unfinished().mutex);
  Unfinished().files.insert(temporary_);
}

UnfinishedDownload::~UnfinishedDownload() {
  const std::lock_guard lock(Unfinished().mutex);
  Unfinished().files.erase(Unfinished().files.find(temporary_));
}

void RemoveUnfinishedDownloads() {
  const std::lock_guard lock(Unfinished().mutex);
  for (const std::string& file : Unfinished().files) RemoveFile(file);
}

}  // namespace vb
