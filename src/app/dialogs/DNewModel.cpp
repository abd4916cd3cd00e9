#include "app/dialogs/DNewModel.h"

#include "app/shared/ModelWindowHost.h"
#include "app/shared/ModelTextField.h"
#include "app/dialogs/ModelDialogSupport.h"
#include "foundation/Assert.h"
#include "framework/bars/zToolTip.h"
#include "framework/controls/zButton.h"
#include "framework/controls/zEdit.h"
#include "framework/controls/zListBox.h"
#include "framework/controls/zRadio.h"
#include "framework/core/zResources.h"
#include "framework/draw/zFont.h"
#include "framework/draw/zMeasure.h"
#include "math/MathServer.h"
#include "model/Limits.h"
#include "xml/PalvermontineMdlOptsFile.h"
#include "xml/SystemText.h"

using namespace PV::Dialogs;

namespace {

constexpr uint32_t kIcon = IDI_NEW_MODEL;
constexpr int32_t kNameChars = 40;
constexpr int32_t kNotesChars = 240;
const zColor kNotesBackground(255, 255, 193);
const zColor kBlack(0, 0, 0);

const zStatusMessage kTips[] = {
    {kModeStandard, "A Standalone Model Configuration"},
    {kModeCollaborator, "Create Model As A Collaborator"},
    {kModeModerator, "Create Model as a Moderator Admin"},
    {kLevelList, "What Confidence In The Result Is Desired"},
    {kIntervalList, "What Is Your Margin Of Error In The Result"},
    {kScaleList, "Set Scale Size 1..5, Adjust to Minimize Halo Effect"},
    {0, nullptr},
};

FLCString editText(zEditBase* edit) { return edit ? edit->text() : FLCString(); }

}  // namespace

DNewModel::DNewModel(zWindow* parent, uint32_t templateId)
    : zFormDialog(parent, zResId(templateId)),
      toolTips_(nullptr),
      notesLabel_(nullptr),
      notesMark_(nullptr),
      nameEdit_(nullptr),
      notesEdit_(nullptr),
      levelList_(nullptr),
      intervalList_(nullptr),
      scaleList_(nullptr),
      modes_{nullptr, nullptr, nullptr},
      modeController_(nullptr),
      markFont_(nullptr),
      modeId_(kModeStandard),
      parent_(PV::App::modelWindowHostOf(parent)) {
  PV_ASSERT(parent_ != 0);
  setIcon(new zIcon(zResId(kIcon)));

  nameEdit_ = new PV::GUI::ModelTextLine(this, kNameEdit, &name_, 0, PV_DATA_NM_MAX_BYTES, "model name");
  notesEdit_ =
      new PV::GUI::ModelTextBox(this, kNotesEdit, &notes_, zEditEmptyValid, PV_DATA_NOTES_MAX_BYTES, "model notes");
  notesEdit_->setBackgroundColor(kNotesBackground);

  for (int i = 0; i < 3; ++i) modes_[i] = new zRadioButton(this, kModeStandard + i);

  levelList_ = new zComboBoxStatic(this, kLevelList, &level_);
  intervalList_ = new zComboBoxStatic(this, kIntervalList, &interval_);
  scaleList_ = new zComboBoxStatic(this, kScaleList, &scale_);
  toolTips_ = attachToolTips(this, kTips);

  // Registered before the form wires its own OK and Cancel at the first show, so these
  // answer first and can keep the dialog open.
  if (zWindow* ok = childById(IDOK)) ok->addCommandNotify(this, &DNewModel::create);
  if (zWindow* cancelButton = childById(IDCANCEL)) cancelButton->addCommandNotify(this, &DNewModel::cancel);

  notesLabel_ = new zStaticText(this, kNotesLabel);
  notesLabel_->setTextColor(kBlack);
  notesMark_ = new zStaticText(this, kNotesMark);
  notesMark_->setTextColor(kBlack);
  notesMark_->setFont(new zFont("Arial", zPrPoint(0, 80), 700));

  modeController_ = new zRadioController(this, kModeStandard, kModeModerator, &modeId_);
  modeController_->update();

  fillChoices(scaleList_, kScaleChoices);
  fillChoices(intervalList_, kIntervalChoices);
  fillChoices(levelList_, kLevelChoices);

  nameEdit_->limitText(kNameChars);
  notesEdit_->limitText(kNotesChars);

  loadDefaults();
  center(1);
  show(SW_SHOWNORMAL);
}

DNewModel::~DNewModel() {
  // The tips leave the controls before the controls go.
  delete toolTips_;
  toolTips_ = nullptr;
  delete modeController_;
  modeController_ = nullptr;
}

void DNewModel::loadDefaults() {
  const PV::Data::ParmMdlOpts& defaults = PV::XML::PalvermontineMdlOptsFile::instance()->options().get_parmMdlOpts();
  level_ = oneDecimal(defaults.get_cfl());
  interval_ = oneDecimal(defaults.get_cfi());
  scale_ = scaleDigit(defaults.get_sil());
  notes_ = PV::XML::Utf8ToSystem(defaults.get_note()).c_str();
  loadedNotes_ = notes_;
  loadChildren();
  selectOrAdd(levelList_, level_);
  selectOrAdd(intervalList_, interval_);
  selectOrAdd(scaleList_, scale_);
}

int DNewModel::create(zEvent*) {
  // A model needs a name (blanks are none): OK says so and keeps the dialog open.
  const std::string typedName = static_cast<const char*>(editText(nameEdit_));
  if (typedName.find_first_not_of(' ') == std::string::npos) {
    refuse(this, nameEdit_, "Please give the new model a name: a model cannot be created without one.");
    return 1;
  }
  if (!storeData()) return 0;
  completed() = 0;

  std::string name;
  std::string notes;
  std::string message;
  ParameterValues values;
  if (!modelTextFromScreen(name_, PV_DATA_NM_MAX_BYTES, "model name", &name, &message)) {
    refuse(this, nameEdit_, message);
    return 1;
  }
  const std::string& defaultNotes =
      PV::XML::PalvermontineMdlOptsFile::instance()->options().get_parmMdlOpts().get_note();
  if (!modelTextFromScreen(notes_, PV_DATA_NOTES_MAX_BYTES, "model notes", &notes, &message, &defaultNotes)) {
    refuse(this, notesEdit_, message);
    return 1;
  }
  if (!parseParameters(level_, interval_, scale_, &values, &message)) {
    refuse(this, levelList_, message);
    return 1;
  }
  PV_ASSERT(!name.empty());

  PV::Data::ModelParameters params;
  params.set_cfi(values.interval);
  params.set_cfl(values.level);
  params.set_sil(values.scale);

  // The document's notice of the new model shows it in the status line.
  parent_->document().newModel(params, name, notes);
  const FLCString caption = FLCString("New Model: ") + name_ + " - Palvermontine";
  parent_->setModelCaption(caption);
  return 0;
}

int DNewModel::onClose(zEvent* event) { return cancel(event); }

int DNewModel::cancel(zEvent*) {
  // Only what the user typed is worth a question: an empty name with the notes as
  // they were loaded closes at once.
  const FLCString name = editText(nameEdit_);
  const FLCString notes = editText(notesEdit_);
  if (name.length() == 0 && (notes.length() == 0 || notes == loadedNotes_)) return 0;
  const int answer = MessageBoxA(handle(), "Are you sure you want to Cancel", "WARNING: Unsaved Data",
                                 MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL);
  return answer == IDYES ? 0 : 1;
}
