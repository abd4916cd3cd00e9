// The foundation library's message catalogues and the formatted message text that its
// error objects are built from. The default texts are the only texts: no catalogue file
// is ever read, the catalogue name and number only travel with the record.
#pragma once

#include <cstdint>

// One catalogue entry: which catalogue, which number, and its printf-style default text.
struct FLMessageRecord {
  const char* catalog;
  uint32_t number;
  const char* text;
};

// The accessors, one per message. Core catalogue "flcore7.0" numbers run from 4096,
// tools catalogue "fltools7.0" from 8192, in the order listed here.
#define FL_CORE_MESSAGES(X)                                                    \
  X(EOF, "[EOF] EOF on input")                                                 \
  X(GENERIC, "[GENERIC] Generic error number %d; %s")                          \
  X(INVADDR, "[INVADDR] Invalid address: %lx")                                 \
  X(LOCK, "[LOCK] Unable to lock memory")                                      \
  X(NOINIT, "[NOINIT] Memory allocated without being initialized")             \
  X(NOMEM, "[NOMEM] No memory")                                                \
  X(OPERR, "[OPERR] Could not open file %s")                                   \
  X(OUTALLOC, "[OUTALLOC] Memory released with allocations still outstanding") \
  X(OVFLOW, "[OVFLOW] Overflow error -> \"%.*s\" <- (%u max characters)")      \
  X(STREAM, "[STREAM] Bad input stream")                                       \
  X(SYNSTREAM, "[SYNSTREAM] Syntax error in input stream: expected %s, got %s")

#define FL_TOOLS_MESSAGES(X)                                                             \
  X(ALLOCOUT, "[ALLOCOUT] %s destructor called with allocation outstanding")             \
  X(BADRE, "[BADRE] Attempt to use invalid regular expression")                          \
  X(CRABS, "[CRABS] FLFactory: attempting to create abstract class with ID %hu (0x%hx)") \
  X(FLIST, "[FLIST] Free list size error: expected %ld, got %ld")                        \
  X(ID, "[ID] Unexpected class ID %hu; should be %hu")                                   \
  X(INDEX, "[INDEX] Index (%u) out of range [0->%u]")                                    \
  X(LOCK, "[LOCK] Locked object deleted")                                                \
  X(LONGINDEX, "[LONGINDEX] Long index (%lu) out of range [0->%lu]")                     \
  X(MAGIC, "[MAGIC] Bad magic number: %ld (should be %ld)")                              \
  X(NEVECL, "[NEVECL] Unequal vector lengths: %u versus %u")                             \
  X(NOCREATE, "[NOCREATE] FLFactory: no create function for class with ID %hu (0x%hx)")  \
  X(NOTALLOW, "[NOTALLOW] Function not allowed for derived class")                       \
  X(READERR, "[READERR] Read error")                                                     \
  X(REF, "[REF] Bad persistence reference")                                              \
  X(SEEKERR, "[SEEKERR] Seek error")                                                     \
  X(STREAM, "[STREAM] Bad input stream")                                                 \
  X(SUBSTRING, "[SUBSTRING] Illegal substring (%d, %u) from %u element FLCString")       \
  X(UNLOCK, "[UNLOCK] Improper use of locked object")                                    \
  X(WRITEERR, "[WRITEERR] Write error")                                                  \
  X(INDEXERR, "[INDEXERR] Illegal Index (%u) for collection or string with %u elements") \
  X(NPOSINDEX, "[NPOSINDEX] The value FL_NPOS cannot be used as an index.")              \
  X(NOPERSIST, "[NOPERSIST] Persistence not implemented for type %s.")                   \
  X(CRABSS, "[CRABSS] FLFactory: attempting to create abstract class with StringID %s.")

#define FL_DECLARE_CORE_MESSAGE(tag, text) const FLMessageRecord& FLcoreMsg_##tag();
#define FL_DECLARE_TOOLS_MESSAGE(tag, text) const FLMessageRecord& FLtoolsMsg_##tag();
FL_CORE_MESSAGES(FL_DECLARE_CORE_MESSAGE)
FL_TOOLS_MESSAGES(FL_DECLARE_TOOLS_MESSAGE)
#undef FL_DECLARE_CORE_MESSAGE
#undef FL_DECLARE_TOOLS_MESSAGE

// All records of both catalogues in order (core first); `count` receives their number.
const FLMessageRecord* FLallMessages(uint32_t& count);

// A formatted message text, owned. The text is formatted to whatever length it needs
// (file names in "%s" can be long), so nothing is ever cut or overrun.
// A copy of a NUL-terminated text on the heap, to be freed with delete[]: how messages and
// the exceptions that carry them own their texts.
char* copyMessageText(const char* text);

class FLMessage {
 public:
  explicit FLMessage(const char* text);
  // Formats the record's default text with the arguments, by printf rules.
  template <class... Args>
  explicit FLMessage(const FLMessageRecord& record, Args... args) : text_(format(record.text, args...)) {}
  FLMessage(const FLMessage& other);
  FLMessage& operator=(const FLMessage& other);
  ~FLMessage();

  const char* text() const { return text_; }

 private:
  static char* format(const char* pattern, ...);

  char* text_;
};
