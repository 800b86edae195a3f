// Internal to the platform layer: the event loops the platform runs (the main loop, modal
// loops, window animations), so that Application->Terminate can end all of them.
#pragma once

class QEventLoop;

void RegisterEventLoop(QEventLoop* loop);
void UnregisterEventLoop(QEventLoop* loop);
void ExitAllEventLoops();

// Registers a loop for the lifetime of the guard.
class EventLoopRegistration {
 public:
  explicit EventLoopRegistration(QEventLoop* loop) : loop_(loop) { RegisterEventLoop(loop_); }
  ~EventLoopRegistration() { UnregisterEventLoop(loop_); }
  EventLoopRegistration(const EventLoopRegistration&) = delete;
  EventLoopRegistration& operator=(const EventLoopRegistration&) = delete;

 private:
  QEventLoop* loop_;
};
