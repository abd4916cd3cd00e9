// A button group: a contiguous range of button identifiers among the children of one window
// that behaves as one exclusive choice. Exactly one button of the range is checked (the
// first at construction when none is), a click moves the check to the clicked button, and
// only the checked button is a tab stop. The group is a command device: it hears the
// buttons' BN_CLICKED through a WM_COMMAND node on the parent window's command list, which
// it removes again when it is deleted. Identifiers of the range that name no child are
// skipped. zRadioGroup3d keeps the selected identifier in an integer of a dialog, and
// binds each 3-D radio button of its range to that integer.
#pragma once

#include <cstdint>

#include "foundation/PointerLists.h"
#include "framework/core/zDevice.h"

class zToolbar;
class zWindow;

// Sets a button's check as the button's own procedure does (a direct call, so that handlers
// registered on the button hear it). Checking a button already checked does nothing and
// answers 0; otherwise the procedure's answer.
LRESULT zSetButtonCheck(zWindow* button, int state);

class zButtonGroup : public zDevice {
 public:
  zButtonGroup(zWindow* parent, int32_t firstId, int32_t lastId);
  // The same, and the group joins the toolbar's list of groups.
  zButtonGroup(zToolbar* toolbar, int32_t firstId, int32_t lastId);
  ~zButtonGroup() override;

  // Unchecks the current button (dropping its tab stop) and checks the given one (giving it
  // the tab stop); 1 when both calls reached a button, else 0.
  int select(int32_t id);
  void enable(int flag);
  // BN_CLICKED from a button of the range: selects it, then tells the target. Answers 0 so
  // that the command goes on to the window's other handlers.
  int onCommand(zEvent* event);
  template <class T, class C>
  void setTarget(T* object, int (C::*member)(zEvent*)) {
    target_ = zEventHandler(object, member);
    hasTarget_ = 1;
  }

  int32_t firstId() const { return firstId_; }
  int32_t lastId() const { return lastId_; }
  int32_t currentId() const { return currentId_; }
  zWindow* parentWindow() const { return parent_; }
  // The parent window is going: the group no longer touches it.
  void parentGone() { parent_ = nullptr; }

 protected:
  zWindow* parent_;
  int32_t firstId_;
  int32_t lastId_;
  int32_t currentId_;
  zEventHandler target_;
  int32_t hasTarget_;

 private:
  void construct();
};

// The button groups of a toolbar; the list does not own them.
class zButtonGroupDList : public zPlist {
 public:
  void append(zButtonGroup* group) { zPlist::append(group); }
};
class zButtonGroupDListIter : public zPListIter {
 public:
  explicit zButtonGroupDListIter(zButtonGroupDList* list) : zPListIter(list) {}
  zButtonGroup* next() { return static_cast<zButtonGroup*>(zPListIter::next()); }
};

// A group of 3-D radio buttons bound to an integer that holds the selected identifier.
class zRadioGroup3d : public zButtonGroup {
 public:
  zRadioGroup3d(zWindow* parent, int32_t firstId, int32_t lastId, int32_t* bound);
  zRadioGroup3d(zToolbar* toolbar, int32_t firstId, int32_t lastId, int32_t* bound);
  // Selects the identifier the variable holds (when it lies in the range).
  virtual int load();
  virtual int validate() { return 1; }
  // Writes the selection to the variable: 1, or 0 without one.
  virtual int store();

 private:
  // Each 3-D radio button of the range keeps the variable too.
  void bindButtons();
  int32_t* bound_;
};
