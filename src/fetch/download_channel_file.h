#pragma once

#include "fetch/transfer.h"
#include "settings/channel_table.h"

namespace vb {

// One worker's whole job: fetches the download address of target.url into a temporary file
// beside target.path and renames it over the target only when the fetch succeeded, so a reader
// never meets a half-written file. A download failure deletes the target; any other failure
// leaves it as it was.
void DownloadChannelFile(const DownloadTarget& target, Transfer& transfer);

}  // namespace vb
