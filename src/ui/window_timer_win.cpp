#include "ui/window_timer_win.h"

namespace cw {

void WindowTimer::SetPeriod(int milliseconds) {
  period_ = milliseconds;
  if (milliseconds > 0) {
    SetTimer(owner_.window_, id_, static_cast<UINT>(milliseconds), nullptr);
  } else {
    KillTimer(owner_.window_, id_);
  }
}

WindowTimers::~WindowTimers() {
  for (auto& [id, timer] : timers_) KillTimer(window_, id);
}

WindowTimer& WindowTimers::Create(TimerTickHandler onTick) {
  UINT_PTR id = nextId_++;
  auto timer = std::unique_ptr<WindowTimer>(new WindowTimer(*this, id, std::move(onTick)));
  WindowTimer& created = *timer;
  timers_.emplace(id, std::move(timer));
  return created;
}

WindowTimer& WindowTimers::CreateCopyOf(const WindowTimer& model) { return Create(model.onTick_); }

void WindowTimers::Destroy(WindowTimer& timer) {
  KillTimer(window_, timer.id_);
  timers_.erase(timer.id_);
}

bool WindowTimers::OnTimerMessage(WPARAM timerId) {
  auto found = timers_.find(static_cast<UINT_PTR>(timerId));
  if (found == timers_.end()) return false;
  // The handler may destroy timers, this one included: keep the handler alive
  // for the call and look nothing up afterwards.
  TimerTickHandler handler = found->second->onTick_;
  if (handler) handler(*found->second);
  return true;
}

}  // namespace cw
