#include "framework/core/zResId.h"

#include <cstring>

#include "framework/core/zProgram.h"
#include "framework/draw/zBitmap.h"

namespace {
char* copyText(const char* s) {
  if (!s) return nullptr;
  const size_t n = std::strlen(s) + 1;
  char* copy = new char[n];
  std::memcpy(copy, s, n);
  return copy;
}
}  // namespace

zResId::zResId(uint32_t id) : name_(nullptr), id_(id), moduleName_(nullptr), ownsName_(0), module_(nullptr) {
  if (zTheProgram) moduleName_ = copyText(zTheProgram->resourceModuleName());
}

zResId::zResId(const char* name) : name_(copyText(name)), id_(0), moduleName_(nullptr), ownsName_(1), module_(nullptr) {
  if (zTheProgram) moduleName_ = copyText(zTheProgram->resourceModuleName());
}

zResId::zResId(uint32_t id, const char* moduleName)
    : name_(nullptr), id_(id), moduleName_(copyText(moduleName)), ownsName_(0), module_(nullptr) {}

zResId::zResId(const zResId& other)
    : name_(copyText(other.name_)),
      id_(other.id_),
      moduleName_(copyText(other.moduleName_)),
      ownsName_(other.name_ ? 1 : 0),
      module_(other.module_) {}

zResId::~zResId() {
  if (ownsName_) delete[] name_;
  delete[] moduleName_;
}

LPCSTR zResId::resourceName() const { return name_ ? name_ : MAKEINTRESOURCEA(static_cast<WORD>(id_)); }

zResId::operator zBitmapSource() const {
  const HMODULE fallback = zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr);
  return zBitmapSource{moduleName_, module_, fallback, resourceName()};
}

bool zLoadFromResourceModule(const zResId& id, void (*load)(HMODULE, LPCSTR, void*), void* out) {
  if (id.moduleName()) {
    const HMODULE module = LoadLibraryA(id.moduleName());
    if (reinterpret_cast<uintptr_t>(module) < 32) return false;
    load(module, id.resourceName(), out);
    FreeLibrary(module);
    return true;
  }
  HMODULE module = id.module();
  if (!module && zTheProgram) module = zTheProgram->instance();
  load(module, id.resourceName(), out);
  return true;
}
