// Support for the scoring windows' tests: a model of the factory with the shape a test
// needs (its decision makers, criteria and choices named DM1.., Cr1.., Ch1..), the
// pair sets' scores as score characters, a stand-in for the main window that records
// what the windows ask of it, keys and clicks sent to the pane as a user's are, and
// pixel probes of what the pane draws.
#pragma once

#include "DialogsTestSupport.h"
#include "app/shared/ModelWindow.h"
#include "app/shared/ModelWindowHost.h"
#include "app/shared/ModelWindowRegistry.h"
#include "app/windows/scoring/PairTexts.h"
#include "framework/frames/zMDIAppFrame.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

class DCompareChoices;
class DPairedPrefScoring;
class PairedPrefScoringPane;

namespace PV {
namespace Math {
template <typename T>
class Server;
class Algorithm;
}  // namespace Math
}  // namespace PV

// The main window as the scoring windows see it: an MDI frame that follows the model's
// document and counts what the notice asks of it; the last store's solve goes to the
// document as the Best Choice does.
class ScoringHostFrame : public zMDIAppFrame, public PV::App::ModelWindowHost {
 public:
  ScoringHostFrame();
  ~ScoringHostFrame() override;
  PV::App::ModelDocument& document() override { return document_; }
  void updateStatusBar() override { ++statusUpdates; }
  void setModelDefEditLock(bool lock) override { locked = lock; }
  bool solveScoredModel() override;
  int32_t addModelWindow(PV::App::ModelWindow* window) override { return windows.add(window); }
  void removeModelWindow(PV::App::ModelWindow* window) override { windows.remove(window); }

  PV::App::ModelDocument document_;
  PV::App::ModelWindowRegistry windows;
  int statusUpdates = 0;
  int solves = 0;
  bool locked = false;
};

// Closes a message box of this thread that nobody answered within 5 s (Cancel, No or
// OK) and counts it, so that no test waits for a person; one per test.
class UnansweredBoxGuard {
 public:
  UnansweredBoxGuard();
  ~UnansweredBoxGuard();
  const std::vector<std::string>& closed() const { return closed_; }

 private:
  static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
  UINT_PTR timer_;
  std::vector<std::pair<HWND, DWORD>> seen_;
  std::vector<std::string> closed_;
  static inline UnansweredBoxGuard* current_ = nullptr;
};

class ScoringTest : public ModelDialogTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new model in the factory: ndm decision makers, ncr criteria, nch choices, the
  // scale dimension, and a confidence that draws every pair of a few choices.
  static PV::Data::DecisionModel* makeScoringModel(int ndm, int ncr, int nch, int sil = 3);
  static PV::Math::Server<PV::Math::Algorithm>* server();
  // The score characters of the pair set of (criterion, decision maker), as the pane
  // shows them ("??", "--", "2 ", " 3").
  static std::vector<std::string> scoresOf(uint32_t cr, uint32_t dm);
  // The pane's scores as score characters.
  static std::vector<std::string> charsOf(const std::vector<int>& scores);
  // A file in the test's own output folder (inside the build folder).
  static std::string outputPath(const std::string& name);

  ScoringHostFrame* frame_ = nullptr;
  UnansweredBoxGuard* guard_ = nullptr;
};

// Input to the pane, as the keyboard and the mouse deliver it.
void keyDown(PairedPrefScoringPane* pane, WPARAM key);
void keyUp(PairedPrefScoringPane* pane, WPARAM key, bool alt = false);
void typeChar(PairedPrefScoringPane* pane, char c);
// A double-click on list A (side 0) or B (side 1) of the current row.
void doubleClickList(PairedPrefScoringPane* pane, int side);
void clickButton(HWND parent, int id);

// The colour of the pixel at (x, y) of the window's client area, as shown on screen.
COLORREF pixelAt(HWND window, int x, int y);
// Whether any pixel of the rectangle of the window's client area has the colour.
bool anyPixelOf(HWND window, const RECT& area, COLORREF colour);
// The window's text.
std::string windowTextOf(HWND window);
