#include "platform/linux/event_loop.h"

namespace vb {

EventLoop::~EventLoop() {
  KillAllTimers();
}

gboolean EventLoop::OnTick(gpointer data) {
  auto* tick = static_cast<Tick*>(data);
  // The handler may kill or restart this very timer; a removed source is not called again.
  if (tick->loop->onTimer_) tick->loop->onTimer_(tick->id);
  return G_SOURCE_CONTINUE;
}

void EventLoop::SetTimer(int id, int periodMs) {
  KillTimer(id);
  auto* tick = new Tick{this, id};
  guint source = g_timeout_add_full(G_PRIORITY_DEFAULT, periodMs > 0 ? periodMs : 1, &OnTick, tick,
                                    [](gpointer data) { delete static_cast<Tick*>(data); });
  sources_[id] = source;
}

void EventLoop::KillTimer(int id) {
  auto found = sources_.find(id);
  if (found == sources_.end()) return;
  g_source_remove(found->second);
  sources_.erase(found);
}

void EventLoop::KillAllTimers() {
  for (auto& [id, source] : sources_) g_source_remove(source);
  sources_.clear();
}

int EventLoop::Run() {
  if (quitRequested_) return exitCode_;
  loop_ = g_main_loop_new(nullptr, FALSE);
  g_main_loop_run(loop_);
  g_main_loop_unref(loop_);
  loop_ = nullptr;
  return exitCode_;
}

void EventLoop::Quit(int exitCode) {
  exitCode_ = exitCode;
  quitRequested_ = true;
  if (loop_ != nullptr) g_main_loop_quit(loop_);
}

}  // namespace vb
