#pragma once

#include <string>

namespace vb {

enum class TransferResult {
  kDone,
  kDownloadFailed,  // the server answered with an error status: the target must go
  kOtherFailure,    // no usable answer: bad address, no connection, time-out, size limit
};

// Fetches one address into one file. Each desktop supplies its own; calls may run on several
// threads at once.
class Transfer {
 public:
  virtual ~Transfer() = default;

  // Writes the body of `url` into `file`, creating it. On failure `file` may hold a partial body
  // or be missing; the caller discards it. Leaves no cached copy of `url` behind, so that the
  // next fetch of the same address goes to the server again.
  virtual TransferResult Fetch(const std::string& url, const std::string& file) = 0;
};

}  // namespace vb
