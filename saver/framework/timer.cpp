#include "timer.h"

#include "form.h"

Timer::Timer(Form& owner, UINT intervalMs, std::function<void()> onTick)
    : owner_(owner), interval_(intervalMs), onTick_(std::move(onTick)), id_(owner.AddTimer(*this)) {}

Timer::~Timer() {
  SetEnabled(false);
  owner_.RemoveTimer(id_);
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Arm();
}

void Timer::Arm() {
  if (owner_.Handle() == nullptr) return;
  if (enabled_) {
    SetTimer(owner_.Handle(), id_, interval_, nullptr);
  } else {
    KillTimer(owner_.Handle(), id_);
  }
}

void Timer::Tick() {
  if (enabled_ && onTick_) onTick_();
}
