// Two ways to keep exactly one radio button of a group checked, the group being the child
// controls of one parent whose identifiers lie in first..last (both included).
// zRadioGroup is itself the group's first button, taken over from a dialog template;
// zRadioController is a device that manages the buttons without being one. Both put one
// WM_COMMAND node for the range on the parent's command list: a click unchecks the current
// button, checks the clicked one, moves the tab stop with the check and calls the group's
// handler; the identifier of the checked button is the bound integer's value.
//
// Identifiers of the range that have no child are skipped, and a group removes only its
// own node when it goes. A controller must not outlive its parent's object; one whose
// parent window is already gone leaves the parent alone.
#pragma once

#include "framework/controls/zButton.h"
#include "framework/core/zDevice.h"

class zRadioGroup : public zRadioButton {
 public:
  // Takes over the button with the first identifier and checks it.
  zRadioGroup(zWindow* parent, int32_t first, int32_t last);
  // The same, bound: the integer's identifier is checked instead.
  zRadioGroup(zWindow* parent, int32_t first, int32_t last, int32_t* bound, uint32_t flags = 0);
  ~zRadioGroup() override;

  uint32_t setBackgroundColor(const zColor& color) override;
  int validate() override;
  int storeData() override;
  int loadData() override;
  void bind(int32_t* bound) { bound_ = bound; }
  void setNotify(const zEventHandler& handler) { notify_ = handler; }
  zWindow* current() const { return current_; }

 private:
  int clicked(zEvent* event);
  void registerRange();

  zEventHandler notify_;
  int32_t* bound_;
  uint32_t bindFlags_;
  int32_t first_;
  int32_t last_;
  zWindow* current_;
};

class zRadioController : public zDevice {
 public:
  // The current button is the first checked child in the range (none when none is).
  zRadioController(zWindow* parent, int32_t first, int32_t last);
  // Bound: the integer's identifier is checked.
  zRadioController(zWindow* parent, int32_t first, int32_t last, int32_t* bound, uint32_t flags = 0);
  ~zRadioController() override;

  // Unbound: 0. A value outside the range: 1, nothing changes. Else checks that button, 1.
  virtual int update();
  virtual int validate();
  virtual int storeData();
  void bind(int32_t* bound) { bound_ = bound; }
  void setNotify(const zEventHandler& handler) { notify_ = handler; }
  void setBackgroundColor(const zColor& color);
  void setEnabled(int enabled);
  zWindow* current() const { return current_; }

 private:
  int clicked(zEvent* event);
  bool parentAlive() const;

  zEventHandler notify_;
  int32_t* bound_;
  uint32_t bindFlags_;
  int32_t first_;
  int32_t last_;
  zWindow* current_;
  zWindow* parent_;
  HWND parentHandle_;
};
