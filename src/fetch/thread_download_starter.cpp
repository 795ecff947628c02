#include "fetch/thread_download_starter.h"

#include <thread>

#include "fetch/download_channel_file.h"
#include "fetch/unfinished_downloads.h"

namespace vb {

ThreadDownloadStarter::~ThreadDownloadStarter() {
  RemoveUnfinishedDownloads();
}

void ThreadDownloadStarter::Start(const DownloadTarget& target) {
  try {
    {
      const std::lock_guard guard(running_->lock);
      if (!running_->paths.insert(target.path).second) return;
    }
    // Gives the target back however the worker ends, or when it never starts.
    auto claim = std::shared_ptr<void>(nullptr, [running = running_, path = target.path](void*) {
      const std::lock_guard guard(running->lock);
      running->paths.erase(path);
    });
    // The worker gets its own copy: the caller changes its record while the download runs.
    std::thread([target, transfer = transfer_, claim = std::move(claim)] {
      try {
        DownloadChannelFile(target, *transfer);
      } catch (...) {
        // Out of memory in a worker costs one download, not the program.
      }
    }).detach();
  } catch (...) {
    // No thread or memory to be had: this download is skipped and the next one tries again.
  }
}

}  // namespace vb
