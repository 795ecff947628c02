#include "fetch/download_channel_file.h"

#include <cstdio>

#include "fetch/download_address.h"
#include "fetch/request_url.h"
#include "fetch/unfinished_downloads.h"
#include "settings/atomic_file.h"
#include "settings/file_io.h"

namespace vb {

void DownloadChannelFile(const DownloadTarget& target, Transfer& transfer) {
  if (target.path.empty()) return;  // its temporary file would land in the working folder
  const std::string address = RequestUrl(DownloadAddress(target.url));
  const std::string temporary = TemporaryPathBeside(target.path);
  const UnfinishedDownload unfinished(temporary);
  const TransferResult result = transfer.Fetch(address, temporary);
  if (result == TransferResult::kDone && ReplaceFileWith(temporary, target.path)) return;
  RemoveFile(temporary);
  if (result == TransferResult::kDownloadFailed) RemoveFile(target.path);
}

}  // namespace vb
