#include "fetch/thread_download_starter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "fetch/download_channel_file.h"
#include "support/temp_folder.h"

namespace vb {
namespace {

using namespace std::chrono_literals;

// Holds every fetch until opened, its part of a feed written, recording what was asked for.
class GatedTransfer : public Transfer {
 public:
  TransferResult Fetch(const std::string& url, const std::string& file) override {
    testing::WriteFile(file, url);
    std::unique_lock lock(mutex_);
    urls_.push_back(url);
    changed_.notify_all();
    changed_.wait(lock, [&] { return open_; });
    return TransferResult::kDone;
  }
  void Open() {
    const std::lock_guard lock(mutex_);
    open_ = true;
    changed_.notify_all();
  }
  std::vector<std::string> Urls() {
    const std::lock_guard lock(mutex_);
    return urls_;
  }
  bool WaitForCount(std::size_t count) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, 20s, [&] { return urls_.size() >= count; });
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool open_ = false;
  std::vector<std::string> urls_;
};

// Polls `done`, doing `step` between polls, for up to 20 seconds.
template <typename Done>
void WaitUntil(
    Done done, const std::function<void()>& step = [] {}) {
  const auto deadline = std::chrono::steady_clock::now() + 20s;
  while (!done() && std::chrono::steady_clock::now() < deadline) {
    step();
    std::this_thread::sleep_for(10ms);
  }
}

TEST(ThreadDownloadStarter, AProgramThatOutlivesItsWorkersLeavesNoTemporaryFile) {
  testing::TempFolder folder;
  const auto transfer = std::make_shared<GatedTransfer>();
  const DownloadTarget target{folder.File("velloband4"), "http://127.0.0.1/feed"};
  testing::WriteFile(target.path, "old");
  {
    ThreadDownloadStarter starter(transfer);
    starter.Start(target);
    ASSERT_TRUE(transfer->WaitForCount(1));
    EXPECT_EQ(folder.FileCount(), 2);  // the target and the worker's temporary file
  }
  EXPECT_EQ(folder.FileCount(), 1);
  // The worker, let go after all, finds its file gone and keeps the old copy.
  transfer->Open();
  WaitUntil([&] { return transfer.use_count() == 1; });
  EXPECT_EQ(folder.FileCount(), 1);
  EXPECT_EQ(testing::ReadFileIfAny(target.path), "old");
}

TEST(ThreadDownloadStarter, RunsOneTransferPerTargetAtATime) {
  testing::TempFolder folder;
  const auto transfer = std::make_shared<GatedTransfer>();
  ThreadDownloadStarter starter(transfer);
  const std::string channel = folder.File("velloband1"), note = folder.File("velloband_note");
  starter.Start({channel, "http://a/first"});
  ASSERT_TRUE(transfer->WaitForCount(1));
  starter.Start({channel, "http://a/second"});  // skipped: the first still runs
  starter.Start({note, "http://a/note"});       // another target runs beside it
  ASSERT_TRUE(transfer->WaitForCount(2));
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(transfer->Urls(), (std::vector<std::string>{"http://a/first", "http://a/note"}));

  // Once the first has ended, the target takes a new start.
  transfer->Open();
  WaitUntil([&] { return transfer->Urls().size() >= 3; },
            [&] {
              starter.Start({channel, "http://a/third"});
            });
  ASSERT_GE(transfer->Urls().size(), 3u);
  EXPECT_EQ(transfer->Urls()[2], "http://a/third");
  WaitUntil([&] { return testing::ReadFileIfAny(channel) == "http://a/third"; });
  EXPECT_EQ(testing::ReadFileIfAny(channel), "http://a/third");
}

}  // namespace
}  // namespace vb
