// What the compare-and-score windows ask of the window that opens them (the program's
// main window): the status texts, the lock of the model's lists while pairs exist, the
// model's solutions flag, and the solving of a model whose last score was just stored.
// The main window implements this beside being the MDI frame; the windows find it
// behind their parent.
#pragma once

class zWindow;

namespace PV {
namespace App {
class ModelWindow;
}
}  // namespace PV

namespace PV {
namespace Scoring {

class ScoringHost {
 public:
  virtual ~ScoringHost() = default;
  virtual void updateStatusBar() = 0;
  // Locks (true) the lists of choices, criteria and decision makers against edits
  // that would change the pairs; unlocks them when the pairs are gone.
  virtual void setModelDefEditLock(bool lock) = 0;
  virtual void setSolutionsFlag(bool flag) = 0;
  // Every score of the model is in: solve it and refill the newest open solution
  // window with the ranking (no window is opened). False when the model could not be
  // solved.
  virtual bool solveScoredModel() = 0;
  // The windows that hold edits of the model: asked before a save, closed without
  // storing when the model is replaced.
  virtual void addModelWindow(PV::App::ModelWindow* window) = 0;
  virtual void removeModelWindow(PV::App::ModelWindow* window) = 0;
};

// The host behind the window, null when it has none.
ScoringHost* scoringHostOf(zWindow* window);

}  // namespace Scoring
}  // namespace PV
