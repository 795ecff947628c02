#include "platform/linux/session_client.h"

#include <X11/ICE/ICElib.h>

#include <cstdlib>

namespace vb {

SessionClient::SessionClient(std::function<void()> onEnd) : onEnd_(std::move(onEnd)) {
  if (std::getenv("SESSION_MANAGER") == nullptr) return;
  // ICE's own handler would end the program when the manager goes away first.
  IceSetIOErrorHandler([](IceConn) {});
  SmcCallbacks callbacks{};
  callbacks.save_yourself.callback = &OnSaveYourself;
  callbacks.save_yourself.client_data = this;
  callbacks.die.callback = &OnDie;
  callbacks.die.client_data = this;
  callbacks.save_complete.callback = &OnNothing;
  callbacks.save_complete.client_data = this;
  callbacks.shutdown_cancelled.callback = &OnNothing;
  callbacks.shutdown_cancelled.client_data = this;
  char* clientId = nullptr;
  char error[256] = "";
  connection_ = SmcOpenConnection(nullptr, nullptr, SmProtoMajor, SmProtoMinor,
                                  SmcSaveYourselfProcMask | SmcDieProcMask |
                                      SmcSaveCompleteProcMask | SmcShutdownCancelledProcMask,
                                  &callbacks, nullptr, &clientId, sizeof error, error);
  if (clientId != nullptr) std::free(clientId);
  if (connection_ == nullptr) return;
  GIOChannel* channel =
      g_io_channel_unix_new(IceConnectionNumber(SmcGetIceConnection(connection_)));
  watch_ = g_io_add_watch(channel, static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR),
                          &OnMessages, this);
  g_io_channel_unref(channel);
}

SessionClient::~SessionClient() {
  Close();
}

void SessionClient::Close() {
  if (watch_ != 0) g_source_remove(watch_);
  watch_ = 0;
  if (connection_ != nullptr) SmcCloseConnection(connection_, 0, nullptr);
  connection_ = nullptr;
}

void SessionClient::OnSaveYourself(SmcConn connection, SmPointer, int, Bool, int, Bool) {
  SmcSaveYourselfDone(connection, True);
}

void SessionClient::OnDie(SmcConn, SmPointer self) {
  auto* client = static_cast<SessionClient*>(self);
  // The end of the session may end the program, and this client with it.
  const std::function<void()> onEnd = client->onEnd_;
  if (onEnd) onEnd();
}

void SessionClient::OnNothing(SmcConn, SmPointer) {}

gboolean SessionClient::OnMessages(GIOChannel*, GIOCondition, gpointer self) {
  auto* client = static_cast<SessionClient*>(self);
  if (IceProcessMessages(SmcGetIceConnection(client->connection_), nullptr, nullptr) ==
      IceProcessMessagesIOError) {
    // The manager is gone; the watch goes with this return.
    client->watch_ = 0;
    client->Close();
    return G_SOURCE_REMOVE;
  }
  return G_SOURCE_CONTINUE;
}

}  // namespace vb
