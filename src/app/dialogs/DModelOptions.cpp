#include "app/dialogs/DModelOptions.h"

#include "app/shared/ModelWindowHost.h"
#include "app/dialogs/ModelDialogSupport.h"
#include "foundation/Assert.h"
#include "framework/bars/zToolTip.h"
#include "framework/controls/zButton.h"
#include "framework/controls/zEdit.h"
#include "framework/controls/zListBox.h"
#include "framework/controls/zRadio.h"
#include "framework/core/zResources.h"
#include "model/Limits.h"
#include "app/shared/ModelTextField.h"
#include "xml/PalvermontineMdlOptsFile.h"
#include "xml/SystemText.h"

using namespace PV::Dialogs;

namespace {

constexpr uint32_t kIcon = IDI_MODEL_OPTIONS;
constexpr uint32_t kLevelFill = IDR_OPTIONS_LEVEL_FILL;
constexpr uint32_t kIntervalFill = IDR_OPTIONS_INTERVAL_FILL;
constexpr uint32_t kScaleFill = IDR_OPTIONS_SCALE_FILL;
constexpr int32_t kNotesChars = 200;
constexpr int32_t kWindowWidthEdit = IDC_WINDOW_WIDTH_EDIT;
constexpr int32_t kThresholdEdit = IDC_THRESHOLD_EDIT;
constexpr int32_t kWinkList = IDC_WINK_LIST;
constexpr int32_t kNudgeList = IDC_NUDGE_LIST;
constexpr int32_t kNodList = IDC_NOD_LIST;
const zColor kNotesBackground(255, 255, 193);

const zStatusMessage kTips[] = {
    {kModeStandard, "A Standalone Model Configuration"},
    {kModeCollaborator, "A Collaborator Based Model"},
    {kModeModerator, "Moderator Or Admin Based Model"},
    {kLevelList, "What Confidence In The Result Is Desired"},
    {kIntervalList, "What Is Your Margin Of Error In The Result"},
    {kScaleList, "Set Scale Size 1..5, Adjust to Minimize Halo Effect"},
    {kNotesEdit, "Create Common Text or SubText For All New Models"},
    {0, nullptr},
};

PV::XML::PalvermontineMdlOptsFile* optionsFile() { return PV::XML::PalvermontineMdlOptsFile::instance(); }

}  // namespace

DModelOptions::DModelOptions(zWindow* parent, uint32_t templateId)
    : zFormDialog(parent, zResId(templateId)),
      toolTips_(nullptr),
      notesEdit_(nullptr),
      levelList_(nullptr),
      intervalList_(nullptr),
      scaleList_(nullptr),
      modeController_(nullptr),
      modeId_(kModeStandard),
      parent_(PV::App::modelWindowHostOf(parent)) {
  PV_ASSERT(parent_ != 0);
  setIcon(new zIcon(zResId(kIcon)));

  for (int32_t id = kModeStandard; id <= kModeModerator; ++id) new zRadioButton(this, id);
  levelList_ = new zComboBoxStatic(this, kLevelList, &level_);
  intervalList_ = new zComboBoxStatic(this, kIntervalList, &interval_);
  scaleList_ = new zComboBoxStatic(this, kScaleList, &scale_);
  new zStaticText(this, kNotesLabel);
  notesEdit_ = new PV::GUI::ModelTextBox(this, kNotesEdit, &notes_, zEditEmptyValid, PV_DATA_NOTES_MAX_BYTES,
                                         "default model notes");
  // The bias controls are disabled in the template, so their texts are neither
  // validated nor stored.
  new zEditLine(this, kWindowWidthEdit, &biasTexts_[0], zEditEmptyValid);
  new zEditLine(this, kThresholdEdit, &biasTexts_[1], zEditEmptyValid);
  new zComboBoxStatic(this, kWinkList, &biasTexts_[2], zBindEmptyValid);
  new zComboBoxStatic(this, kNudgeList, &biasTexts_[3], zBindEmptyValid);
  new zComboBoxStatic(this, kNodList, &biasTexts_[4], zBindEmptyValid);
  toolTips_ = attachToolTips(this, kTips);

  if (zWindow* ok = childById(IDOK)) ok->addCommandNotify(this, &DModelOptions::onOkPressed);

  fillFromResource(levelList_, kLevelFill);
  fillFromResource(intervalList_, kIntervalFill);
  fillFromResource(scaleList_, kScaleFill);

  notesEdit_->limitText(kNotesChars);
  notesEdit_->setBackgroundColor(kNotesBackground);
  modeController_ = new zRadioController(this, kModeStandard, kModeModerator, &modeId_);
  modeController_->update();

  fillChoices(scaleList_, kScaleChoices);
  fillChoices(intervalList_, kIntervalChoices);
  fillChoices(levelList_, kLevelChoices);

  load();
  center(1);
  show(SW_SHOWNORMAL);
}

DModelOptions::~DModelOptions() {
  // The tips leave the controls before the controls go.
  delete toolTips_;
  toolTips_ = nullptr;
  delete modeController_;
  modeController_ = nullptr;
}

void DModelOptions::load() {
  const PV::Data::ParmMdlOpts& defaults = optionsFile()->options().get_parmMdlOpts();
  notes_ = PV::XML::Utf8ToSystem(defaults.get_note()).c_str();
  interval_ = oneDecimal(defaults.get_cfi());
  level_ = oneDecimal(defaults.get_cfl());
  const int sil = defaults.get_sil();
  PV_ASSERT(1 <= sil && sil <= 5);
  scale_ = scaleDigit(sil);
  loadChildren();
  selectOrAdd(scaleList_, scale_);
  selectOrAdd(levelList_, level_);
  selectOrAdd(intervalList_, interval_);
}

bool DModelOptions::store() {
  std::string notes;
  std::string message;
  ParameterValues values;
  // New models take these notes as they are, so the model's limits hold here too.
  const std::string shownNotes = optionsFile()->options().get_parmMdlOpts().get_note();
  if (!modelTextFromScreen(notes_, PV_DATA_NOTES_MAX_BYTES, "default model notes", &notes, &message, &shownNotes)) {
    refuse(this, notesEdit_, message);
    return false;
  }
  if (!parseParameters(level_, interval_, scale_, &values, &message)) {
    refuse(this, levelList_, message);
    return false;
  }
  PV::XML::PalvermontineMdlOptsFile* file = optionsFile();
  PV::Data::ParmMdlOpts& defaults = file->options().get_parmMdlOpts();
  const PV::Data::ParmMdlOpts kept = defaults;
  defaults.set_note(notes);
  defaults.set_cfl(values.level);
  defaults.set_cfi(values.interval);
  defaults.set_sil(static_cast<uint8_t>(values.scale));
  if (!file->save()) {
    defaults = kept;
    refuse(this, okButton(),
           "The model options could not be saved to " + PV::XML::PalvermontineMdlOptsFile::configFilePath() + ".");
    return false;
  }
  return true;
}

int DModelOptions::onOkPressed(zEvent*) {
  if (!storeData()) return 0;
  completed() = 0;
  return store() ? 0 : 1;
}
