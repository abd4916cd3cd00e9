#include "framework/core/zControlType.h"

#include <cctype>

#include "foundation/PointerLists.h"

namespace {

zControlTypeDlist*& typeList() {
  static zControlTypeDlist* list = nullptr;
  return list;
}

bool equalIgnoringCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b) {
    if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b))) return false;
  }
  return *a == *b;
}

}  // namespace

zControlType::zControlType(const char* name, zControlCreator creator) : name_(name), creator_(creator) {
  if (!typeList()) typeList() = new zControlTypeDlist;
  typeList()->append(this);
}

zControlType::~zControlType() {
  zControlTypeDlist* list = typeList();
  if (!list) return;
  list->remove(this);
  if (list->isEmpty()) {
    delete list;
    typeList() = nullptr;
  }
}

zControlType* zControlType::find(const char* name) {
  if (!typeList() || !name) return nullptr;
  zControlTypeDlistIter it(typeList());
  while (zControlType* type = it.next()) {
    if (equalIgnoringCase(type->name_, name)) return type;
  }
  return nullptr;
}

uint32_t zControlType::count() { return typeList() ? typeList()->count() : 0; }

zControlTypeDlist* zControlType::list() { return typeList(); }
