// The base of the program's modeless model windows (the list editors, the selector, the
// scoring window): an MDI form dialog that reopens where the last window of its kind
// stood, and that asks the window whether it may close.
//
// T only names the kind: each SmartWindow<T, ...> has its own remembered placement, kept
// in memory for the run of the program and never written anywhere. The first window of
// a kind opens where its template puts it; every later one takes the placement of the
// last one whose window went. WM_CLOSE first asks commitData, and a false answer keeps
// the window open with nothing stored; the placement is taken when the window is
// destroyed (or, for a window deleted before its window went, by the destructor).
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/core/zResId.h"
#include "framework/frames/zFormDialog.h"
#include "framework/frames/zMDIAppFrame.h"

namespace PV {
namespace GUI {

template <class T, class Base = zMDIFormDialog, class Frame = zMDIAppFrame>
class SmartWindow : public Base {
 public:
  SmartWindow(Frame* parent, const zResId& resource) : Base(parent, resource) {
    if (instanceCount_ == 0) placement_.length = sizeof(WINDOWPLACEMENT);
    ++instanceCount_;
  }
  ~SmartWindow() override {
    if (!placementSaved_) storePlacement();
  }

  // Moves a window that is not the first of its kind to where the last one stood, shows
  // it as an MDI dialog, then lets the window do its part.
  void show(int cmd) override {
    if (instanceCount_ > 1 && !placementRestored_ && placementValid_ && this->handle()) {
      WINDOWPLACEMENT placement = placement_;
      SetWindowPlacement(this->handle(), &placement);
      placementRestored_ = true;
    }
    Base::show(cmd);
    onShown(cmd);
  }

  LRESULT defProc(zEvent* event) override {
    if (event && event->message_ == WM_CLOSE && !commitData()) return 0;
    if (event && event->message_ == WM_DESTROY) storePlacement();
    return Base::defProc(event);
  }

  // Called after every show with its argument: the window takes the focus where it wants it.
  virtual void onShown(int cmd) = 0;
  // Asked when the window is to close; false keeps it open.
  virtual bool commitData() { return true; }

  // The kind's remembered placement; valid once a window of the kind has gone.
  static const WINDOWPLACEMENT& placement() { return placement_; }
  static bool placementValid() { return placementValid_; }
  // The windows of the kind made in this run.
  static uint32_t instanceCount() { return instanceCount_; }

 private:
  void storePlacement() {
    const HWND window = this->handle();
    if (placementSaved_ || !window || !IsWindow(window)) return;
    WINDOWPLACEMENT now = {};
    now.length = sizeof now;
    if (!GetWindowPlacement(window, &now)) return;
    placement_ = now;
    placementValid_ = true;
    placementSaved_ = true;
  }

  bool placementSaved_ = false;
  bool placementRestored_ = false;

  static inline WINDOWPLACEMENT placement_ = {};
  static inline bool placementValid_ = false;
  static inline uint32_t instanceCount_ = 0;
};

}  // namespace GUI
}  // namespace PV
