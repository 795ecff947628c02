#pragma once

#include <glib.h>

#include <functional>
#include <map>

namespace vb {

// The program's main loop and the bar's numbered timers on GLib's default context.
class EventLoop {
 public:
  EventLoop() = default;
  ~EventLoop();
  EventLoop(const EventLoop&) = delete;
  EventLoop& operator=(const EventLoop&) = delete;

  // Every timer tick goes to `onTimer` with the timer's id.
  void SetTimerHandler(std::function<void(int)> onTimer) { onTimer_ = std::move(onTimer); }
  // (Re)starts timer `id`: its count begins afresh with the new period.
  void SetTimer(int id, int periodMs);
  void KillTimer(int id);
  void KillAllTimers();

  int Run();
  // Ends Run at once from inside it, or makes the next Run return at once.
  void Quit(int exitCode);

 private:
  struct Tick {
    EventLoop* loop;
    int id;
  };
  static gboolean OnTick(gpointer data);

  std::function<void(int)> onTimer_;
  std::map<int, guint> sources_;
  GMainLoop* loop_ = nullptr;
  bool quitRequested_ = false;
  int exitCode_ = 0;
};

}  // namespace vb
