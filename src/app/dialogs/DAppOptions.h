// The application options dialog: the user's name, what the program opens at start,
// the caption, the report defaults, the solution-window defaults, the highlighting of
// paired preferences, the table navigation default and the two toolbar choices
// (decision makers' picture, exit button), all kept in the application-options file.
//
// Built over dialog template 565 and shown at once; the caller runs it modally and
// deletes it. The dialog works on a copy of the options: OK first checks the default
// model entry (a refused entry keeps the dialog open with the focus on it, and nothing
// at all is changed), then puts the copy in place, saves the file (a file that cannot be
// written is reported, and the options stay as they were), sets the navigation default,
// and tells the parent (the model window host) what to apply. Cancel changes nothing.
//
// The two start-up choices exclude each other. A file that holds both is shown with
// the default model's box checked, which is the one the program's start follows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "foundation/FLCString.h"
#include "framework/frames/zFormDialog.h"
#include "model/AppOpts.h"

class zBitmapButton;
class zCheckBox;
class zComboBoxStatic;
class zEditLine;
class zRadioController;
class zToolTipCtrl;

namespace PV {
namespace App {
class ModelWindowHost;
}
}  // namespace PV

namespace PV {
namespace Dialogs {

// The dialog's control identifiers.
enum : int32_t {
  kAoUserName = 137,
  kAoGroupId = 138,
  kAoEmail = 139,
  kAoDefaultModel = 140,
  kAoShowPath = 141,
  kAoStartLastModel = 142,
  kAoMultipleScoring = 143,
  kAoNavigation = 147,
  kAoDm1 = 148,
  kAoDm2 = 149,
  kAoExit1 = 150,
  kAoExit2 = 151,
  kAoNoExit = 152,
  kAoBrowse = 153,
  kAoDm1Picture = 154,
  kAoDm2Picture = 155,
  kAoExit2Picture = 156,
  kAoExit1Picture = 157,
  kAoNoExitText = 158,
  kAoRankChart = 164,
  kAoAutoReport = 165,
  kAoTransitiveBoolean = 167,
  kAoTransitiveQuantitive = 168,
  kAoDistributive = 169,
  kAoAppendTimestamp = 1020,
  kAoIncludeScores = 1021,
  kAoStartDefaultModel = 1022,
  kAoHighlight = 1023,
  kAoPortrait = 1024,
  kAoLandscape = 1025,
  kAoDisplayReport = 1026,
  kAoAutoRecalc = 1027,
  kAoAutoUpdate = 1028,
  kAoRestoreEnv = 1029,
  kAoHighlightColor = 1031,
};

// One row of the navigation choices: the list's text, the stored option value and the
// direction code the model editors take.
struct NavigationChoice {
  const char* text;
  const char* value;
  uint32_t code;
};
extern const NavigationChoice kNavigationChoices[6];
// The row of a stored option value; the first row ("Flow LRD") for any other value.
const NavigationChoice& navigationChoiceOf(const std::string& value);

// The toolbar's exit mode for a stored exitIcon ("exit1" 2, "exit2" 1, "none" 0; any
// other value the default "exit1"), and the value for a mode.
int32_t exitModeOf(const std::string& exitIcon);
const char* exitIconOf(int32_t exitMode);

}  // namespace Dialogs
}  // namespace PV

class DAppOptions : public zFormDialog {
 public:
  static constexpr uint32_t kTemplate = 565;

  DAppOptions(zWindow* parent, uint32_t templateId = kTemplate);
  ~DAppOptions() override;

  // The fields from the options file's record, then into the controls.
  void load();
  // Checks the entries, then the fields into the options, the file, the navigation
  // default and the host; false (with a message shown) when refused or not saved.
  bool store();
  // OK: 0 lets the form end the dialog, 1 keeps it open.
  int onOkPressed(zEvent* event);

  // The start-up boxes: argument 1 when 142 was clicked, 0 when 1022 was.
  int exclusiveStartupChoice(int lastOpened);
  int onStartLastModel(zEvent* event);
  int onStartDefaultModel(zEvent* event);
  int browseDefaultModel(zEvent* event);
  int chooseHighlightColor(zEvent* event);
  // The colour button shows the colour on every pixel of its picture that is not
  // background.
  void paintHighlightSample(uint32_t rgb);

  uint32_t highlightColor() const { return highlight_; }
  zToolTipCtrl* toolTips() const { return toolTips_; }

 private:
  struct CheckField;
  void applyStartupChoice();
  int32_t& check(int32_t id);
  zCheckBox* box(int32_t id) const;

  zToolTipCtrl* toolTips_;
  zEditLine* defaultModelEdit_;
  zComboBoxStatic* navigationList_;
  zBitmapButton* browseButton_;
  zBitmapButton* colorButton_;
  zRadioController* dmController_;
  zRadioController* exitController_;
  zRadioController* orientationController_;
  PV::App::ModelWindowHost* host_;

  FLCString userName_;
  FLCString groupId_;
  FLCString email_;
  FLCString defaultModel_;
  // The default model's name (UTF-8) the entry was last filled with, from the options
  // or the Browse form: the entry shows it in the screen's code page, which may lack
  // some of its letters.
  std::string defaultModelShown_;
  FLCString navigation_;
  int32_t dmRadio_;
  int32_t exitRadio_;
  int32_t orientationRadio_;
  int32_t checks_[16];
  zCheckBox* boxes_[16];
  uint32_t highlight_;
};
