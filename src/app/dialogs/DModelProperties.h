// The model properties dialog: the current model's name and notes and its three
// parameters (confidence level, confidence interval, scale dimension). Once the
// model's pairs are drawn (its math server has an algorithm) the parameters are shown
// but locked; name and notes can still be changed. OK writes into the current model
// of the model factory, the parameters through the math server so that its pair
// counts follow, and refreshes the main window's status line. Cancel changes nothing.
//
// Built over its dialog template and shown at once; the caller runs it modally and
// deletes it. The parent must be the main window (a model window host). A name or notes that
// the model cannot hold are refused with a message and the dialog stays open.
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
class zEditLine;
class zRadioController;
class zToolTipCtrl;

class DModelProperties : public zFormDialog {
 public:
  static constexpr uint32_t kTemplate = IDD_MODEL_PROPERTIES;

  DModelProperties(zWindow* parent, uint32_t templateId = kTemplate);
  ~DModelProperties() override;

  // The fields from the current model, then into the controls.
  void load();
  // The fields into the current model; false (with a message shown) when the model
  // cannot take them.
  bool store();
  // OK: 0 lets the form end the dialog, 1 keeps it open.
  int onOkPressed(zEvent* event);
  zToolTipCtrl* toolTips() const { return toolTips_; }

  bool parametersLocked() const { return locked_; }

 private:
  zToolTipCtrl* toolTips_;
  zEditLine* nameEdit_;
  zEditBox* notesEdit_;
  zComboBoxStatic* levelList_;
  zComboBoxStatic* intervalList_;
  zComboBoxStatic* scaleList_;
  zRadioController* modeController_;
  FLCString name_;
  FLCString notes_;
  FLCString level_;
  FLCString interval_;
  FLCString scale_;
  int32_t modeId_;
  bool locked_;
  PV::App::ModelWindowHost* parent_;
};
