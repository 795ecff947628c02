#pragma once

#include <memory>

#include "fetch/transfer.h"
#include "fetch/transfer_limits.h"

namespace vb::win32 {

// The Windows transfer, over the system's URL download (http://, https:// and file://
// addresses). Unlike a bare URLDownloadToFile it looks at the HTTP status, so an error page is
// reported as a failed download instead of being saved as a feed, and it bounds the size and
// the stall time of a download. Each call initialises COM for its own thread.
std::shared_ptr<Transfer> MakeUrlmonTransfer(const TransferLimits& limits = {});

}  // namespace vb::win32
