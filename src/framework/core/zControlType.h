// Control types: a window class name and the creator of the framework control that a dialog
// template names by it. Each record enters the global list of control types when it is
// constructed and leaves it when it is destroyed; the dialog template reader looks names up
// there (ignoring case: the resource compiler upper-cases custom class names).
#pragma once

#include <cstdint>

#include "foundation/PointerLists.h"

class zWindow;
class zSizer;

// parent, sizer (owned by the new control), style, title characters, identifier.
using zControlCreator = zWindow* (*)(zWindow* parent, zSizer* sizer, uint32_t style, const char* title, int32_t id);

class zControlType;

// The process's list of control types in order of registration; made by the first record
// and gone with the last. Its links are plain list links.
class zControlTypeDlist : public zPlist {};
using zControlTypeLink = zPlink;

class zControlTypeDlistIter : public zPListIter {
 public:
  explicit zControlTypeDlistIter(zControlTypeDlist* list) : zPListIter(list) {}
  zControlType* next() { return static_cast<zControlType*>(zPListIter::next()); }
};

class zControlType {
 public:
  // The name is not copied: it must outlive the record.
  zControlType(const char* name, zControlCreator creator);
  zControlType(const zControlType&) = delete;
  zControlType& operator=(const zControlType&) = delete;
  ~zControlType();

  const char* name() const { return name_; }
  zControlCreator creator() const { return creator_; }

  // The first record whose name equals the given one ignoring case; null when none.
  static zControlType* find(const char* name);
  static uint32_t count();
  // The list of every record; null while there is none.
  static zControlTypeDlist* list();

 private:
  const char* name_;
  zControlCreator creator_;
};
