#include "foundation/FLErrors.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

FLErrorHandler currentHandler = &fatalErrorHandler;

}  // namespace

FLxmsg::FLxmsg(const char* text) : text_(copyMessageText(text ? text : "")), owns_(1) {}

FLxmsg::FLxmsg(const FLMessage& message) : text_(copyMessageText(message.text())), owns_(1) {}

FLxmsg::FLxmsg(const char* text, bool copy)
    : text_(copy ? copyMessageText(text ? text : "") : text), owns_(copy ? 1 : 0) {}

FLxmsg::FLxmsg(const FLxmsg& other)
    : std::exception(other), text_(other.owns_ ? copyMessageText(other.text_) : other.text_), owns_(other.owns_) {}

FLxmsg& FLxmsg::operator=(const FLxmsg& other) {
  if (this != &other) {
    const char* text = other.owns_ ? copyMessageText(other.text_) : other.text_;
    if (owns_) delete[] text_;
    text_ = text;
    owns_ = other.owns_;
  }
  return *this;
}

FLxmsg::~FLxmsg() {
  if (owns_) delete[] text_;
}

void FLxmsg::throwSelf() const { throw FLxmsg(*this); }

FLxalloc::FLxalloc(uint32_t requestedSize) : FLxmsg(FLcoreMsg_NOMEM().text, false), requestedSize_(requestedSize) {}

void throwError(const FLxmsg& error) { throw FLxmsg(error); }
void throwError(const FLxalloc& error) { throw FLxalloc(error); }
void throwError(const FLExternalErr& error) { throw FLExternalErr(error); }
void throwError(const FLFileErr& error) { throw FLFileErr(error); }
void throwError(const FLStreamErr& error) { throw FLStreamErr(error); }
void throwError(const FLInternalErr& error) { throw FLInternalErr(error); }
void throwError(const FLBoundsErr& error) { throw FLBoundsErr(error); }

void FLthrowIndexError(uint32_t index, uint32_t elements) {
  if (index == FL_NPOS) throwError(FLBoundsErr(FLMessage(FLtoolsMsg_NPOSINDEX())));
  throwError(
      FLBoundsErr(FLMessage(FLtoolsMsg_INDEXERR(), static_cast<unsigned>(index), static_cast<unsigned>(elements))));
}

void FLthrowSubstringError(uint32_t start, uint32_t extent, uint32_t length) {
  throwError(FLBoundsErr(FLMessage(FLtoolsMsg_SUBSTRING(), static_cast<int>(start), static_cast<unsigned>(extent),
                                   static_cast<unsigned>(length))));
}

FLErrorHandler setErrorHandler(FLErrorHandler handler) {
  FLErrorHandler previous = currentHandler;
  currentHandler = handler;
  return previous;
}

FLErrorHandler errorHandler() { return currentHandler; }

void fatalErrorHandler(const FLxmsg& error) {
#ifdef _WIN32
  MessageBoxA(nullptr, error.text(), "Fatal Error", MB_TASKMODAL | MB_ICONSTOP | MB_OK);
#else
  std::fprintf(stderr, "Fatal Error: %s\n", error.text());
#endif
  std::exit(1);
}
