#include "app/dialogs/DAppOptions.h"

#include "app/dialogs/GuiUtils.h"
#include "app/dialogs/ModelDialogSupport.h"
#include "app/shared/ModelWindowHost.h"
#include "app/services/AboutInfo.h"
#include "foundation/Assert.h"
#include "framework/bars/zToolTip.h"
#include "framework/controls/zButton.h"
#include "framework/controls/zEdit.h"
#include "framework/controls/zListBox.h"
#include "framework/controls/zRadio.h"
#include "framework/core/zResources.h"
#include "framework/draw/zBitmap.h"
#include "framework/draw/zFont.h"
#include "framework/frames/zCommonForms.h"
#include "framework/visual/zBitmapButton.h"
#include "framework/visual/zBitmapPane.h"
#include "foundation/FileNames.h"
#include "model/AppOptions.h"
#include "model/ModelFileName.h"
#include "xml/PalvermontineAppOptsFile.h"
#include "xml/SystemText.h"

using namespace PV::Dialogs;

namespace PV {
namespace Dialogs {

const NavigationChoice kNavigationChoices[6] = {
    {"Flow LRD", "leftRightDown", 0},
    {"Down", "down", 1},
    {"Right", "right", 2},
    {"Left", "left", 3},
    {"Up", "up", 4},
    {"None", "none", 5},
};

const NavigationChoice& navigationChoiceOf(const std::string& value) {
  for (const NavigationChoice& choice : kNavigationChoices) {
    if (value == choice.value) return choice;
  }
  return kNavigationChoices[0];
}

int32_t exitModeOf(const std::string& exitIcon) {
  if (exitIcon == "none") return 0;
  if (exitIcon == "exit2") return 1;
  return 2;
}

const char* exitIconOf(int32_t exitMode) { return exitMode == 0 ? "none" : exitMode == 1 ? "exit2" : "exit1"; }

}  // namespace Dialogs
}  // namespace PV

namespace {

constexpr uint32_t kIcon = 107;
constexpr uint32_t kNavigationFill = 554;
constexpr uint32_t kBrowseBitmap = 517;
constexpr uint32_t kDm1Bitmap = 518;
constexpr uint32_t kDm2Bitmap = 519;
constexpr uint32_t kExit2Bitmap = 520;
constexpr uint32_t kExit1Bitmap = 521;
constexpr uint32_t kHighlightBitmap = 1030;

// The sixteen check boxes in the order of the dialog's bound integers.
const int32_t kCheckIds[16] = {
    kAoShowPath,
    kAoStartLastModel,
    kAoMultipleScoring,
    kAoAppendTimestamp,
    kAoIncludeScores,
    kAoStartDefaultModel,
    kAoHighlight,
    kAoRankChart,
    kAoAutoReport,
    kAoTransitiveBoolean,
    kAoTransitiveQuantitive,
    kAoDistributive,
    kAoDisplayReport,
    kAoAutoRecalc,
    kAoAutoUpdate,
    kAoRestoreEnv,
};

const zStatusMessage kTips[] = {
    {kAoDefaultModel, "Set the default path and/or model for File|Open and File|SaveAs"},
    {kAoShowPath, "Show Full Path of Loaded Model in Window Caption"},
    {kAoStartLastModel, "Always Opens Last Model By Setting It As The Default"},
    {kAoMultipleScoring, "Create A Paired Preference Window For Each Set"},
    {kAoAppendTimestamp, "Appends a W3C timestamp to the Filename"},
    {kAoIncludeScores, "Reports Paired Preference Scores If Available"},
    {kAoStartDefaultModel, "Loads Default Model On Application Start"},
    {kAoHighlight, "Highlight Choices In Paired Preferences Scoring Dialog"},
    {kAoPortrait, "Displays Solution Window in Portrait Mode"},
    {kAoLandscape, "Displays Solution Window in Landscape Mode"},
    {kAoRankChart, "Always Generate a Rank Table Chart Solution Window"},
    {kAoAutoReport, "Automatically Generate a PDF Report For Each Calculation"},
    {kAoDisplayReport, "Display Decision Model Report Using Default PDF Viewer"},
    {kAoAutoRecalc, "Update Solution Window If Weights Change"},
    {kAoAutoUpdate, "Automatically Update Data In Transition To Other Dialogs"},
    {kAoRestoreEnv, "Automatically Restore Env From When Model Was Saved"},
    {0, nullptr},
};

PV::XML::PalvermontineAppOptsFile* optionsFile() { return PV::XML::PalvermontineAppOptsFile::instance(); }

// A picture of the resources with its background (top-left pixel) in the colour.
zBitmap* pictureOn(uint32_t id, COLORREF background) {
  zBitmap* bitmap = new zBitmap(zResId(id));
  PV::GUI::replaceBitmapColor(bitmap->hbitmap(), background);
  return bitmap;
}

// The drawn button of the template: the template reader makes it when the drawn
// controls are registered; otherwise the plain control is taken over.
zBitmapButton* bitmapButton(zWindow* dialog, int32_t id) {
  if (zBitmapButton* made = dynamic_cast<zBitmapButton*>(dialog->childById(id))) return made;
  return new zBitmapButton(dialog, id, nullptr);
}

}  // namespace

