#include "framework/grid/zTableSizeTable.h"

#include <utility>

zTableSizeTable::~zTableSizeTable() {
  for (uint32_t p = 0; p < pages_.count(); ++p) delete pages_.get(p);
}

uint32_t zTableSizeTable::size(uint32_t index) const {
  if (static_cast<int64_t>(index) > highest_) return defaultSize_;
  const Page* page = pages_.get(index >> 8);
  if (!page) return defaultSize_;
  int16_t v = static_cast<int16_t>(page->entries[index & 255]);
  return v < 0 ? defaultSize_ : static_cast<uint32_t>(v);
}

bool zTableSizeTable::setSize(uint32_t index, uint16_t size) {
  Page* page = pages_.get(index >> 8);
  if (!page) {
    page = new (std::nothrow) Page;
    if (!page) return false;
    for (uint16_t& e : page->entries) e = kDefaultEntry;
    if (!pages_.set(index >> 8, page)) {
      delete page;
      return false;
    }
  }
  if (static_cast<int64_t>(index) > highest_) highest_ = index;
  page->entries[index & 255] = size;
  return true;
}

bool zTableSizeTable::setSizes(uint32_t first, uint32_t last, uint16_t size) {
  if (first > last) {
    uint32_t t = first;
    first = last;
    last = t;
  }
  bool ok = true;
  for (uint64_t i = first; i <= last; ++i) ok = setSize(static_cast<uint32_t>(i), size) && ok;
  return ok;
}

uint32_t zTableSizeTable::pageCount() const {
  uint32_t n = 0;
  for (uint32_t p = 0; p < pages_.count(); ++p)
    if (pages_.get(p)) ++n;
  return n;
}

void zTableSizeTable::swap(zTableSizeTable& other) {
  std::swap(defaultSize_, other.defaultSize_);
  std::swap(highest_, other.highest_);
  pages_.swap(other.pages_);
}
