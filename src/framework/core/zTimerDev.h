// The device that runs the framework's timers from the WM_TIMER messages of its one
// Windows timer. This is the least the window procedures need (the tick they call); the
// timers themselves extend it.
#pragma once

#include <cstdint>

class zTimerDev {
 public:
  zTimerDev() = default;
  zTimerDev(const zTimerDev&) = delete;
  zTimerDev& operator=(const zTimerDev&) = delete;
  ~zTimerDev() = default;

  // Calls the timers that are due; no timer is registered yet, so nothing is.
  void tick() {}
};
