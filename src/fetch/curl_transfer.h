#pragma once

#include <memory>

#include "fetch/transfer.h"
#include "fetch/transfer_limits.h"

namespace vb {

// The Linux transfer, over libcurl: http://, https:// and file:// addresses; redirects may lead
// only to http:// and https://. The first call sets libcurl up for the whole process, so make
// it before any worker starts.
std::shared_ptr<Transfer> MakeCurlTransfer(const TransferLimits& limits = {});

}  // namespace vb
