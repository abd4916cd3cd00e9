// Help texts by command identifier, shared by the status line (menu help) and the tool tips.
// A table either refers to an array its caller keeps or owns one it built from strings of
// the form "<decimal id> <text>" (a resource string block). Every array ends with an entry
// whose text is null: that entry alone ends a lookup, so an identifier 0 or a string that
// does not start with a number never cuts the table short.
#pragma once

#include <cstdint>

class zResStrBlock;

struct zStatusMessage {
  int32_t id;
  const char* text;  // null only in the terminating entry
};

class zStatusMessageTable {
 public:
  zStatusMessageTable() : entries_(nullptr), owned_(0) {}
  // Refers to the caller's array, which must end with a null text and outlive the table.
  explicit zStatusMessageTable(const zStatusMessage* entries) : entries_(entries), owned_(0) {}
  // Built from a resource string block (window build only).
  explicit zStatusMessageTable(zResStrBlock& block);
  zStatusMessageTable(const zStatusMessageTable&) = delete;
  zStatusMessageTable& operator=(const zStatusMessageTable&) = delete;
  ~zStatusMessageTable() { release(); }

  // Frees an owned array, then refers to the given one (null empties the table).
  void set(const zStatusMessage* entries);
  // Replaces the contents with entries built from strings "<id> <text>": next() hands out
  // the strings one by one and null after the last. A string without a blank is skipped.
  void build(const char* (*next)(void* source), void* source);
  // The same from a resource string block (window build only).
  void build(zResStrBlock& block);

  // The text of the first entry with that identifier; null when none has it.
  const char* lookup(int32_t id) const;
  int isEmpty() const { return !entries_ || !entries_[0].text; }
  uint32_t count() const;
  int isOwned() const { return owned_; }
  const zStatusMessage* entries() const { return entries_; }

 private:
  void release();
  const zStatusMessage* entries_;
  int32_t owned_;
};
