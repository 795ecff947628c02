#pragma once

#include <memory>
#include <mutex>
#include <set>
#include <string>

#include "fetch/download_starter.h"
#include "fetch/transfer.h"

namespace vb {

// Runs each download on a detached thread of its own, at most one per target file: a start for a
// target whose download still runs is skipped, so slow servers never pile up workers and a
// late worker never replaces or deletes what a newer one fetched. The workers share the transfer,
// which lives as long as the last of them. The program ends with the starter, so the starter's end
// removes the temporary files of workers still running.
class ThreadDownloadStarter : public DownloadStarter {
 public:
  explicit ThreadDownloadStarter(std::shared_ptr<Transfer> transfer)
      : transfer_(std::move(transfer)), running_(std::make_shared<RunningTargets>()) {}
  ~ThreadDownloadStarter() override;
  ThreadDownloadStarter(const ThreadDownloadStarter&) = delete;
  ThreadDownloadStarter& operator=(const ThreadDownloadStarter&) = delete;

  void Start(const DownloadTarget& target) override;

 private:
  // The target files being fetched; shared with the workers, which outlive the starter.
  struct RunningTargets {
    std::mutex lock;
    std::set<std::string> paths;
  };

  std::shared_ptr<Transfer> transfer_;
  std::shared_ptr<RunningTargets> running_;
};

}  // namespace vb