DAppOptions::DAppOptions(zWindow* parent, uint32_t templateId)
    : zFormDialog(parent, zResId(templateId)),
      toolTips_(nullptr),
      defaultModelEdit_(nullptr),
      navigationList_(nullptr),
      browseButton_(nullptr),
      colorButton_(nullptr),
      dmController_(nullptr),
      exitController_(nullptr),
      orientationController_(nullptr),
      host_(PV::App::modelWindowHostOf(parent)),
      dmRadio_(kAoDm1),
      exitRadio_(kAoExit1),
      orientationRadio_(kAoPortrait),
      checks_(),
      boxes_(),
      highlight_(0) {
  PV_ASSERT(host_ != 0);
  setIcon(new zIcon(zResId(kIcon)));

  new zEditLine(this, kAoUserName, &userName_, zEditEmptyValid);
  // Shown for what the program may keep one day; never loaded or stored.
  new zEditLine(this, kAoGroupId, &groupId_, zEditEmptyValid);
  zEditLine* email = new zEditLine(this, kAoEmail, &email_, zEditEmptyValid);
  email->setTextColor(zColor(192, 192, 192));
  defaultModelEdit_ = new zEditLine(this, kAoDefaultModel, &defaultModel_, zEditEmptyValid);
  for (int i = 0; i < 16; ++i) boxes_[i] = new zCheckBox(this, kCheckIds[i], &checks_[i]);
  navigationList_ = new zComboBoxStatic(this, kAoNavigation, &navigation_);
  for (int32_t id = kAoDm1; id <= kAoNoExit; ++id) new zRadioButton(this, id);
  new zRadioButton(this, kAoPortrait);
  new zRadioButton(this, kAoLandscape);

  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  browseButton_ = bitmapButton(this, kAoBrowse);
  delete browseButton_->sizeToBitmap(pictureOn(kBrowseBitmap, face), 1, 0, 0);
  colorButton_ = bitmapButton(this, kAoHighlightColor);
  const struct {
    int32_t id;
    uint32_t bitmap;
  } pictures[] = {{kAoDm1Picture, kDm1Bitmap},
                  {kAoDm2Picture, kDm2Bitmap},
                  {kAoExit2Picture, kExit2Bitmap},
                  {kAoExit1Picture, kExit1Bitmap}};
  for (const auto& p : pictures) {
    zBitmapPane* pane = new zBitmapPane(this, p.id);
    delete pane->setBitmap(pictureOn(p.bitmap, face), 0, 1);
  }
  zStaticText* noExit = new zStaticText(this, kAoNoExitText);
  noExit->setFont(zRCFont("Arial", zPrPoint(0, 100), FW_NORMAL));

  toolTips_ = attachToolTips(this, kTips);
  box(kAoStartLastModel)->setHandler(this, &DAppOptions::onStartLastModel);
  box(kAoStartDefaultModel)->setHandler(this, &DAppOptions::onStartDefaultModel);
  browseButton_->setNotify(this, &DAppOptions::browseDefaultModel);
  colorButton_->setNotify(this, &DAppOptions::chooseHighlightColor);
  if (zWindow* ok = childById(IDOK)) ok->addCommandNotify(this, &DAppOptions::onOkPressed);

  fillFromResource(navigationList_, kNavigationFill);
  dmController_ = new zRadioController(this, kAoDm1, kAoDm2, &dmRadio_);
  exitController_ = new zRadioController(this, kAoExit1, kAoNoExit, &exitRadio_);
  orientationController_ = new zRadioController(this, kAoPortrait, kAoLandscape, &orientationRadio_);

  load();
  center(1);
  show(SW_SHOWNORMAL);
}

