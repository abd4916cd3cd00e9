// The foundation library's error classes. Misuse (an index out of range) is reported by
// throwing one of these; each carries its text, owned or borrowed. They are standard
// exceptions (what() is the text), so whoever catches std::exception catches them too.
#pragma once

#include <cstdint>
#include <exception>

#include "foundation/FLMessage.h"

// The value that searches return when they find nothing; never valid as an index.
constexpr uint32_t FL_NPOS = 0xFFFFFFFFu;

class FLxmsg : public std::exception {
 public:
  explicit FLxmsg(const char* text);
  explicit FLxmsg(const FLMessage& message);
  // Copies and owns the text when `copy` is set, else borrows the caller's pointer.
  FLxmsg(const char* text, bool copy);
  FLxmsg(const FLxmsg& other);
  FLxmsg& operator=(const FLxmsg& other);
  ~FLxmsg() override;

  const char* text() const { return text_; }
  const char* what() const noexcept override { return text_; }
  bool ownsText() const { return owns_ != 0; }
  [[noreturn]] void throwSelf() const;

 private:
  const char* text_;
  int32_t owns_;
};

class FLxalloc : public FLxmsg {
 public:
  // Carries the text "[NOMEM] No memory" (borrowed, not copied) and the requested size.
  explicit FLxalloc(uint32_t requestedSize);
  uint32_t requestedSize() const { return requestedSize_; }

 private:
  uint32_t requestedSize_;
};

class FLExternalErr : public FLxmsg {
 public:
  explicit FLExternalErr(const char* text) : FLxmsg(text) {}
  explicit FLExternalErr(const FLMessage& message) : FLxmsg(message) {}
};

class FLFileErr : public FLExternalErr {
 public:
  FLFileErr(const char* text, int32_t file, int32_t kind) : FLExternalErr(text), file_(file), kind_(kind) {}
  FLFileErr(const FLMessage& message, int32_t file, int32_t kind) : FLExternalErr(message), file_(file), kind_(kind) {}
  int32_t file() const { return file_; }
  int32_t kind() const { return kind_; }

 private:
  int32_t file_;
  int32_t kind_;
};

class FLStreamErr : public FLExternalErr {
 public:
  FLStreamErr(const char* text, int32_t stream) : FLExternalErr(text), stream_(stream) {}
  FLStreamErr(const FLMessage& message, int32_t stream) : FLExternalErr(message), stream_(stream) {}
  int32_t stream() const { return stream_; }

 private:
  int32_t stream_;
};

class FLInternalErr : public FLxmsg {
 public:
  explicit FLInternalErr(const char* text) : FLxmsg(text) {}
  explicit FLInternalErr(const FLMessage& message) : FLxmsg(message) {}
};

class FLBoundsErr : public FLInternalErr {
 public:
  explicit FLBoundsErr(const char* text) : FLInternalErr(text) {}
  explicit FLBoundsErr(const FLMessage& message) : FLInternalErr(message) {}
};

// Throw a copy of the error as its own class, so a handler can catch it by its class or
// by any base.
[[noreturn]] void throwError(const FLxmsg& error);
[[noreturn]] void throwError(const FLxalloc& error);
[[noreturn]] void throwError(const FLExternalErr& error);
[[noreturn]] void throwError(const FLFileErr& error);
[[noreturn]] void throwError(const FLStreamErr& error);
[[noreturn]] void throwError(const FLInternalErr& error);
[[noreturn]] void throwError(const FLBoundsErr& error);

// Index errors of strings and collections: message 8212 for FL_NPOS, else 8211 with the
// index and the number of elements.
[[noreturn]] void FLthrowIndexError(uint32_t index, uint32_t elements);
// Checks an index that must lie below `elements`.
inline void FLcheckIndex(uint32_t index, uint32_t elements) {
  if (index >= elements) FLthrowIndexError(index, elements);
}
// A stretch (start, extent) that does not lie inside a string of `length` characters.
[[noreturn]] void FLthrowSubstringError(uint32_t start, uint32_t extent, uint32_t length);

// The library-wide error handler. Nothing in the library calls it (errors are thrown),
// but callers may install one and read it back.
using FLErrorHandler = void (*)(const FLxmsg&);
FLErrorHandler setErrorHandler(FLErrorHandler handler);
FLErrorHandler errorHandler();
// The initial handler: shows the text with the caption "Fatal Error" (a stop box on
// Windows, standard error elsewhere) and ends the process with status 1.
[[noreturn]] void fatalErrorHandler(const FLxmsg& error);
