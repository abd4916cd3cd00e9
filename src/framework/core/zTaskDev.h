// Work that runs while the message queue is empty: each task is an object and a member
// function, called once per idle pass until it answers nonzero (finished). The message
// loop polls instead of blocking while tasks are queued.
#pragma once

#include <cstdint>

#include "foundation/zLists.h"
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
  void add(T* object, int (C::*member)()) { add(zTaskHandler(object, member)); }
  // One idle pass: each task runs once; finished tasks leave the queue.
  void idle();
  // Unlinks every task that is this handler.
  void remove(const zTaskHandler& task);
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
