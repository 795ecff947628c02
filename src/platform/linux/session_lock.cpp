#include "platform/linux/session_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace vb {

SessionLock::~SessionLock() {
  if (fd_ >= 0) close(fd_);
}

bool SessionLock::Take(const std::string& path) {
  if (fd_ >= 0 || path.empty()) return true;
  int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return true;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool taken = errno == EWOULDBLOCK;
    close(fd);
    return !taken;
  }
  fd_ = fd;
  return true;
}

std::string SessionLockPath(const std::string& runtimeFolder, const std::string& waylandDisplay) {
  if (runtimeFolder.empty() || waylandDisplay.empty()) return {};
  std::string name = waylandDisplay;
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  return runtimeFolder + "/velloband-" + name + ".lock";
}

}  // namespace vb
