// The message table's resource form: built from a string block (window build only).
#include "framework/bars/zStatusMessageTable.h"
#include "framework/core/zResources.h"

namespace {
const char* nextOfBlock(void* source) { return static_cast<zResStrBlock*>(source)->nextString(); }
}  // namespace

zStatusMessageTable::zStatusMessageTable(zResStrBlock& block) : entries_(nullptr), owned_(0) { build(block); }

void zStatusMessageTable::build(zResStrBlock& block) {
  block.rewind();
  build(&nextOfBlock, &block);
}
