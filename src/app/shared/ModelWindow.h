// A window of the model (a list editor, the selector, the scoring window, a solution
// window), as the main window sees it: asked to store its edits before a save and
// whether it holds edits not yet stored, and closed without storing anything when the
// model is replaced.
#pragma once

namespace PV {
namespace App {

class ModelWindow {
 public:
  virtual ~ModelWindow() = default;
  // Stores the window's edits into the model; false when it refuses (an incomplete
  // row), which stops the save.
  virtual bool commitToModel() = 0;
  virtual bool isDirty() const = 0;
  // Closes the window without storing; the main window forgets it.
  virtual void discard() = 0;
  // A window of a family the user tells apart by number (the solution windows, "#n
  // Solution"), of which several may be open; the others are one of a kind.
  virtual bool isNumbered() const { return false; }
};

}  // namespace App
}  // namespace PV