DAppOptions::~DAppOptions() {
  // The tips leave the controls before the controls go.
  delete toolTips_;
  toolTips_ = nullptr;
  delete dmController_;
  delete exitController_;
  delete orientationController_;
}

int32_t& DAppOptions::check(int32_t id) {
  for (int i = 0; i < 16; ++i) {
    if (kCheckIds[i] == id) return checks_[i];
  }
  PV_ASSERT(!"a check box of the dialog");
  return checks_[0];
}

zCheckBox* DAppOptions::box(int32_t id) const {
  for (int i = 0; i < 16; ++i) {
    if (kCheckIds[i] == id) return boxes_[i];
  }
  PV_ASSERT(!"a check box of the dialog");
  return nullptr;
}

void DAppOptions::load() {
  const PV::Data::PalvermontineAppOpts& options = optionsFile()->options();
  const PV::Data::DefaultValuesAppOpts& defaults = options.get_defaultValuesAppOpts();
  const PV::Data::GuiAppOpts& gui = options.get_guiAppOpts();
  const PV::Data::CalcAppOpts& calc = options.get_calcAppOpts();
  const PV::Data::RptAppOpts& report = options.get_rptAppOpts();

  navigation_ = navigationChoiceOf(gui.get_cellInputAdvance()).text;
  const std::string& owner = options.get_idAppOpts().get_owner();
  userName_ =
      PV::XML::Utf8ToSystem(owner.empty() ? PV::Util::PalvermontineAboutInfo::instance()->get_userName() : owner)
          .c_str();

  check(kAoShowPath) = gui.get_showDirPathInMainWndwTitle();
  check(kAoHighlight) = gui.get_useFilledBgHighlightChoicePairs();
  check(kAoAppendTimestamp) = report.get_appendTimestamp();
  check(kAoIncludeScores) = report.get_includeScores();
  check(kAoDisplayReport) = report.get_displayReport();
  check(kAoRankChart) = calc.get_displaySolutionWindow();
  check(kAoAutoReport) = calc.get_generateReportFile();
  check(kAoAutoRecalc) = calc.get_autoUpdateSolutionWindow();
  check(kAoAutoUpdate) = defaults.get_openMostRecentFile();
  // The program's start follows the default model when both are set, so the dialog
  // shows that one; the other box is cleared on OK.
  check(kAoStartDefaultModel) = defaults.get_useCrc();
  check(kAoStartLastModel) = defaults.get_autoSave() && !defaults.get_useCrc();
  highlight_ = gui.get_rgbFilledBgHighlightChoicePairs() & 0xFFFFFFu;

  orientationRadio_ = calc.get_solutionWindowOrientation() == "portrait" ? kAoPortrait : kAoLandscape;
  dmRadio_ = gui.get_decisionMakerIcon() == "dm2" ? kAoDm2 : kAoDm1;
  const int32_t exitMode = exitModeOf(gui.get_exitIcon());
  exitRadio_ = exitMode == 2 ? kAoExit1 : exitMode == 1 ? kAoExit2 : kAoNoExit;
  defaultModelShown_ = defaults.get_defaultDirectory();
  defaultModel_ = PV::XML::Utf8ToSystem(defaultModelShown_).c_str();

  loadChildren();
  for (zRadioController* c : {dmController_, exitController_, orientationController_}) c->update();
  applyStartupChoice();
  paintHighlightSample(highlight_);
}

