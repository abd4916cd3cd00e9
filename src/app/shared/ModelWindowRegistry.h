// The model's open windows, in the order they registered: what the main window asks
// before a save (commitAll, anyDirty) and closes when the model is replaced
// (discardAll), and the numbers of the numbered ones (the solution windows).
//
// A numbered window takes the count of open numbered windows plus one, so that numbers
// come back once windows close ("#2" may be shown twice in a run, and twice at once
// after an older window closed while a newer one stayed). A window is forgotten when it goes
// (remove, from its destructor); a discarded one is forgotten before it is asked to
// close, so that a window deleted by its discard finds itself already gone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace PV {
namespace App {

class ModelWindow;

class ModelWindowRegistry {
 public:
  // Registers the window (once: a second registration changes nothing) and returns its
  // number, 0 when the window is not numbered.
  int32_t add(ModelWindow* window);
  void remove(const ModelWindow* window);
  bool contains(const ModelWindow* window) const;

  // Every open window, oldest first.
  std::vector<ModelWindow*> windows() const;
  // The numbered ones, oldest first; the newest one, or null.
  std::vector<ModelWindow*> numberedWindows() const;
  ModelWindow* latestNumbered() const;
  // The newest open window registered under the number, or null; the number a window
  // was given (0: not registered or not numbered).
  ModelWindow* numbered(int32_t number) const;
  int32_t numberOf(const ModelWindow* window) const;

  // Asks every window to store its edits; false when one refused (all are asked).
  bool commitAll();
  bool anyDirty() const;
  // Closes every window without storing (the numbered ones only, when asked so).
  void discardAll();
  void discardNumbered();

 private:
  struct Entry {
    ModelWindow* window;
    int32_t number;
  };
  void discardWhere(bool numberedOnly);

  std::vector<Entry> entries_;
};

}  // namespace App
}  // namespace PV
