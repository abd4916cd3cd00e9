// A resource of any type, found, loaded and locked by the framework's resource rule (a
// named module file is loaded for the time the resource is used). The data pointer is
// null when the resource or its module is not there.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>

class zResId;

class zUserResource {
 public:
  zUserResource(const zResId& id, LPCSTR type);
  zUserResource(const zUserResource&) = delete;
  zUserResource& operator=(const zUserResource&) = delete;
  ~zUserResource();

  const void* data() const { return data_; }
  uint32_t size() const { return size_; }

 private:
  HGLOBAL resource_;
  HMODULE module_;  // a module loaded for this resource; null otherwise
  const void* data_;
  uint32_t size_;
};
