// Makes a modeless window class exist at most once at a time. The class derives from
// SingleDialogRef<itself> besides its window base; the holder keeps the one open
// instance in class-wide state, so that a command brings the open window to the
// front instead of making a second one, and other code can reach it.
//
// A second instance alive at the same time is a programmer error: the next open or
// destruction ends the program through the assertion.
#pragma once

#include "foundation/Assert.h"

#include <cstdint>

namespace PV {
namespace GUI {

// Shows, restores, activates (as an MDI child where it is one) and focuses a window;
// nothing where there is no window system.
void activateSingleWindow(void* handle);

template <class T>
class SingleDialogRef {
 public:
  // The holder keeps its own address: the T around it is not built yet here.
  SingleDialogRef() {
    ++count_;
    instance_ = this;
  }
  SingleDialogRef(const SingleDialogRef&) = delete;
  SingleDialogRef& operator=(const SingleDialogRef&) = delete;
  virtual ~SingleDialogRef() {
    PV_ASSERT(instance_ != 0);
    --count_;
    instance_ = nullptr;
    PV_ASSERT(count_ == 0);
  }

  static T* instance() { return instance_ ? static_cast<T*>(instance_) : nullptr; }
  static int32_t count() { return count_; }

  // The open window, brought to the front; null when none is open (the caller then
  // makes one).
  static T* open() {
    PV_ASSERT(count_ == 0 || count_ == 1);
    T* open = instance();
    if (open) activateSingleWindow(open->handle());
    return open;
  }

 private:
  static inline int32_t count_ = 0;
  static inline SingleDialogRef* instance_ = nullptr;
};

}  // namespace GUI
}  // namespace PV
