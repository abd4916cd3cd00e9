#include "framework/bars/zStatusMessageTable.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {
char* copyText(const char* s) {
  const size_t n = std::strlen(s);
  char* p = new char[n + 1];
  std::memcpy(p, s, n + 1);
  return p;
}
}  // namespace

void zStatusMessageTable::release() {
  if (owned_ && entries_) {
    for (const zStatusMessage* e = entries_; e->text; ++e) delete[] e->text;
    delete[] entries_;
  }
  entries_ = nullptr;
  owned_ = 0;
}

void zStatusMessageTable::set(const zStatusMessage* entries) {
  release();
  entries_ = entries;
}

void zStatusMessageTable::build(const char* (*next)(void* source), void* source) {
  release();
  std::vector<zStatusMessage> found;
  for (const char* s = next(source); s; s = next(source)) {
    const char* blank = std::strchr(s, ' ');
    if (!blank) continue;
    found.push_back(zStatusMessage{static_cast<int32_t>(std::atoi(s)), copyText(blank + 1)});
  }
  zStatusMessage* array = new zStatusMessage[found.size() + 1];
  for (size_t i = 0; i < found.size(); ++i) array[i] = found[i];
  array[found.size()] = zStatusMessage{0, nullptr};
  entries_ = array;
  owned_ = 1;
}

const char* zStatusMessageTable::lookup(int32_t id) const {
  if (!entries_) return nullptr;
  for (const zStatusMessage* e = entries_; e->text; ++e)
    if (e->id == id) return e->text;
  return nullptr;
}

uint32_t zStatusMessageTable::count() const {
  uint32_t n = 0;
  if (entries_)
    for (const zStatusMessage* e = entries_; e->text; ++e) ++n;
  return n;
}
