// The map from native window handle to the framework object that owns the window. Every
// framework window procedure begins with a look-up here; windows enter right after
// CreateWindowEx returns and leave at WM_NCDESTROY or when their object is destroyed.
#pragma once

#include <cstdint>

#include "foundation/PointerLists.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

class zWindow;

// The cells of one bucket; the list owns its cells.
class ziWindowCellDlist : public zPlist {
 public:
  ziWindowCellDlist() = default;
  ~ziWindowCellDlist() override;
};

class ziWindowMap {
 public:
  using HashFunction = uint32_t (*)(const void* key);

  // The handle's 32-bit value times 4, wrapping.
  static uint32_t handleHash(const void* key);

  ziWindowMap(HashFunction hash, uint32_t bucketCount);
  ziWindowMap(const ziWindowMap&) = delete;
  ziWindowMap& operator=(const ziWindowMap&) = delete;
  ~ziWindowMap();

  // Replaces every earlier entry of the handle; returns the object of the last one
  // replaced, or null when the handle was not in the map.
  zWindow* add(HWND handle, zWindow* window);
  // Removes every entry of the handle; returns the object of the last one, or null.
  zWindow* remove(HWND handle);
  // The object of the last entry of the handle, or null.
  zWindow* find(HWND handle) const;

  uint32_t bucketCount() const { return bucketCount_; }
  uint32_t bucketOf(HWND handle) const;

 private:
  zWindow* removeFrom(ziWindowCellDlist* chain, HWND handle);

  uint32_t bucketCount_;
  ziWindowCellDlist** buckets_;
  HashFunction hash_;
};
