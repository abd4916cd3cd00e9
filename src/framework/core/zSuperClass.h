// Window classes that the program derives from registered classes: the class's own window
// procedure, the superclass's procedure and the module that holds the class.
#pragma once

#include "foundation/FLCString.h"
#include "foundation/PointerLists.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

class zSuperClass {
 public:
  // Reads the class's own window procedure with GetClassInfo and appends the record to the
  // global list. The record owns the module (freed when its handle is above 32).
  zSuperClass(const char* name, WNDPROC procedure, HMODULE module);
  zSuperClass(const zSuperClass&) = delete;
  zSuperClass& operator=(const zSuperClass&) = delete;
  ~zSuperClass();

  const FLCString& name() const { return name_; }
  WNDPROC classProcedure() const { return classProc_; }
  WNDPROC procedure() const { return superProc_; }
  HMODULE module() const { return module_; }

 private:
  FLCString name_;
  WNDPROC classProc_;
  WNDPROC superProc_;
  WNDPROC superProcCopy_;
  HINSTANCE instance_;
  HMODULE module_;
};

class zSuperClassSlist : public zSlist {
 public:
  // The global list, created by the first record; null before.
  static zSuperClassSlist* global();
  // The first record with the name; null when none (or no list yet).
  static zSuperClass* find(const FLCString& name);
  // Deletes every record; the list itself stays.
  static void deleteAll();
};
