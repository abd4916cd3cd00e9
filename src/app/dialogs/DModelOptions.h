// The model options dialog: the defaults that new models take from the model-options
// file (default notes, confidence level, confidence interval, scale dimension). OK
// writes them into the options and saves the file at once; the current model is not
// changed. Cancel changes nothing. The mode group and the bias groups are shown but
// cannot be used, and nothing of them is stored.
//
// Built over its dialog template and shown at once; the caller runs it modally and
// deletes it. The parent must be the main window (a model window host). Notes the options
// cannot hold are refused with a message; a file that cannot be written is reported
// and the dialog stays open, with the options as they were.
#pragma once

#include <cstdint>

#include "app/dialogs/res/dialogs_ids.h"
#include "foundation/FLCString.h"
#include "framework/frames/zFormDialog.h"

namespace PV {
namespace App {
class ModelWindowHost;
}
}  // namespace PV
class zComboBoxStatic;
class zEditBox;
class zRadioController;
class zToolTipCtrl;

class DModelOptions : public zFormDialog {
 public:
  static constexpr uint32_t kTemplate = IDD_MODEL_OPTIONS;

  DModelOptions(zWindow* parent, uint32_t templateId = kTemplate);
  ~DModelOptions() override;

  // The fields from the model options, then into the controls.
  void load();
  // The fields into the options and the options into their file; false (with a
  // message shown) when either could not be done.
  bool store();
  // OK: 0 lets the form end the dialog, 1 keeps it open.
  int onOkPressed(zEvent* event);
  zToolTipCtrl* toolTips() const { return toolTips_; }

 private:
  zToolTipCtrl* toolTips_;
  zEditBox* notesEdit_;
  zComboBoxStatic* levelList_;
  zComboBoxStatic* intervalList_;
  zComboBoxStatic* scaleList_;
  zRadioController* modeController_;
  FLCString notes_;
  FLCString level_;
  FLCString interval_;
  FLCString scale_;
  FLCString biasTexts_[5];
  int32_t modeId_;
  PV::App::ModelWindowHost* parent_;
};
