// The main window as the model windows (the list editors, the selector, the scoring
// window, the solution windows) and the model dialogs see it: the one way from any of
// them to the main window. A window registers itself here when it is made and is
// forgotten when it goes, every family alike; through it, it reaches the open model's
// document, on which it makes its changes.
//
// The host follows the document's notice like every model window (modelChanged): its
// status line, the lock of the list editors while pairs exist, the solution windows
// that go with the pairs, and the solve of a model whose last score was just stored.
// The main window implements every call; a frame that stands in for it (a test's) may
// leave out what it does not show: each call does nothing by default, but the
// registration and the document, which every host keeps.
#pragma once

#include "app/document/ModelDocument.h"

#include <cstdint>

class zWindow;

namespace PV {
namespace App {

class ModelWindow;

class ModelWindowHost : public ModelListener {
 public:
  virtual ~ModelWindowHost() = default;

  // The open model, shared by the host and every model window and dialog.
  virtual ModelDocument& document() = 0;
  // What the host does on the document's notice, through the calls below.
  void modelChanged(uint32_t changes) override;

  // The model's windows: registered when made, forgotten when they go. add returns the
  // number of a numbered window (ModelWindow::isNumbered), 0 for the others.
  virtual int32_t addModelWindow(ModelWindow* window) = 0;
  virtual void removeModelWindow(ModelWindow* window) = 0;

  // Shows the text (in the screen's code page) as the window's caption.
  virtual void setModelCaption(const char*) {}
  // Shows the current model's name and parameters in the status line again.
  virtual void updateStatusBar() {}
  // Locks (true) the lists of choices, criteria and decision makers against edits
  // that would change the pairs; unlocks them when the pairs are gone.
  virtual void setModelDefEditLock(bool) {}
  // The pairs went: the solution windows, which show their ranking, close.
  virtual void closeSolutionWindows() {}
  // Every score of the model is in: solve it and refill the newest open solution
  // window with the ranking (no window is opened). False when the model could not be
  // solved.
  virtual bool solveScoredModel() { return false; }
  // An editor's update with Auto Recalc: solve the model again into the newest open
  // solution window; true when that window shows the new ranking.
  virtual bool refreshSolutionWindow() { return false; }

  // Called once new application options are in place and saved: the host shows the
  // toolbar choices, the caption path and the command help texts anew, and tells the
  // model windows it holds (highlight, navigation, solution defaults).
  virtual void applyAppOptions(bool, int32_t, bool) {}
};

// The host behind a window (a model window's or a dialog's parent); null when the
// window is none or is not one.
ModelWindowHost* modelWindowHostOf(zWindow* window);

}  // namespace App
}  // namespace PV
