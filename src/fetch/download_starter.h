#pragma once

#include "settings/channel_table.h"

namespace vb {

// Starts a background download of target.url (option suffix and all; the worker cuts it) into
// target.path; the caller never waits and learns nothing.
class DownloadStarter {
 public:
  virtual ~DownloadStarter() = default;
  virtual void Start(const DownloadTarget& target) = 0;
};

}  // namespace vb
