// Timers that belong to a window: each has a text tag and a period in milliseconds
// (0 or less: idle) and ticks through the window's message loop on the thread
// that owns the window. A timer made as a copy of another shares its tick handler.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace cw {

class WindowTimer;
using TimerTickHandler = std::function<void(WindowTimer&)>;

class WindowTimers;

class WindowTimer {
 public:
  const std::string& tag() const { return tag_; }
  void SetTag(std::string tag) { tag_ = std::move(tag); }
  int period() const { return period_; }
  // Starts, restarts with the new period, or (0 or less) stops the ticks.
  void SetPeriod(int milliseconds);

 private:
  friend class WindowTimers;
  WindowTimer(WindowTimers& owner, UINT_PTR id, TimerTickHandler onTick)
      : owner_(owner), id_(id), onTick_(std::move(onTick)) {}

  WindowTimers& owner_;
  UINT_PTR id_;
  TimerTickHandler onTick_;
  std::string tag_;
  int period_ = 0;
};

// The timers of one window. The window passes its WM_TIMER messages to OnTimerMessage.
class WindowTimers {
 public:
  explicit WindowTimers(HWND window) : window_(window) {}
  ~WindowTimers();
  WindowTimers(const WindowTimers&) = delete;
  WindowTimers& operator=(const WindowTimers&) = delete;

  // A new idle timer with its own handler.
  WindowTimer& Create(TimerTickHandler onTick);
  // A new idle timer with the same tick handler as `model` (tag and period are not copied).
  WindowTimer& CreateCopyOf(const WindowTimer& model);
  void Destroy(WindowTimer& timer);
  std::size_t Count() const { return timers_.size(); }

  // True when the message was one of these timers' ticks.
  bool OnTimerMessage(WPARAM timerId);

 private:
  friend class WindowTimer;
  HWND window_;
  UINT_PTR nextId_ = 1;
  std::map<UINT_PTR, std::unique_ptr<WindowTimer>> timers_;
};

}  // namespace cw
