// Handlers registered at run time: an object and one of its member functions, for one
// message (and a range of ids in wParam) on one window, a device, or the application.
// Nonzero from the handler means the event was handled.
#pragma once

#include <cstdint>

#include "foundation/PointerLists.h"
#include "framework/core/zBoundMember.h"
#include "framework/core/zEvH.h"

using zEventHandler = zBoundMember<int(zEvent*)>;

class zNotifyNode {
 public:
  // Any id (0-65535) on the given window (0: any window).
  zNotifyNode(const zEventHandler& handler, UINT message, HWND window);
  // An id range on any window.
  zNotifyNode(uint32_t lowId, uint32_t highId, const zEventHandler& handler, UINT message);
  // One id on any window.
  zNotifyNode(uint32_t id, const zEventHandler& handler, UINT message);
  zNotifyNode(const zNotifyNode&) = delete;
  zNotifyNode& operator=(const zNotifyNode&) = delete;
  virtual ~zNotifyNode();

  // Message equal, lowId <= wParam <= highId (unsigned), and no window filter or the
  // event's window.
  virtual bool matches(const zEvent* event) const;
  int call(zEvent* event) const { return handler_(event); }
  bool isHandler(const zEventHandler& handler) const { return handler_ == handler; }
  bool equals(const zNotifyNode& other) const;

  uint32_t lowId() const { return lowId_; }
  uint32_t highId() const { return highId_; }
  UINT message() const { return message_; }
  HWND windowFilter() const { return windowFilter_; }

 private:
  uint32_t lowId_;
  uint32_t highId_;
  UINT message_;
  HWND windowFilter_;
  zEventHandler handler_;
};

// A command from one control with one notification code: WM_COMMAND whose id is the
// control's, whose lParam is the control's window and whose high word of wParam is the code.
class zCtrlNotifyNode : public zNotifyNode {
 public:
  zCtrlNotifyNode(uint32_t id, HWND control, uint32_t code, const zEventHandler& handler);
  bool matches(const zEvent* event) const override;

 private:
  HWND control_;
  uint32_t code_;
};

// The handler nodes of one owner, in order of registration; the list owns its nodes.
class zNotifyNodeDlist : public zPlist {
 public:
  zNotifyNodeDlist() : dispatches_(nullptr) {}
  ~zNotifyNodeDlist() override;

  void append(zNotifyNode* node) { zPlist::append(node); }
  // Offers the event to each matching node in order; 1 at the first nonzero answer, else 0.
  int dispatch(zEvent* event);
  // Unlinks and frees the first node that matches the event and is the handler; true
  // when one was found.
  bool removeFirst(const zEvent& event, const zEventHandler& handler);
  // Unlinks and frees every node for the message that is the handler; the number removed.
  uint32_t removeAll(UINT message, const zEventHandler& handler);

 private:
  // The dispatches running over the list, innermost first: a handler may delete the
  // list's owner (a window closing itself), and a dispatch must then leave the freed list
  // alone.
  struct Dispatch {
    bool listAlive;
    Dispatch* outer;
  };
  Dispatch* dispatches_;
};

class zNotifyNodeDlistIter : public zPListIter {
 public:
  explicit zNotifyNodeDlistIter(zNotifyNodeDlist* list) : zPListIter(list) {}
  zNotifyNode* next() { return static_cast<zNotifyNode*>(zPListIter::next()); }
};
