// The new-model dialog: the analyst names a new decision model, may write notes, and
// may override the model parameters, which start from the model-options defaults.
// OK creates the model through the model factory (the current model and its math
// server are replaced), shows "New Model: <name> - Palvermontine" in the main
// window's caption and refreshes its status line; the caller then reads completed().
//
// Built over its dialog template and shown at once; the caller runs it modally and
// deletes it. The parent must be the main window (a model window host).
//
// OK with an empty name, or with a name or notes that the model cannot hold, creates
// nothing: the dialog stays open with the field focused. Cancel after something was
// typed asks first and stays open on No.
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
class zRadioButton;
class zRadioController;
class zToolTipCtrl;
class zStaticText;
class zFont;

class DNewModel : public zFormDialog {
 public:
  static constexpr uint32_t kTemplate = IDD_NEW_MODEL;

  DNewModel(zWindow* parent, uint32_t templateId = kTemplate);
  ~DNewModel() override;

  // OK: creates the model; 0 lets the form's own OK end the dialog, 1 keeps it open.
  int create(zEvent* event);
  // Cancel: 0 lets the dialog close, 1 keeps it open (the question answered No).
  int cancel(zEvent* event);
  // The close box asks as Cancel does.
  int onClose(zEvent* event) override;
  // The bound texts from the model-options defaults, then into the controls.
  void loadDefaults();

  // The texts as the controls last stored them, in the screen's code page.
  const FLCString& modelName() const { return name_; }
  const FLCString& notes() const { return notes_; }
  const FLCString& level() const { return level_; }
  const FLCString& interval() const { return interval_; }
  const FLCString& scaleDimension() const { return scale_; }
  int32_t modeId() const { return modeId_; }
  zToolTipCtrl* toolTips() const { return toolTips_; }

 private:
  zToolTipCtrl* toolTips_;
  zStaticText* notesLabel_;
  zStaticText* notesMark_;
  zEditLine* nameEdit_;
  zEditBox* notesEdit_;
  zComboBoxStatic* levelList_;
  zComboBoxStatic* intervalList_;
  zComboBoxStatic* scaleList_;
  zRadioButton* modes_[3];
  zRadioController* modeController_;
  zFont* markFont_;
  FLCString name_;
  FLCString notes_;
  int32_t modeId_;
  FLCString level_;
  FLCString interval_;
  FLCString scale_;
  FLCString loadedNotes_;
  PV::App::ModelWindowHost* parent_;
};
