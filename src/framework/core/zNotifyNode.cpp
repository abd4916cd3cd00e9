#include "framework/core/zNotifyNode.h"

#include <new>

zNotifyNode::zNotifyNode(const zEventHandler& handler, UINT message, HWND window)
    : lowId_(0), highId_(65535), message_(message), windowFilter_(window), handler_(handler) {}

zNotifyNode::zNotifyNode(uint32_t lowId, uint32_t highId, const zEventHandler& handler, UINT message)
    : lowId_(lowId), highId_(highId), message_(message), windowFilter_(nullptr), handler_(handler) {}

zNotifyNode::zNotifyNode(uint32_t id, const zEventHandler& handler, UINT message)
    : zNotifyNode(id, id, handler, message) {}

zNotifyNode::~zNotifyNode() = default;

// A command's id is the low word of wParam: the high word is 1 for accelerators and the
// notification code for controls, and a command must reach its handler either way. The
// whole range 0-65535 stands for any id: for other messages wParam is often no id at all
// but a window handle (WM_SETFOCUS, WM_KILLFOCUS, WM_SETCURSOR) or flags in both words
// (WM_ACTIVATE of a minimized window), and their handlers must hear them all the same.
bool zNotifyNode::matches(const zEvent* event) const {
  if (event->message_ != message_) return false;
  uint32_t w = static_cast<uint32_t>(event->wParam_);
  if (message_ == WM_COMMAND) w &= 0xFFFFu;
  const bool anyId = lowId_ == 0 && highId_ == 0xFFFFu;
  if (!anyId && (w < lowId_ || w > highId_)) return false;
  return windowFilter_ == nullptr || windowFilter_ == event->window_;
}

bool zNotifyNode::equals(const zNotifyNode& other) const {
  return lowId_ == other.lowId_ && highId_ == other.highId_ && message_ == other.message_ &&
         windowFilter_ == other.windowFilter_ && handler_ == other.handler_;
}

zCtrlNotifyNode::zCtrlNotifyNode(uint32_t id, HWND control, uint32_t code, const zEventHandler& handler)
    : zNotifyNode(id, handler, WM_COMMAND), control_(control), code_(code) {}

bool zCtrlNotifyNode::matches(const zEvent* event) const {
  return zNotifyNode::matches(event) && reinterpret_cast<HWND>(event->lParam_) == control_ &&
         (static_cast<uint32_t>(event->wParam_) >> 16) == code_;
}

zNotifyNodeDlist::~zNotifyNodeDlist() {
  for (Dispatch* d = dispatches_; d; d = d->outer) d->listAlive = false;
  while (void* node = zPlist::removeFirst()) delete static_cast<zNotifyNode*>(node);
}

int zNotifyNodeDlist::dispatch(zEvent* event) {
  Dispatch self{true, dispatches_};
  dispatches_ = &self;
  // The iterator stands on a link of the list while a handler runs; when the list is
  // freed meanwhile, the iterator is abandoned without being destroyed (it owns nothing).
  alignas(zNotifyNodeDlistIter) unsigned char storage[sizeof(zNotifyNodeDlistIter)];
  zNotifyNodeDlistIter* it = new (storage) zNotifyNodeDlistIter(this);
  int answer = 0;
  while (zNotifyNode* node = it->next()) {
    if (!node->matches(event)) continue;
    const int handled = node->call(event);
    if (!self.listAlive) return handled != 0 ? 1 : 0;
    if (handled != 0) {
      answer = 1;
      break;
    }
  }
  it->~zNotifyNodeDlistIter();
  dispatches_ = self.outer;
  return answer;
}

bool zNotifyNodeDlist::removeFirst(const zEvent& event, const zEventHandler& handler) {
  zNotifyNodeDlistIter it(this);
  while (zNotifyNode* node = it.next()) {
    if (node->matches(&event) && node->isHandler(handler)) {
      it.removeCurrent();
      delete node;
      return true;
    }
  }
  return false;
}

uint32_t zNotifyNodeDlist::removeAll(UINT message, const zEventHandler& handler) {
  uint32_t removed = 0;
  zNotifyNodeDlistIter it(this);
  while (zNotifyNode* node = it.next()) {
    if (node->message() == message && node->isHandler(handler)) {
      it.removeCurrent();
      delete node;
      ++removed;
    }
  }
  return removed;
}
