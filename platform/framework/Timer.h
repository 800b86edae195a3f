// The timer component: OnTimer runs every Interval milliseconds while Enabled, on the user
// interface thread. A timer with no handler or a zero interval does not run.
#pragma once

#include <memory>

#include "platform/core/Component.h"
#include "platform/framework/ControlTypes.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner = nullptr);
  ~TTimer() override;
  std::string ClassName() const override { return "TTimer"; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  // The handler is set through SetOnTimer so that the timer starts and stops with it.
  const TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent handler);
  bool Running() const;

  // Starts or stops the underlying timer to match Enabled, Interval and OnTimer.
  void UpdateTimer();

 protected:
  // Fires OnTimer (guarded: an exception goes to the application's error handler).
  virtual void Timer();
  void Loaded() override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  TNotifyEvent onTimer_;
  bool enabled_ = true;
  int interval_ = 1000;
};
