#pragma once

#include <memory>

#include "fetch/download_starter.h"
#include "fetch/transfer.h"

namespace vb {

// Runs each download on a detached thread of its own. The workers share the transfer, which
// lives as long as the last of them. The program ends with the starter, so the starter's end
// removes the temporary files of workers still running.
class ThreadDownloadStarter : public DownloadStarter {
 public:
  explicit ThreadDownloadStarter(std::shared_ptr<Transfer> transfer)
      : transfer_(std::move(transfer)) {}
  ~ThreadDownloadStarter() override;
  ThreadDownloadStarter(const ThreadDownloadStarter&) = delete;
  ThreadDownloadStarter& operator=(const ThreadDownloadStarter&) = delete;

  void Start(const DownloadTarget& target) override;

 private:
  std::shared_ptr<Transfer> transfer_;
};

}  // namespace vb
