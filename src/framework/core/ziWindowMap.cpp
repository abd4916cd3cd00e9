#include "framework/core/ziWindowMap.h"

#include "foundation/Assert.h"

namespace {

struct ziWindowCell {
  HWND handle;
  zWindow* window;
};

class CellIter : public zPListIter {
 public:
  explicit CellIter(ziWindowCellDlist* list) : zPListIter(list) {}
  ziWindowCell* next() { return static_cast<ziWindowCell*>(zPListIter::next()); }
};

}  // namespace

ziWindowCellDlist::~ziWindowCellDlist() {
  while (void* cell = zPlist::removeFirst()) delete static_cast<ziWindowCell*>(cell);
}

uint32_t ziWindowMap::handleHash(const void* key) {
  const HWND handle = *static_cast<const HWND*>(key);
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle)) * 4u;
}

ziWindowMap::ziWindowMap(HashFunction hash, uint32_t bucketCount)
    : bucketCount_(bucketCount), buckets_(nullptr), hash_(hash) {
  PV_ASSERT(bucketCount > 0 && hash != nullptr);
  buckets_ = new ziWindowCellDlist*[bucketCount_];
  for (uint32_t i = 0; i < bucketCount_; ++i) buckets_[i] = new ziWindowCellDlist;
}

ziWindowMap::~ziWindowMap() {
  for (uint32_t i = 0; i < bucketCount_; ++i) delete buckets_[i];
  delete[] buckets_;
}

uint32_t ziWindowMap::bucketOf(HWND handle) const { return hash_(&handle) % bucketCount_; }

zWindow* ziWindowMap::removeFrom(ziWindowCellDlist* chain, HWND handle) {
  zWindow* last = nullptr;
  CellIter it(chain);
  while (ziWindowCell* cell = it.next()) {
    if (cell->handle == handle) {
      last = cell->window;
      it.removeCurrent();
      delete cell;
    }
  }
  return last;
}

zWindow* ziWindowMap::add(HWND handle, zWindow* window) {
  ziWindowCellDlist* chain = buckets_[bucketOf(handle)];
  zWindow* previous = removeFrom(chain, handle);
  chain->append(new ziWindowCell{handle, window});
  return previous;
}

zWindow* ziWindowMap::remove(HWND handle) { return removeFrom(buckets_[bucketOf(handle)], handle); }

zWindow* ziWindowMap::find(HWND handle) const {
  zWindow* last = nullptr;
  CellIter it(buckets_[bucketOf(handle)]);
  while (ziWindowCell* cell = it.next()) {
    if (cell->handle == handle) last = cell->window;
  }
  return last;
}
