#include "framework/core/zTaskDev.h"

#include <windows.h>

#include <cstdarg>
#include <string>
#include <vector>

namespace {
struct TaskNode {
  zTaskHandler handler;
  bool removed;
};
}  // namespace

zTaskDev::zTaskDev() : tasks_(new zPlist), enabled_(1), count_(0), current_(nullptr) {}

zTaskDev::~zTaskDev() {
  while (void* node = tasks_->removeFirst()) delete static_cast<TaskNode*>(node);
  delete tasks_;
}

void zTaskDev::add(const zTaskHandler& task) {
  tasks_->append(new TaskNode{task, false});
  ++count_;
}

// A task may remove tasks (itself included) while the pass runs: such nodes are only
// marked during the pass and freed when its walk has ended.
void zTaskDev::idle() {
  if (!enabled_ || count_ <= 0 || current_) return;
  {
    zPListIter it(tasks_);
    current_ = &it;
    while (void* item = it.next()) {
      TaskNode* node = static_cast<TaskNode*>(item);
      if (node->removed) continue;
      if (node->handler() != 0 && !node->removed) {
        node->removed = true;
        --count_;
      }
    }
    current_ = nullptr;
  }
  zPListIter sweep(tasks_);
  while (void* item = sweep.next()) {
    TaskNode* node = static_cast<TaskNode*>(item);
    if (node->removed) {
      sweep.removeCurrent();
      delete node;
    }
  }
}

void zTaskDev::remove(const zTaskHandler& task) {
  zPListIter it(tasks_);
  while (void* item = it.next()) {
    TaskNode* node = static_cast<TaskNode*>(item);
    if (node->removed || node->handler != task) continue;
    --count_;
    if (current_) {
      node->removed = true;
    } else {
      it.removeCurrent();
      delete node;
    }
  }
}

// ---------------------------------------------------------------- debug trace

namespace {
bool traceOn = false;
bool traceConsoleOpened = false;
FILE* traceStream = nullptr;

// A process that has no console (a program without one) gets its own, and standard output
// is pointed at it. One that has a console already keeps its standard output as it is:
// it may have been sent to a file or a pipe on purpose.
void openTraceConsole() {
  if (AllocConsole()) {
    if (!std::freopen("CONOUT$", "w", stdout)) return;
  }
  std::setvbuf(stdout, nullptr, _IONBF, 0);
}

// The line in a buffer of its own length, however long it is.
std::string formatLine(const char* format, va_list args) {
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  std::vsnprintf(buffer.data(), buffer.size(), format, args);
  return std::string(buffer.data(), static_cast<size_t>(length));
}
}  // namespace

void setDebugSwitch(bool on) { traceOn = on; }
bool debugSwitch() { return traceOn; }

int setDebugStream(FILE* stream) {
  traceStream = stream;
  return 1;
}

void debugTrace(const char* format, ...) {
  if (!traceOn) return;
  if (!traceConsoleOpened) {
    traceConsoleOpened = true;
    openTraceConsole();
  }
  va_list args;
  va_start(args, format);
  const std::string line = formatLine(format, args);
  va_end(args);
  std::printf("%s\n", line.c_str());
  if (traceStream) {
    std::fputs(line.c_str(), traceStream);
    std::fputs("\n", traceStream);
  } else {
    OutputDebugStringA(line.c_str());
    OutputDebugStringA("\r\n");
  }
}
