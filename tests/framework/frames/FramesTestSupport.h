// Support for the frames tests: work scheduled on the UI thread's own timers (so that it
// runs inside whatever modal loop is running then), a deadline that ends a loop which
// would otherwise wait for ever, windows found among the thread's own, and the test
// control types that the test templates name.
#pragma once

#include <functional>
#include <string>

#include "framework/controls/zControl.h"

// Runs the work once, ms milliseconds from now, on this thread's timer.
void runAfter(unsigned ms, std::function<void()> work);
// Cancels every scheduled run.
void cancelScheduled();
// Posts a quit after ms milliseconds unless disarmed, which ends the loops that run (a
// modal run ends and passes it on); hit() tells.
class Deadline {
 public:
  explicit Deadline(unsigned ms);
  ~Deadline();
  bool hit() const;

 private:
  UINT_PTR timer_;
};
// The first top-level window of this thread whose caption is the text; null when none.
HWND findThreadWindow(const char* caption);
// The first visible system dialog box (class "#32770") of this thread, of the caption where one
// is given (the framework's own dialogs are of another class, even where the caption is the
// same); null when none.
HWND findThreadDialogBox(const char* caption = nullptr);
// The rectangle of a child window in its parent's client coordinates.
RECT placeOf(HWND window);

// A text input that must not be empty; stores its text into the string it is bound to.
class RequiredEdit : public zControl {
 public:
  RequiredEdit(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);
  int validate() override;
  int storeData() override;
  std::string* bound = nullptr;
  static int storeCount;
};

// Registered as "zTestEdit" for the test templates.
void registerTestControlTypes();
