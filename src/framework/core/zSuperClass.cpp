#include "framework/core/zSuperClass.h"

#include "framework/core/zProgram.h"

namespace {
// The list lives until the process ends; it counts as created once a record was made.
zSuperClassSlist* globalList = nullptr;
zSuperClassSlist& storage() {
  static zSuperClassSlist list;
  return list;
}
}  // namespace

zSuperClass::zSuperClass(const char* name, WNDPROC procedure, HMODULE module)
    : name_(name ? name : ""),
      classProc_(nullptr),
      superProc_(procedure),
      superProcCopy_(procedure),
      instance_(zTheProgram ? zTheProgram->instance() : GetModuleHandleA(nullptr)),
      module_(module) {
  WNDCLASSA wc;
  if (GetClassInfoA(nullptr, name_, &wc)) classProc_ = wc.lpfnWndProc;
  if (!globalList) globalList = &storage();
  globalList->append(this);
}

zSuperClass::~zSuperClass() {
  if (reinterpret_cast<uintptr_t>(module_) > 32) FreeLibrary(module_);
}

zSuperClassSlist* zSuperClassSlist::global() { return globalList; }

zSuperClass* zSuperClassSlist::find(const FLCString& name) {
  if (!globalList) return nullptr;
  zSlistIter it(*globalList);
  while (void* item = it.next()) {
    zSuperClass* record = static_cast<zSuperClass*>(item);
    if (record->name().compareTo(name) == 0) return record;
  }
  return nullptr;
}

void zSuperClassSlist::deleteAll() {
  if (!globalList) return;
  while (void* item = globalList->get()) delete static_cast<zSuperClass*>(item);
}
