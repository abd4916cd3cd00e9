#include "framework/grid/zTableHeaderTexts.h"

zTableHeaderTexts::~zTableHeaderTexts() {
  for (uint32_t i = 0; i < texts_.count(); ++i) delete texts_.get(i);
}

const char* zTableHeaderTexts::text(uint32_t index) const {
  FLCString* s = texts_.get(index);
  return s ? static_cast<const char*>(*s) : "";
}

void zTableHeaderTexts::setText(uint32_t index, const char* text) {
  FLCString* fresh = new (std::nothrow) FLCString(text ? text : "");
  if (!fresh) return;
  FLCString* old = texts_.get(index);
  if (!texts_.set(index, fresh)) {
    delete fresh;
    return;
  }
  delete old;
}

void zTableHeaderTexts::removeLine(uint32_t index) {
  if (index >= texts_.count()) return;
  delete texts_.get(index);
  texts_.set(index, nullptr);
  texts_.shiftDown(index);
}

void zTableHeaderTexts::addLine(uint32_t index) {
  uint32_t last = 0;
  for (uint32_t i = texts_.count(); i > 0; --i)
    if (texts_.get(i - 1)) {
      last = i - 1;
      break;
    }
  if (index >= texts_.count() || last < index || !texts_.get(last)) return;
  // Grow first: when the array cannot grow, no text is lost.
  if (!texts_.set(last + 1, texts_.get(last))) return;
  for (uint32_t u = last; u > index; --u) texts_.set(u, texts_.get(u - 1));
  texts_.set(index, nullptr);
}

FLCString zTableHeaderLabel(uint32_t mode, uint32_t index, const zTableHeaderTexts* texts) {
  char buffer[16];
  char* end = buffer + sizeof buffer;
  char* p = end;
  switch (mode) {
    case zTableHeaderNumber:
      do {
        *--p = static_cast<char>('0' + index % 10);
        index /= 10;
      } while (index);
      return FLCString(p, static_cast<uint32_t>(end - p));
    case zTableHeaderStored:
      return FLCString(texts ? texts->text(index) : "");
    case zTableHeaderLetters: {
      uint32_t n = index ? index - 1 : 0;
      do {
        *--p = static_cast<char>('A' + n % 26);
        n /= 26;
      } while (n);
      return FLCString(p, static_cast<uint32_t>(end - p));
    }
    default:
      return FLCString();
  }
}
