// Event handlers that are not windows but receive commands: menus, popup menus and the
// controllers of radio groups. Handlers registered on a device are offered menu messages
// before the owner window's own lists.
#pragma once

#include <cstdint>

#include "framework/core/zEvH.h"
#include "framework/core/zNotifyNode.h"

class zWindow;

class zDevice : public zEvH {
 public:
  zDevice();
  ~zDevice() override;

  // The first matching node that answers nonzero ends the walk with 1; else 0.
  virtual int dispatch(zEvent* event);

  // Appends the node (the device owns it); with an owner window, ors the device's handler
  // bits into the owner's handler flags.
  void addNotifyNode(zWindow* owner, zNotifyNode* node);
  // Unlinks and frees every node for the message that is the handler.
  void removeCommand(const zEventHandler& handler, UINT message);
  void addHandlerBits(uint32_t bits) { handlerBits_ |= bits; }
  uint32_t handlerBits() const { return handlerBits_; }

 private:
  zNotifyNodeDlist* handlers_;
  uint32_t handlerBits_;
};
