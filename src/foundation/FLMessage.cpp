#include "foundation/FLMessage.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

namespace {

enum : uint32_t { kCoreFirst = 0x1000, kToolsFirst = 0x2000 };

#define FL_CORE_ID(tag, text) kCore_##tag,
#define FL_TOOLS_ID(tag, text) kTools_##tag,
enum CoreIndex : uint32_t { FL_CORE_MESSAGES(FL_CORE_ID) kCoreCount };
enum ToolsIndex : uint32_t { FL_TOOLS_MESSAGES(FL_TOOLS_ID) kToolsCount };
#undef FL_CORE_ID
#undef FL_TOOLS_ID

#define FL_CORE_RECORD(tag, text) {"flcore7.0", kCoreFirst + kCore_##tag, text},
#define FL_TOOLS_RECORD(tag, text) {"fltools7.0", kToolsFirst + kTools_##tag, text},
const FLMessageRecord kAllMessages[] = {FL_CORE_MESSAGES(FL_CORE_RECORD) FL_TOOLS_MESSAGES(FL_TOOLS_RECORD)};
#undef FL_CORE_RECORD
#undef FL_TOOLS_RECORD

}  // namespace

#define FL_DEFINE_CORE_MESSAGE(tag, text) \
  const FLMessageRecord& FLcoreMsg_##tag() { return kAllMessages[kCore_##tag]; }
#define FL_DEFINE_TOOLS_MESSAGE(tag, text) \
  const FLMessageRecord& FLtoolsMsg_##tag() { return kAllMessages[kCoreCount + kTools_##tag]; }
FL_CORE_MESSAGES(FL_DEFINE_CORE_MESSAGE)
FL_TOOLS_MESSAGES(FL_DEFINE_TOOLS_MESSAGE)
#undef FL_DEFINE_CORE_MESSAGE
#undef FL_DEFINE_TOOLS_MESSAGE

const FLMessageRecord* FLallMessages(uint32_t& count) {
  count = static_cast<uint32_t>(sizeof kAllMessages / sizeof kAllMessages[0]);
  return kAllMessages;
}

FLMessage::FLMessage(const char* text) : text_(copyMessageText(text ? text : "")) {}

char* FLMessage::format(const char* pattern, ...) {
  va_list args;
  va_start(args, pattern);
  va_list again;
  va_copy(again, args);
  const int needed = std::vsnprintf(nullptr, 0, pattern, args);
  va_end(args);
  if (needed < 0) {
    va_end(again);
    return copyMessageText(pattern);
  }
  std::vector<char> buffer(static_cast<size_t>(needed) + 1);
  std::vsnprintf(buffer.data(), buffer.size(), pattern, again);
  va_end(again);
  return copyMessageText(buffer.data());
}

FLMessage::FLMessage(const FLMessage& other) : text_(copyMessageText(other.text_)) {}

FLMessage& FLMessage::operator=(const FLMessage& other) {
  if (this != &other) {
    char* copy = copyMessageText(other.text_);
    delete[] text_;
    text_ = copy;
  }
  return *this;
}

FLMessage::~FLMessage() { delete[] text_; }

char* copyMessageText(const char* text) {
  const size_t n = std::strlen(text);
  char* copy = new char[n + 1];
  std::memcpy(copy, text, n + 1);
  return copy;
}
