#pragma once

#include <memory>

#include "fetch/transfer.h"
#include "fetch/transfer_limits.h"

namespace vb {

// The Linux transfer, over libcurl: http://, https:// and file:// addresses, of which only
// regular files are read; redirects may lead only to http:// and https://, and from https:// only
// to https://. libcurl is loaded and set up by the first transfer.
std::shared_ptr<Transfer> MakeCurlTransfer(const TransferLimits& limits = {});

}  // namespace vb
