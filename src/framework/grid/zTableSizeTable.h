// The sparse table of row heights or column widths of a grid. Sizes live in pages of 256
// 16-bit entries (page = index >> 8, entry = index & 255), created when a size is first
// stored into them with every entry 0xFFFF. An entry that reads negative as a signed
// 16-bit value (0xFFFF, or anything from 0x8000 up) means "the default size", so storing
// such a value gives an index its default back. Indices above the highest sized index read
// as the default without touching the pages. Window-free.
#pragma once

#include <cstdint>

#include "framework/grid/zTableTypes.h"

class zTableSizeTable {
 public:
  static constexpr uint16_t kDefaultEntry = 0xFFFF;

  explicit zTableSizeTable(uint32_t defaultSize = 0) : defaultSize_(defaultSize) {}
  ~zTableSizeTable();
  zTableSizeTable(const zTableSizeTable&) = delete;
  zTableSizeTable& operator=(const zTableSizeTable&) = delete;

  uint32_t defaultSize() const { return defaultSize_; }
  void setDefaultSize(uint32_t size) { defaultSize_ = size; }

  uint32_t size(uint32_t index) const;
  // False when the page could not be made; the index keeps its size then.
  bool setSize(uint32_t index, uint16_t size);
  // Every index from first to last, both included, in either order.
  bool setSizes(uint32_t first, uint32_t last, uint16_t size);

  // -1 while nothing has been sized.
  int64_t highestSized() const { return highest_; }
  uint32_t pageCount() const;  // pages made so far
  // Exchanges the sizes, pages and default sizes of two tables.
  void swap(zTableSizeTable& other);
  bool hasPage(uint32_t page) const { return pages_.get(page) != nullptr; }

 private:
  struct Page {
    uint16_t entries[256];
  };
  uint32_t defaultSize_;
  int64_t highest_ = -1;
  zTableDynaArray<Page*> pages_{100, nullptr};
};
