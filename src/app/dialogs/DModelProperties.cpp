#include "app/dialogs/DModelProperties.h"

#include "app/shared/ModelWindowHost.h"
#include "app/dialogs/ModelDialogSupport.h"
#include "foundation/Assert.h"
#include "framework/bars/zToolTip.h"
#include "framework/controls/zButton.h"
#include "framework/controls/zEdit.h"
#include "framework/controls/zListBox.h"
#include "framework/controls/zRadio.h"
#include "framework/core/zResources.h"
#include "math/MathServer.h"
#include "model/Limits.h"
#include "app/shared/ModelTextField.h"
#include "xml/SystemText.h"

using namespace PV::Dialogs;

namespace {

constexpr uint32_t kIcon = IDI_PROPERTIES;
constexpr uint32_t kLevelFill = IDR_PROPERTIES_LEVEL_FILL;
constexpr uint32_t kIntervalFill = IDR_PROPERTIES_INTERVAL_FILL;
constexpr uint32_t kScaleFill = IDR_PROPERTIES_SCALE_FILL;
constexpr int32_t kNameChars = 40;
constexpr int32_t kNotesChars = 200;
const zColor kNotesBackground(255, 255, 193);

const zStatusMessage kTips[] = {
    {kModeModerator, "Create Model as a Moderator Admin"},
    {kModeCollaborator, "Create Model As A Collaborator"},
    {kModeStandard, "A Standalone Model Configuration"},
    {kLevelList, "What Confidence In The Result Is Desired"},
    {kIntervalList, "What Is Your Margin Of Error In The Result"},
    {kScaleList, "Set Scale Size 1..5, Adjust to Minimize Halo Effect"},
    {0, nullptr},
};

}  // namespace

DModelProperties::DModelProperties(zWindow* parent, uint32_t templateId)
    : zFormDialog(parent, zResId(templateId)),
      toolTips_(nullptr),
      nameEdit_(nullptr),
      notesEdit_(nullptr),
      levelList_(nullptr),
      intervalList_(nullptr),
      scaleList_(nullptr),
      modeController_(nullptr),
      modeId_(kModeModerator),
      locked_(false),
      parent_(PV::App::modelWindowHostOf(parent)) {
  PV_ASSERT(parent_ != 0);
  setIcon(new zIcon(zResId(kIcon)));

  // The model holds at most 40 bytes of name; the field stops the typing there.
  nameEdit_ = new PV::GUI::ModelTextLine(this, kNameEdit, &name_, 0, PV_DATA_NM_MAX_BYTES, "model name");
  nameEdit_->limitText(kNameChars);
  new zStaticText(this, kNotesLabel);
  notesEdit_ =
      new PV::GUI::ModelTextBox(this, kNotesEdit, &notes_, zEditEmptyValid, PV_DATA_NOTES_MAX_BYTES, "model notes");
  notesEdit_->limitText(kNotesChars);
  notesEdit_->setBackgroundColor(kNotesBackground);

  for (int32_t id = kModeStandard; id <= kModeModerator; ++id) new zRadioButton(this, id);
  levelList_ = new zComboBoxStatic(this, kLevelList, &level_);
  intervalList_ = new zComboBoxStatic(this, kIntervalList, &interval_);
  scaleList_ = new zComboBoxStatic(this, kScaleList, &scale_);
  toolTips_ = attachToolTips(this, kTips);

  if (zWindow* ok = childById(IDOK)) ok->addCommandNotify(this, &DModelProperties::onOkPressed);

  fillFromResource(levelList_, kLevelFill);
  fillFromResource(intervalList_, kIntervalFill);
  fillFromResource(scaleList_, kScaleFill);
  fillChoices(levelList_, kLevelChoices);
  fillChoices(intervalList_, kIntervalChoices);
  fillChoices(scaleList_, kScaleChoices);

  // The mode is not the model's: the group always shows Standard.
  modeController_ = new zRadioController(this, kModeStandard, kModeModerator, &modeId_);
  modeId_ = kModeStandard;
  modeController_->update();

  load();
  center(1);
  show(SW_SHOWNORMAL);
}

DModelProperties::~DModelProperties() {
  // The tips leave the controls before the controls go.
  delete toolTips_;
  toolTips_ = nullptr;
  delete modeController_;
  modeController_ = nullptr;
}

void DModelProperties::load() {
  PV::App::ModelDocument& document = parent_->document();
  PV::Data::DecisionModel* model = document.model();
  PV_ASSERT(model != 0);
  const PV::Data::ModelParameters& params = model->get_params();
  name_ = PV::XML::Utf8ToSystem(model->get_nm()).c_str();
  notes_ = PV::XML::Utf8ToSystem(model->get_note()).c_str();
  interval_ = oneDecimal(params.get_cfi());
  level_ = oneDecimal(params.get_cfl());
  const int sil = params.get_sil();
  PV_ASSERT(1 <= sil && sil <= 5);
  scale_ = scaleDigit(sil);
  loadChildren();
  selectOrAdd(levelList_, level_);
  selectOrAdd(intervalList_, interval_);
  selectOrAdd(scaleList_, scale_);

  auto* server = document.server();
  PV_ASSERT(server != 0);
  locked_ = server->hasAlgorithm();
  if (locked_) {
    for (zComboBoxStatic* list : {levelList_, intervalList_, scaleList_})
      if (list->handle()) EnableWindow(list->handle(), FALSE);
  }
}

bool DModelProperties::store() {
  std::string name;
  std::string notes;
  std::string message;
  PV::App::ModelDocument& document = parent_->document();
  const PV::Data::DecisionModel* shown = document.model();
  if (!modelTextFromScreen(name_, PV_DATA_NM_MAX_BYTES, "model name", &name, &message, &shown->get_nm())) {
    refuse(this, nameEdit_, message);
    return false;
  }
  if (!modelTextFromScreen(notes_, PV_DATA_NOTES_MAX_BYTES, "model notes", &notes, &message, &shown->get_note())) {
    refuse(this, notesEdit_, message);
    return false;
  }
  ParameterValues values;
  if (!locked_ && !parseParameters(level_, interval_, scale_, &values, &message)) {
    refuse(this, levelList_, message);
    return false;
  }

  PV::Data::ModelParameters params = shown->get_params();
  if (!locked_) {
    params.set_cfl(values.level);
    params.set_cfi(values.interval);
    params.set_sil(values.scale);
  }
  // The parameters only while no pairs are drawn; the document refuses values its
  // server calls not valid, and its notice shows the new name and parameters.
  if (!document.setProperties(name, notes, locked_ ? nullptr : &params, &message)) {
    refuse(this, levelList_, message);
    return false;
  }
  return true;
}

int DModelProperties::onOkPressed(zEvent*) {
  if (!storeData()) return 0;
  completed() = 0;
  return store() ? 0 : 1;
}
