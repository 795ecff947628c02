#pragma once

#include <string>

namespace vb {

// Marks a download's temporary file as being written for as long as it lives, so that a
// program ending before the worker does can take the file along.
class UnfinishedDownload {
 public:
  explicit UnfinishedDownload(std::string temporary);
  ~UnfinishedDownload();
  UnfinishedDownload(const UnfinishedDownload&) = delete;
  UnfinishedDownload& operator=(const UnfinishedDownload&) = delete;

 private:
  std::string temporary_;
};

// Deletes the temporary file of every download still running, where the system lets a file
// that is being written go (Windows may refuse: the next start removes it). A worker that then
// finishes finds its file gone and leaves the target as it was.
void RemoveUnfinishedDownloads();

}  // namespace vb
