#include "framework/controls/zUserResource.h"

#include "framework/core/zProgram.h"
#include "framework/core/zResId.h"

zUserResource::zUserResource(const zResId& id, LPCSTR type)
    : resource_(nullptr), module_(nullptr), data_(nullptr), size_(0) {
  HMODULE module = nullptr;
  if (id.moduleName()) {
    module_ = LoadLibraryA(id.moduleName());
    if (reinterpret_cast<uintptr_t>(module_) < 32) {
      module_ = nullptr;
      return;
    }
    module = module_;
  } else {
    // A module handle that came with the id is not this object's to free.
    module = id.module();
    if (!module && zTheProgram) module = zTheProgram->instance();
  }
  const HRSRC found = FindResourceA(module, id.resourceName(), type);
  if (!found) return;
  resource_ = LoadResource(module, found);
  if (!resource_) return;
  data_ = LockResource(resource_);
  size_ = data_ ? SizeofResource(module, found) : 0;
}

zUserResource::~zUserResource() {
  if (resource_) FreeResource(resource_);
  if (module_) FreeLibrary(module_);
}
