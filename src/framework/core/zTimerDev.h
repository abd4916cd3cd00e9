// Timers: an object's member function called once after a delay (zTimerOnce) or again and
// again at an interval (zTimer). All of them share one Windows timer of 100 ms on the main
// frame window; each WM_TIMER that reaches a framework window procedure lets the timer
// device call the timers that are due. A due timer fires once per tick however late the
// tick is, so after a stall a periodic timer fires once, not once per missed interval.
#pragma once

#include <windows.h>

#include <cstdint>

#include "foundation/PointerLists.h"
#include "framework/core/zNotifyNode.h"

class zTimerDev;

// The timers of one kind, in the order they were made; the list does not own them.
class zTimerDlist : public zPlist {};

// A periodic timer. The handler is an event handler called with no event (a null
// zEvent*); its answer is not used. The owner deletes the timer, which leaves the device
// then; a fired one-shot timer stays allocated until its owner deletes it.
class zTimer {
 public:
  template <class T, class C>
  zTimer(T* object, int (C::*handler)(zEvent*), uint32_t interval)
      : zTimer(zEventHandler(object, handler), interval, 1) {}
  zTimer(const zTimer&) = delete;
  zTimer& operator=(const zTimer&) = delete;
  // Virtual so that a zTimerOnce deleted through a zTimer pointer is destroyed soundly.
  virtual ~zTimer();

  // The clock reading at creation and, for a periodic timer, at its last firing.
  uint32_t start() const { return start_; }
  bool isPeriodic() const { return periodic_ != 0; }
  // Milliseconds from start() to the firing.
  uint32_t interval() const { return interval_; }

 protected:
  zTimer(const zEventHandler& handler, uint32_t interval, uint32_t periodic);

 private:
  friend class zTimerDev;

  zEventHandler handler_;  // the object and its member function
  uint32_t start_;
  uint32_t periodic_;
  uint32_t interval_;
};

// A one-shot timer: fires once, delay milliseconds after it was made.
class zTimerOnce : public zTimer {
 public:
  template <class T, class C>
  zTimerOnce(T* object, int (C::*handler)(zEvent*), uint32_t delay)
      : zTimer(zEventHandler(object, handler), delay, 0) {}
};

// Reads the millisecond clock; GetTickCount unless a test puts its own clock in.
using zTickSource = uint32_t (*)();

class zTimerDev {
 public:
  zTimerDev();
  zTimerDev(const zTimerDev&) = delete;
  zTimerDev& operator=(const zTimerDev&) = delete;
  // Stops the Windows timer; the timers themselves belong to their owners.
  ~zTimerDev();

  // Starts the Windows timer when it does not run on the main frame yet, then appends the
  // timer to its list.
  void add(zTimer* timer);
  // Unlinks the timer from whichever list holds it; nothing when none does.
  void remove(zTimer* timer);
  // Calls every timer that is due (one-shot timers first, each list in order); a one-shot
  // timer leaves its list before it is called.
  void tick();

  // Whether interval milliseconds have passed from start to now. The difference is taken
  // in unsigned 32-bit arithmetic, so the comparison holds across the wrap of the clock
  // (every 49.7 days); a start that lies after now (a timer made during a tick, with a
  // later reading of the clock than the tick's) counts as not yet due.
  static bool isDue(uint32_t start, uint32_t interval, uint32_t now);

  uint32_t now() const { return tickSource_(); }
  // Null puts GetTickCount back.
  void setTickSource(zTickSource source);

  // 0 before the Windows timer is started, then 1 (its id).
  uint32_t timerId() const { return timerId_; }
  // The window the Windows timer runs on; 0 before it is started.
  HWND timerWindow() const { return timerWindow_; }
  const zTimerDlist* oneShots() const { return oneShots_; }
  const zTimerDlist* periodics() const { return periodics_; }

 private:
  void startWindowsTimer();

  zTimerDlist* oneShots_;
  zTimerDlist* periodics_;
  uint32_t timerId_;
  HWND timerWindow_;
  zTickSource tickSource_;
};