void DAppOptions::applyStartupChoice() {
  if (box(kAoStartDefaultModel)->checked()) {
    exclusiveStartupChoice(0);
  } else if (box(kAoStartLastModel)->checked()) {
    exclusiveStartupChoice(1);
  } else {
    browseButton_->disable();
    defaultModelEdit_->disable();
  }
}

int DAppOptions::exclusiveStartupChoice(int lastOpened) {
  zCheckBox* last = box(kAoStartLastModel);
  zCheckBox* byDefault = box(kAoStartDefaultModel);
  if (lastOpened) {
    if (last->checked()) {
      byDefault->setCheck(0);
      byDefault->disable();
      browseButton_->disable();
      defaultModelEdit_->disable();
    } else {
      byDefault->enable();
    }
  } else if (byDefault->checked()) {
    last->setCheck(0);
    last->disable();
    browseButton_->enable();
    defaultModelEdit_->enable();
  } else {
    last->enable();
    browseButton_->disable();
    defaultModelEdit_->disable();
  }
  return 0;
}

int DAppOptions::onStartLastModel(zEvent*) { return exclusiveStartupChoice(1); }

int DAppOptions::onStartDefaultModel(zEvent*) { return exclusiveStartupChoice(0); }

int DAppOptions::browseDefaultModel(zEvent*) {
  zFileOpenForm form(this, "Open A Palvermontine Decision Model File", defaultModel_, PV::Data::kModelFileFilter);
  if (form.completed() && form.name()[0]) {
    // The form names the file in UTF-8; the entry shows screen text.
    defaultModelShown_ = form.name();
    defaultModel_ = PV::XML::Utf8ToSystem(defaultModelShown_).c_str();
    defaultModelEdit_->setText(defaultModel_);
  }
  return 0;
}

int DAppOptions::chooseHighlightColor(zEvent*) {
  zColorSelForm form(this, zColor::fromColorRef(highlight_));
  if (form.completed()) {
    highlight_ = form.color().colorRef() & 0xFFFFFFu;
    paintHighlightSample(highlight_);
  }
  return 0;
}

void DAppOptions::paintHighlightSample(uint32_t rgb) {
  zBitmap* sample = new zBitmap(zResId(kHighlightBitmap));
  PV::GUI::replaceOtherBitmapColors(sample->hbitmap(), static_cast<COLORREF>(rgb));
  delete colorButton_->sizeToBitmap(sample, 1, 0, 0);
  colorButton_->invalidate();
}

