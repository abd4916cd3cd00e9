#include "framework/core/zDevice.h"

#include "framework/core/zWindow.h"

zDevice::zDevice() : handlers_(nullptr), handlerBits_(0) { setTypeBit(zTypeDevice); }

zDevice::~zDevice() { delete handlers_; }

int zDevice::dispatch(zEvent* event) { return handlers_ ? handlers_->dispatch(event) : 0; }

void zDevice::addNotifyNode(zWindow* owner, zNotifyNode* node) {
  if (!handlers_) handlers_ = new zNotifyNodeDlist;
  handlers_->append(node);
  if (owner) owner->addHandlerFlags(handlerBits_);
}

void zDevice::removeCommand(const zEventHandler& handler, UINT message) {
  if (handlers_) handlers_->removeAll(message, handler);
}
