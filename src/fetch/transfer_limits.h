#pragma once

#include <cstdint>
#include <string_view>

namespace vb {

// Bounds on one download, so that a stuck or hostile server never holds a worker for ever nor
// fills the disk. Tests shorten them.
struct TransferLimits {
  long connectTimeoutSeconds = 30;
  long lowSpeedBytesPerSecond = 1;  // slower than this for lowSpeedSeconds aborts
  long lowSpeedSeconds = 60;
  std::int64_t maxBytes = 32 * 1024 * 1024;
  long maxRedirects = 10;
  long totalSeconds = 120;  // a trickle that passes the speed rule still ends here
};

inline constexpr std::string_view kUserAgent = "Velloband/1.1";

}  // namespace vb
