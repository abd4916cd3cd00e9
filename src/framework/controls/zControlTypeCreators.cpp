#include "framework/controls/zControlTypeCreators.h"

#include <new>

#include "framework/frames/zPane.h"
#include "framework/layout/zSizer.h"
#include "framework/visual/zBitmapPane.h"

// The template's title is no class name: the pane keeps its own class.
zWindow* zCreatePaneControl(zWindow* parent, zSizer* sizer, uint32_t style, const char*, int32_t id) {
  return new zPaneControl(parent, sizer, style, nullptr, id);
}
// Without a picture: the dialog's code takes the pane over by identifier and gives it one.
zWindow* zCreateBitmapPane(zWindow* parent, zSizer* sizer, uint32_t style, const char*, int32_t id) {
  return new (std::nothrow) zBitmapPane(parent, sizer, style, id);
}
