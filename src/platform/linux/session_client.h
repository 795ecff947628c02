#pragma once

#include <X11/SM/SMlib.h>
#include <glib.h>

#include <functional>

namespace vb {

// A client of the X session manager, where one runs ($SESSION_MANAGER): when the session ends
// (the manager says "die"), `onEnd` runs. It agrees to every save request, having nothing to
// save beyond what the end of the session saves. Without a session manager it does nothing.
class SessionClient {
 public:
  explicit SessionClient(std::function<void()> onEnd);
  ~SessionClient();
  SessionClient(const SessionClient&) = delete;
  SessionClient& operator=(const SessionClient&) = delete;

 private:
  static void OnSaveYourself(SmcConn connection, SmPointer self, int saveType, Bool shutdown,
                             int interactStyle, Bool fast);
  static void OnDie(SmcConn connection, SmPointer self);
  static void OnNothing(SmcConn connection, SmPointer self);
  static gboolean OnMessages(GIOChannel* channel, GIOCondition condition, gpointer self);
  void Close();

  std::function<void()> onEnd_;
  SmcConn connection_ = nullptr;
  guint watch_ = 0;
};

}  // namespace vb
