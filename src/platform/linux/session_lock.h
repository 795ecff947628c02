#pragma once

#include <string>

namespace vb {

// One bar per desktop session where windows cannot see each other's titles (Wayland): a lock
// file in the user's runtime folder, named after the session's display and held while the
// program runs. The system drops it when the program ends, however it ends.
class SessionLock {
 public:
  SessionLock() = default;
  ~SessionLock();
  SessionLock(const SessionLock&) = delete;
  SessionLock& operator=(const SessionLock&) = delete;

  // Takes the lock at `path`, or keeps holding it; false when another holds it. A lock that
  // cannot be made at all (no such folder) does not keep the bar from starting.
  bool Take(const std::string& path);
  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// The lock's path for a Wayland display (a name in the runtime folder, or a path); empty without
// a runtime folder or a display.
std::string SessionLockPath(const std::string& runtimeFolder, const std::string& waylandDisplay);

}  // namespace vb
