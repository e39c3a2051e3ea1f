// A timer of a form: its ticks arrive as messages on the form's thread, so
// a tick never interrupts another handler.
#pragma once

#include <windows.h>

#include <functional>

class Form;

class Timer {
 public:
  Timer(Form& owner, UINT intervalMs, std::function<void()> onTick);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  bool Enabled() const { return enabled_; }
  // Enabling needs the owner's window, so it comes at load or later.
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }

 private:
  friend class Form;
  void Tick();
  void Arm();
  Form& owner_;
  UINT interval_;
  std::function<void()> onTick_;
  UINT_PTR id_;
  bool enabled_ = false;
};
