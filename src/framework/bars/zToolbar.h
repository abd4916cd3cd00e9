// The toolbar: a visual pane docked along one side of a frame whose tool buttons and other
// controls are child windows arranged by a slot layout (a child with a gravNone sizer keeps
// its own place). It draws one black edge line toward the client area, or a 3-D panel
// frame; forwards commands and menu selections to its frame; lets handlers register for its
// commands; checks buttons by identifier (a button group moves the check within the group);
// and a menu link keeps the frame's menu items grayed and checked in step with the buttons
// of the same identifier.
#pragma once

#include <cstdint>

#include "framework/bars/zButtonGroup.h"
#include "framework/core/zDevice.h"
#include "framework/visual/ziVisualPane.h"

class zMenu;
class zMenuLink;
class zSlotLayout;
class ziVisPanelInternal;

// Class-type bit of the toolbar (zEvH::setTypeBit).
constexpr unsigned zTypeToolbar = 76;

// Flags of a toolbar.
constexpr uint32_t zToolbarEdgeFromGravity = 0x1;  // the edge line follows the sizer's gravity
constexpr uint32_t zToolbarEdgeRight = 0x2;        // docked left
constexpr uint32_t zToolbarEdgeLeft = 0x4;         // docked right
constexpr uint32_t zToolbarEdgeTop = 0x8;          // docked at the bottom
constexpr uint32_t zToolbarEdgeBottom = 0x10;      // docked at the top
constexpr uint32_t zToolbarPanel = 0x200;          // a 3-D panel frame in place of the line

class zToolbar : public ziVisualPane {
 public:
  enum FrameIs : int32_t { frameIsParent = 0, frameIsGrandparent = 1 };
  zToolbar(zWindow* parent, zSizer* sizer, uint32_t flags, uint32_t paneStyle, FrameIs frame = frameIsParent);
  ~zToolbar() override;

  LRESULT defProc(zEvent* event) override;
  int draw(zEvent* event = nullptr) override;
  int onSize(zEvent* event) override;

  zDimension gap() const;
  void setGap(const zDimension& gap);
  zDimension margin() const;
  void setMargin(const zDimension& margin);
  int32_t orientation() const;
  void setOrientation(int32_t orientation);

  // Links every child to the frame's menu (or the parent's when the frame is the parent).
  void linkMenu();
  void linkMenu(int32_t idLow, int32_t idHigh);
  void unlinkMenu();
  zMenuLink* menuLink() const { return menuLink_; }

  void enableItem(int32_t id, int on);
  int isItemEnabled(int32_t id);
  // Checks (state nonzero) or unchecks the button. In a button group, checking selects the
  // button; unchecking the group's current button selects the next one (the first after the
  // last); unchecking a button that is not current changes nothing.
  int checkItem(int32_t id, int state);
  int isItemChecked(int32_t id);
  zWindow* findItem(int32_t id);

  template <class T, class C>
  void addCommandHandler(T* object, int (C::*member)(zEvent*), int32_t id) {
    addCommandHandler(zEventHandler(object, member), id, id);
  }
  template <class T, class C>
  void addCommandHandler(T* object, int (C::*member)(zEvent*), int32_t idLow, int32_t idHigh) {
    addCommandHandler(zEventHandler(object, member), idLow, idHigh);
  }
  template <class T, class C>
  void addCommandHandler(T* object, int (C::*member)(zEvent*)) {
    addCommandHandler(zEventHandler(object, member), 0, 0xFFFF);
  }
  void addCommandHandler(const zEventHandler& handler, int32_t idLow, int32_t idHigh);
  template <class T, class C>
  void removeCommandHandler(T* object, int (C::*member)(zEvent*)) {
    removeCommandHandler(zEventHandler(object, member));
  }
  void removeCommandHandler(const zEventHandler& handler);

  void addButtonGroup(zButtonGroup* group);
  void removeButtonGroup(zButtonGroup* group);
  zButtonGroupDList* buttonGroups() const { return buttonGroups_; }
  uint32_t toolbarFlags() const { return flags_; }
  zSlotLayout* slotLayout() const { return layout_; }
  zWindow* frame() const;

 private:
  zMenuLink* menuLink_;
  zButtonGroupDList* buttonGroups_;
  int32_t frameIsGrandparent_;
  zSlotLayout* layout_;
  ziVisPanelInternal* framePanel_;
  uint32_t flags_;
  ziControlCompound* panelCompound_;
};

// Keeps menu items in step with the buttons of the same identifier: a button's WM_ENABLE
// grays or enables the item (flag 0x1), its BM_SETCHECK checks or unchecks it (flag 0x2).
class zMenuLink : public zDevice {
 public:
  enum : uint32_t { followEnable = 0x1, followCheck = 0x2 };
  // A null menu means the menu of the toolbar's parent.
  zMenuLink(zToolbar* toolbar, uint32_t linkFlags, zMenu* menu);
  zMenuLink(zToolbar* toolbar, int32_t idLow, int32_t idHigh, uint32_t linkFlags, zMenu* menu);
  ~zMenuLink() override;
  virtual int notify(zEvent* event);
  virtual void link(zWindow* child);
  virtual void unlink(zWindow* child);
  zMenu* menu() const { return menu_; }

 private:
  void linkAll();
  bool inRange(zWindow* child) const;
  zToolbar* window_;
  zMenu* menu_;
  int32_t idLow_;
  int32_t idHigh_;
  uint32_t linkFlags_;
};
