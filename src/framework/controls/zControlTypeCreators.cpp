#include "framework/controls/zControlTypeCreators.h"

#include "framework/frames/zPane.h"
#include "framework/layout/zSizer.h"

namespace {
// No control to give the sizer to: it is freed here rather than leaked.
zWindow* notYetBuilt(zSizer* sizer) {
  delete sizer;
  return nullptr;
}
}  // namespace

// The template's title is no class name: the pane keeps its own class.
zWindow* zCreatePaneControl(zWindow* parent, zSizer* sizer, uint32_t style, const char*, int32_t id) {
  return new zPaneControl(parent, sizer, style, nullptr, id);
}
zWindow* zCreateBitmapPane(zWindow*, zSizer* sizer, uint32_t, const char*, int32_t) { return notYetBuilt(sizer); }