bool DAppOptions::store() {
  // Everything is checked before anything changes: a refusal leaves the options, the
  // file and the main window as they were.
  // The start-up boxes are read from the controls: a disabled box is not stored, so its
  // bound integer may still hold the state it had when the other box was checked.
  const bool startDefault = box(kAoStartDefaultModel)->checked() != 0;
  const bool startLast = box(kAoStartLastModel)->checked() != 0 && !startDefault;
  const std::string defaultModel =
      PV::XML::SystemToUtf8Keeping(static_cast<const char*>(defaultModel_), defaultModelShown_);
  // The start opens the default model by the same rule as every model file: a name
  // taken here is one the start can open.
  const std::string extension = PV::Data::kModelExtension;
  if (defaultModel.empty() && startDefault) {
    refuse(this, defaultModelEdit_,
           "Give the model that the program opens at start (a file ending in " + extension + ").");
    return false;
  }
  if (!defaultModel.empty() && !PV::Data::isModelFileName(defaultModel)) {
    refuse(this, defaultModelEdit_,
           "The default model must be a Palvermontine model file (a name ending in " + extension + ").");
    return false;
  }
  if (startDefault && (!PV::Files::exists(defaultModel) || PV::Files::isFolder(defaultModel))) {
    refuse(this, defaultModelEdit_, "The default model " + PV::XML::Utf8ToSystem(defaultModel) + " was not found.");
    return false;
  }
  std::string userName;
  std::string message;
  const std::string& owner = optionsFile()->options().get_idAppOpts().get_owner();
  const std::string shownName = owner.empty() ? PV::Util::PalvermontineAboutInfo::instance()->get_userName() : owner;
  if (!modelTextFromScreen(userName_, 254, "user name", &userName, &message, &shownName)) {
    refuse(this, childById(kAoUserName), message);
    return false;
  }

  PV::XML::PalvermontineAppOptsFile* file = optionsFile();
  const PV::Data::PalvermontineAppOpts kept = file->options();
  PV::Data::PalvermontineAppOpts& options = file->options();
  PV::Data::DefaultValuesAppOpts& defaults = options.get_defaultValuesAppOpts();
  PV::Data::GuiAppOpts& gui = options.get_guiAppOpts();
  PV::Data::CalcAppOpts& calc = options.get_calcAppOpts();
  PV::Data::RptAppOpts& report = options.get_rptAppOpts();

  const NavigationChoice* navigation = &kNavigationChoices[0];
  for (const NavigationChoice& choice : kNavigationChoices) {
    if (navigation_ == choice.text) navigation = &choice;
  }
  gui.set_cellInputAdvance(navigation->value);
  options.get_idAppOpts().set_owner(userName);
  report.set_appendTimestamp(check(kAoAppendTimestamp) != 0);
  report.set_includeScores(check(kAoIncludeScores) != 0);
  report.set_displayReport(check(kAoDisplayReport) != 0);
  gui.set_showDirPathInMainWndwTitle(check(kAoShowPath) != 0);
  gui.set_useFilledBgHighlightChoicePairs(check(kAoHighlight) != 0);
  gui.set_rgbFilledBgHighlightChoicePairs(highlight_);
  calc.set_displaySolutionWindow(check(kAoRankChart) != 0);
  calc.set_generateReportFile(check(kAoAutoReport) != 0);
  calc.set_autoUpdateSolutionWindow(check(kAoAutoRecalc) != 0);
  defaults.set_openMostRecentFile(check(kAoAutoUpdate) != 0);
  defaults.set_useCrc(startDefault);
  defaults.set_autoSave(startLast);
  calc.set_solutionWindowOrientation(orientationRadio_ == kAoLandscape ? "landscape" : "portrait");
  const bool dmFemale = dmRadio_ == kAoDm2;
  gui.set_decisionMakerIcon(dmFemale ? "dm2" : "dm1");
  const int32_t exitMode = exitRadio_ == kAoExit1 ? 2 : exitRadio_ == kAoExit2 ? 1 : 0;
  gui.set_exitIcon(exitIconOf(exitMode));
  defaults.set_defaultDirectory(defaultModel);

  if (!file->save()) {
    file->options() = kept;
    refuse(
        this, okButton(),
        "The application options could not be saved to " + PV::XML::PalvermontineAppOptsFile::configFilePath() + ".");
    return false;
  }
  if (!userName.empty()) PV::Util::PalvermontineAboutInfo::instance()->set_userName(userName);
  PV::GUI::AppOptions::instance()->set_cellInputAdvance(navigation->code);
  host_->applyAppOptions(dmFemale, exitMode, check(kAoShowPath) != 0);
  return true;
}

int DAppOptions::onOkPressed(zEvent*) {
  if (!storeData()) return 0;
  completed() = 0;
  return store() ? 0 : 1;
}
