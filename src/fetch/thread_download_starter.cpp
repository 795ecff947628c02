#include "fetch/thread_download_starter.h"

#include <thread>

#include "fetch/download_channel_file.h"
#include "fetch/unfinished_downloads.h"

namespace vb {

ThreadDownloadStarter::~ThreadDownloadStarter() {
  RemoveUnfinishedDownloads();
}

void ThreadDownloadStarter::Start(const DownloadTarget& target) {
  // The worker gets its own copy: the caller changes its record while the download runs.
  try {
    std::thread([target, transfer = transfer_] {
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
