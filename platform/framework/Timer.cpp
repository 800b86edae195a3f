#include "platform/framework/Timer.h"

#include <QCoreApplication>
#include <QTimer>

#include "platform/framework/Application.h"
#include "platform/qt/ControlHost.h"

struct TTimer::Impl {
  std::unique_ptr<QTimer> timer;
};

TTimer::TTimer(TComponent* owner) : TComponent(owner), impl_(std::make_unique<Impl>()) {
  UpdateTimer();
}

TTimer::~TTimer() {
  if (!impl_->timer) return;
  impl_->timer->stop();
  // The timer's own handler may be what frees it.
  if (!QCoreApplication::instance())
    (void)impl_->timer.release();  // the process is ending; Qt can no longer free it
  else if (HostDispatchDepth() > 0)
    impl_->timer.release()->deleteLater();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  UpdateTimer();
}

bool TTimer::Running() const {
  return impl_->timer && impl_->timer->isActive();
}

void TTimer::UpdateTimer() {
  const bool run = enabled_ && interval_ > 0 && onTimer_ && QCoreApplication::instance();
  if (!run) {
    if (impl_->timer) impl_->timer->stop();
    return;
  }
  if (!impl_->timer) {
    impl_->timer = std::make_unique<QTimer>();
    QObject::connect(impl_->timer.get(), &QTimer::timeout, [this] {
      HostDispatchScope scope;
      GuardedCall([this] { Timer(); }, this);
    });
  }
  impl_->timer->start(interval_);
}

void TTimer::Timer() {
  if (onTimer_) onTimer_(this);
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}
