#include "framework/core/zTaskDev.h"

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
