#include "app/shared/ModelWindowRegistry.h"

#include "app/shared/ModelWindow.h"

#include <algorithm>

namespace PV {
namespace App {

int32_t ModelWindowRegistry::add(ModelWindow* window) {
  if (!window) return 0;
  for (const Entry& e : entries_) {
    if (e.window == window) return e.number;
  }
  int32_t number = 0;
  if (window->isNumbered()) {
    number = static_cast<int32_t>(numberedWindows().size()) + 1;
  }
  entries_.push_back({window, number});
  return number;
}

void ModelWindowRegistry::remove(const ModelWindow* window) {
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.window == window; }),
                 entries_.end());
}

bool ModelWindowRegistry::contains(const ModelWindow* window) const {
  return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.window == window; });
}

std::vector<ModelWindow*> ModelWindowRegistry::windows() const {
  std::vector<ModelWindow*> all;
  for (const Entry& e : entries_) all.push_back(e.window);
  return all;
}

std::vector<ModelWindow*> ModelWindowRegistry::numberedWindows() const {
  std::vector<ModelWindow*> numbered;
  for (const Entry& e : entries_) {
    if (e.number > 0) numbered.push_back(e.window);
  }
  return numbered;
}

ModelWindow* ModelWindowRegistry::latestNumbered() const {
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
    if (it->number > 0) return it->window;
  }
  return nullptr;
}

ModelWindow* ModelWindowRegistry::numbered(int32_t number) const {
  if (number <= 0) return nullptr;
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
    if (it->number == number) return it->window;
  }
  return nullptr;
}

int32_t ModelWindowRegistry::numberOf(const ModelWindow* window) const {
  for (const Entry& e : entries_) {
    if (e.window == window) return e.number;
  }
  return 0;
}

bool ModelWindowRegistry::commitAll() {
  bool all = true;
  // A window may go while it stores (a refusal's message box runs the message loop).
  for (ModelWindow* window : windows()) {
    if (contains(window)) all = window->commitToModel() && all;
  }
  return all;
}

bool ModelWindowRegistry::anyDirty() const {
  return std::any_of(entries_.begin(), entries_.end(), [](const Entry& e) { return e.window->isDirty(); });
}

void ModelWindowRegistry::discardAll() { discardWhere(false); }

void ModelWindowRegistry::discardNumbered() { discardWhere(true); }

void ModelWindowRegistry::discardWhere(bool numberedOnly) {
  std::vector<ModelWindow*> going;
  for (const Entry& e : entries_) {
    if (!numberedOnly || e.number > 0) going.push_back(e.window);
  }
  for (ModelWindow* window : going) {
    // Another window's discard may have closed this one with it.
    if (!contains(window)) continue;
    remove(window);
    window->discard();
  }
}

}  // namespace App
}  // namespace PV
