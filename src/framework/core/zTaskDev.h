// Work that runs while the message queue is empty: each task is an object and a member
// function, called once per idle pass until it answers nonzero (finished). The message
// loop polls instead of blocking while tasks are queued. Also the debug trace: formatted
// diagnostic lines to a console and to the debugger or a chosen stream.
#pragma once

#include <cstdint>
#include <cstdio>

#include "foundation/PointerLists.h"
#include "framework/core/zBoundMember.h"

using zTaskHandler = zBoundMember<int()>;

class zTaskDev {
 public:
  zTaskDev();
  zTaskDev(const zTaskDev&) = delete;
  zTaskDev& operator=(const zTaskDev&) = delete;
  ~zTaskDev();

  int32_t count() const { return count_; }
  // Queues a task at the end.
  void add(const zTaskHandler& task);
  template <class T, class C>
  void add(T* object, int (C::*member)()) {
    add(zTaskHandler(object, member));
  }
  // One idle pass: each task runs once; finished tasks leave the queue.
  void idle();
  // Unlinks every task that is this handler (object and member function).
  void remove(const zTaskHandler& task);
  template <class T, class C>
  void remove(T* object, int (C::*member)()) {
    remove(zTaskHandler(object, member));
  }
  // After the main frame's WM_DESTROY no idle pass runs.
  void switchOff() { enabled_ = 0; }
  bool isEnabled() const { return enabled_ != 0; }
  // A pass is running: a message loop entered from a task (a modal dialog) blocks instead
  // of polling, since passes do not nest.
  bool isPassRunning() const { return current_ != nullptr; }

 private:
  zPlist* tasks_;
  uint32_t enabled_;
  int32_t count_;
  zPListIter* current_;
};

// The debug switch: off at start; while it is off the trace does nothing.
void setDebugSwitch(bool on);
bool debugSwitch();
// The stream that trace lines go to instead of the debugger; null for the debugger.
// Returns 1.
int setDebugStream(FILE* stream);
// While the debug switch is on: formats a line as printf does and prints it with a newline
// to standard output, which the first trace points at a console of its own when the
// process has none; then writes it with "\n" to the debug stream, or without a stream to
// the debugger (OutputDebugString, line ends "\r\n").
#ifdef __MINGW_PRINTF_FORMAT
__attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)))
#endif
void debugTrace(const char* format, ...);
