#include "framework/controls/zControlTypeCreators.h"

#include "framework/core/zSizer.h"

namespace {
// No control to give the sizer to: it is freed here rather than leaked.
zWindow* notYetBuilt(zSizer* sizer) {
  delete sizer;
  return nullptr;
}
}  // namespace

zWindow* zCreateTextPane(zWindow*, zSizer* sizer, uint32_t, const char*, int32_t) {
  return notYetBuilt(sizer);
}
zWindow* zCreatePaneControl(zWindow*, zSizer* sizer, uint32_t, const char*, int32_t) {
  return notYetBuilt(sizer);
}
zWindow* zCreateBitmapPane(zWindow*, zSizer* sizer, uint32_t, const char*, int32_t) {
  return notYetBuilt(sizer);
}
zWindow* zCreateTabCtrl(zWindow*, zSizer* sizer, uint32_t, const char*, int32_t) {
  return notYetBuilt(sizer);
}
zWindow* zCreateSpinCtrl(zWindow*, zSizer* sizer, uint32_t, const char*, int32_t) {
  return notYetBuilt(sizer);
}
zWindow* zCreateScaleCtrl(zWindow*, zSizer* sizer, uint32_t, const char*, int32_t) {
  return notYetBuilt(sizer);
}
