// Support for the model dialogs' tests: each test has its own configuration folder
// (so its own model-options file) and a fresh model factory; a main window stand-in
// that records what the dialogs tell it; typing into controls; and modal runs that a
// deadline ends, with message boxes answered by caption from inside the process.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "FramesTestSupport.h"
#include "GuiTestSupport.h"
#include "app/shared/ModelWindowHost.h"
#include "framework/frames/zDialogFrame.h"

namespace PV {
namespace Data {
class DecisionModel;
}
}  // namespace PV

class HostFrame : public LoggingFrame, public PV::App::ModelWindowHost {
 public:
  // Follows the model's document as the main window does.
  HostFrame() : LoggingFrame("Main window") { document_.addListener(this); }
  ~HostFrame() override { document_.removeListener(this); }
  PV::App::ModelDocument& document() override { return document_; }
  void setModelCaption(const char* caption) override { captions.push_back(caption); }
  void updateStatusBar() override { ++statusRefreshes; }
  int32_t addModelWindow(PV::App::ModelWindow*) override { return 0; }
  void removeModelWindow(PV::App::ModelWindow*) override {}
  std::vector<std::string> captions;
  int statusRefreshes = 0;
  PV::App::ModelDocument document_;
};

class ModelDialogTest : public FrameworkTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A file in the test's configuration folder.
  std::string configPath(const char* name) const { return configDir_ + "\\" + name; }
  // Writes the model-options defaults (level, interval, scale, note) and saves them.
  static void setOptionDefaults(double level, double interval, int scale, const char* note);
  // A model from the factory with the confidence level, interval, scale, name and note (none
  // where null).
  static PV::Data::DecisionModel* makeModel(double level, double interval, int scale, const char* name,
                                            const char* note = nullptr);
  // The dialog's control of the id.
  static HWND item(zWindow& dialog, int id) { return GetDlgItem(dialog.handle(), id); }

  std::string configDir_;
};

// Types the text into the control as keystrokes (so that length limits apply).
void typeInto(HWND control, const std::string& text);
// The control's text.
std::string textOf(HWND control);
// The text of the combo box's selected entry; empty when none is selected.
std::string selectedOf(HWND combo);
// Selects the combo box's entry that is the text; false when there is none.
bool chooseIn(HWND combo, const char* text);

// A window made from a dialog template finds each control it binds (a child with an
// identifier of its own) in the template by that identifier: checks that every such
// child is the template's control, and returns how many there are.
int expectBoundControlsInTemplate(zWindow& window);

// Runs the dialog modally; after 30 ms the step runs inside the modal loop. False when
// the deadline had to end the run.
bool runModalWith(zDialogFrame* dialog, std::function<void()> step, unsigned deadlineMs = 8000);

// Answers the next message box with the caption by the button, once it shows; what
// it said goes into *text. Poll every 20 ms, for at most 4 s.
void answerBox(const char* caption, int button, std::string* text = nullptr);

// Shows the window in front, lets it paint, and writes what the screen shows of it as a
// 24-bit bitmap file into the "screenshots" folder beside the test program (in the
// build folder), for a person to look at. Returns the file's path; empty on failure.
std::string saveWindowPicture(HWND window, const char* fileName);
