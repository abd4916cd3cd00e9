// The multiple-document interface: the application's MDI frame, which owns the system's
// MDI client window, and the MDI children that live inside that client. On top of the
// system's MDI the frame lays the client out beside its margin frames, merges the menu of
// the active child into its menu bar (posted 0x902), and deletes self-deleting children
// only after their windows are gone (posted 0x903), so no message reaches a freed object.
#pragma once

#include <cstdint>

#include "framework/core/zFrameWin.h"
#include "framework/frames/ziFrameSupport.h"

class zMenu;
class zMDIChildFrame;

// The identifier of the MDI client window among the frame's children.
constexpr int32_t zMDIClientId = 3244;

class zMDIAppFrame : public zFrameWin {
 public:
  // A null window menu gets an empty popup menu in which the client lists its children;
  // the frame owns it. The window and its MDI client are created at once. The icon (the
  // frame takes it; null: the system's application icon) goes in with the window's class:
  // set on the class afterwards, the system would scale a small icon twice, once for the
  // icon it replaces.
  zMDIAppFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, zMenu* windowMenu,
               uint32_t firstChildId, zIcon* icon = nullptr);
  // Deletes every child (the active one last), then the client object and the frame.
  ~zMDIAppFrame() override;

  LRESULT defProc(zEvent* event) override;
  WNDCLASSA* classInfo() override;
  void create() override;
  // Lays the margin frames along the edges and gives the MDI client what is left.
  void layoutChildren(zEvent* event) override;

  void tile();
  void cascade();
  void arrangeIcons();
  // The active MDI child's object, or null; *maximized tells whether it is maximised.
  zWindow* activeChild(bool* maximized = nullptr);
  zFrameWin* client() const { return client_; }
  zMenu* windowMenu() const { return windowMenu_; }
  uint32_t firstChildId() const { return firstChildId_; }
  zWindow* mergedChild() const { return mergedChild_; }

  // Merges (the child is being activated, or wParam is 1) or removes the menu of the child
  // in lParam.
  void mergeChildMenu(zEvent* event);
  // After an MDI child was activated or deactivated (its menu merged or removed): the
  // frame's commands that depend on the active child follow it. The default does nothing.
  virtual void onActiveChildChanged() {}
  // Copies every entry of the source into the target, in front of its last `fromEnd` ones.
  static void insertMenuItems(HMENU source, HMENU target, int32_t fromEnd);
  // The number of menu-bar entries at the end in front of which child menus go.
  static void setMenuMergeOffset(int32_t offset);
  static int32_t menuMergeOffset();

  // The frame procedure's own steps; public for the procedure.
  LRESULT route(zEvent* event);

 protected:
  // The first show puts the title on; once the frame shows, its client does too, and the
  // layout places it at the size the frame has.
  void arrangeFirstShow() override;
  void onFirstShown(int cmd) override;

 private:
  void placementFromWindow();

  zMenu* windowMenu_;
  uint32_t firstChildId_;
  HICON classIcon_;
  zFrameWin* client_;
  zWindow* mergedChild_;
};

class zMDIChildFrame : public zFrameWin {
 public:
  // Created hidden through the MDI client unless deferred (a deriving class then calls
  // create itself); shown and activated by its first show.
  zMDIChildFrame(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int deferCreation = 0);
  // The frame part only, for the MDI dialog frames.
  explicit zMDIChildFrame(zWindow* parent);
  ~zMDIChildFrame() override;

  LRESULT defProc(zEvent* event) override;
  WNDCLASSA* classInfo() override;
  void create() override;
  // WM_MDIACTIVATE; the default answers 0.
  virtual int onMDIActivate(zEvent* event);

  void activate();
  void maximize(int on);
  void activateNext();

  LRESULT route(zEvent* event);

 protected:
  // The steps of the destructor that must run while the derived object still exists:
  // queued merges are handled, the menu is taken out of the frame's bar, the window goes.
  void releaseChildWindow();
  // After a window is made: sizer from the window rectangle and the parent's font.
  void placementFromWindow();
  // Registers the frame's own class, then makes the window through the MDI client, hidden
  // (its first show activates it), and maps it to this frame.
  void createInMDIClient(MDICREATESTRUCTA* mcs);

  // Every show refreshes the frame's window menu and redraws the parent's menu bar (the
  // first only where the child shows maximised); the first lays the child out, puts the
  // title on and activates it unless told not to.
  void showAgain(int cmd) override;
  void prepareFirstShow() override;
  void arrangeFirstShow() override;
  void onFirstShown(int cmd) override;
  // The frame's window menu lists the children again; the parent's menu bar is redrawn
  // unless told that it stays as it is.
  void refreshFrameMenus(bool barChanges = true);
};

// The frame's menu bar owner: the main MDI frame, or null.
zMDIAppFrame* ziMainMDIFrame();
