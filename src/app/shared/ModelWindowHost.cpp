#include "app/shared/ModelWindowHost.h"

#include "framework/core/zWindow.h"

namespace PV {
namespace App {

ModelWindowHost* modelWindowHostOf(zWindow* window) { return dynamic_cast<ModelWindowHost*>(window); }

void ModelWindowHost::modelChanged(uint32_t changes) {
  if (changes & MODEL_PAIRS) {
    // Drawn: the lists are locked; cleared: the ranking's windows go and the lists
    // can be edited again.
    const bool pairs = document().hasPairSets();
    if (!pairs) closeSolutionWindows();
    setModelDefEditLock(pairs);
  }
  // A store that leaves every score in (the last one, or one more on a complete
  // model) is solved at once, whichever window stored it.
  if ((changes & MODEL_SCORES) && document().isComplete()) solveScoredModel();
  updateStatusBar();
}

}  // namespace App
}  // namespace PV
