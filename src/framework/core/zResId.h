// The name of a resource and the module that holds it. This is the least the application
// object needs to load its accelerator table; strings, icons, cursors and message boxes
// extend it.
#pragma once

#include <cstdint>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

struct zBitmapSource;

class zResId {
 public:
  // By number, from the application's resource module (or its own program).
  explicit zResId(uint32_t id);
  // By name (copied), from the application's resource module (or its own program).
  explicit zResId(const char* name);
  // By number, from a named module file.
  zResId(uint32_t id, const char* moduleName);
  zResId(const zResId& other);
  zResId& operator=(const zResId&) = delete;
  ~zResId();

  // The name as the resource functions take it (MAKEINTRESOURCE for numbers).
  LPCSTR resourceName() const;
  const char* moduleName() const { return moduleName_; }
  HMODULE module() const { return module_; }
  void setModule(HMODULE module) { module_ = module; }
  // Where a bitmap of this id is loaded from (zBitmap takes it): the application's
  // instance is the fallback, or the program's own module without an application object.
  // Valid while this id lives.
  operator zBitmapSource() const;  // NOLINT: zBitmap(zResId(id)) reads as a resource load

 private:
  char* name_;
  uint32_t id_;
  char* moduleName_;
  uint32_t ownsName_;
  HMODULE module_;
};

// Loads a resource by the one rule of the framework: a named module file is loaded with
// LoadLibrary (a result below 32 fails: false is returned and nothing is called), the
// load function runs on it and the module is freed again; an id with a module handle uses
// that; otherwise the application's resource module, else the program's own instance.
bool zLoadFromResourceModule(const zResId& id, void (*load)(HMODULE module, LPCSTR name, void* out), void* out);
