#include "app/windows/scoring/DPairedPrefScoring.h"

#include "app/windows/scoring/DCompareChoices.h"
#include "app/windows/scoring/PairedPrefScoringPane.h"
#include "app/shared/ModelWindowHost.h"
#include "app/windows/scoring/res/scoring_ids.h"
#include "factory/Factory.h"
#include "framework/core/zResources.h"
#include "math/MathServer.h"
#include "math/RandomPairSet.h"

namespace {

constexpr uint32_t kIcon = 105;

}  // namespace

DPairedPrefScoring* DPairedPrefScoring::open(zMDIAppFrame* frame) {
  if (DPairedPrefScoring* open = instance()) return open->isDestroyed() ? nullptr : SingleDialogRef::open();
  return new DPairedPrefScoring(frame);
}

bool DPairedPrefScoring::storeIntoModel(uint32_t crIndex, uint32_t dmIndex, const std::vector<PairABText>& pairs) {
  PV::Data::Factory* factory = PV::Data::Factory::instance();
  const PV::Data::DecisionModel* model = factory->currDataModel(0);
  PV::Math::MathServer* ms = factory->getMathServer(0);
  // The pairs may have gone since they were loaded (comparisons cleared, another
  // model): nothing is stored then.
  if (!model || !ms || !ms->hasAlgorithm() || crIndex >= model->get_crs().size() ||
      dmIndex >= model->get_dms().size()) {
    return false;
  }
  const auto& state = ms->getModelState();
  if (crIndex >= state.numcrs_ || dmIndex >= state.numdms_) return false;
  PV::Math::RandomPairSet* rps = ms->acquireRps(crIndex, dmIndex);
  const bool stored = PV::Scoring::storePairTexts(*rps, pairs);
  if (stored) rps->saveScores();
  std::string advice;
  ms->adviseNothing(rps, advice);
  ms->releaseRps(rps);
  ms->refresh(rps);
  ms->transferScores();
  return stored;
}

DPairedPrefScoring::DPairedPrefScoring(zMDIAppFrame* frame) : SmartWindow(frame, zResId(IDD_SCORING_WINDOW)) {
  host_ = PV::App::modelWindowHostOf(frame);
  if (host_) host_->addModelWindow(this);
  deleteOnClose(1);
  setIcon(new zIcon(zResId(kIcon)));
  pane_ = new PairedPrefScoringPane(this, IDC_SCORING_PANE);
  show(SW_SHOWNORMAL);
  pane_->setFocus();
}

DPairedPrefScoring::~DPairedPrefScoring() {
  if (host_) host_->removeModelWindow(this);
}

void DPairedPrefScoring::setCaptionText(const std::string& text) {
  caption_ = text;
  setTitle(caption_.c_str());
  RedrawWindow(handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void DPairedPrefScoring::setModified(bool modified) {
  modified_ = modified;
  if (caption_.empty()) return;
  const char marker = modified ? '*' : ' ';
  if (caption_[0] == marker) return;
  std::string text = caption_;
  text[0] = marker;
  setCaptionText(text);
}

bool DPairedPrefScoring::hasUnsavedScores() const {
  return loaded_ && !pane_->pairs().empty() && pane_->pairs() != pane_->initialPairs();
}

void DPairedPrefScoring::loadPairSet(DCompareChoices* selector, uint32_t crIndex, uint32_t dmIndex,
                                     const std::vector<PairABText>& pairs, const std::string& dmName,
                                     const std::string& dmNote, const std::string& crName, const std::string& crNote,
                                     int32_t dmNumber, int32_t crNumber) {
  if (hasUnsavedScores() &&
      MessageBoxA(handle(), "Do you want to save your data before updating the Paired Preferences View ?",
                  "Palvermontine", MB_YESNO | MB_ICONEXCLAMATION | MB_TASKMODAL) == IDYES) {
    commit();
  }
  selector_ = selector;
  crIndex_ = crIndex;
  dmIndex_ = dmIndex;
  loaded_ = true;
  pane_->setHeader(dmName, dmNote, crName, crNote);
  pane_->loadPairs(pairs);
  setCaptionText("  DM" + std::to_string(dmNumber) + ":Cr" + std::to_string(crNumber));
  setModified(false);
  pane_->setFocus();
}

bool DPairedPrefScoring::commit() {
  if (!loaded_) return false;
  const std::vector<PairABText> pairs = pane_->pairs();
  bool stored;
  if (DCompareChoices* selector = DCompareChoices::instance(); selector && selector == selector_) {
    stored = selector->storeScores(crIndex_, dmIndex_, pairs);
  } else {
    stored = storeIntoModel(crIndex_, dmIndex_, pairs);
  }
  if (host_) {
    host_->updateStatusBar();
    host_->setSolutionsFlag(true);
  }
  if (stored) {
    pane_->takePairsAsStored();
    setModified(false);
  }
  return stored;
}

void DPairedPrefScoring::applyHighlightOptions(bool on, uint32_t colour) {
  if (on != pane_->highlight() || colour != pane_->highlightColour()) pane_->setHighlight(on, colour);
  pane_->setFocus();
}

void DPairedPrefScoring::resetPane() {
  pane_->resetScores(false);
  pane_->takePairsAsStored();
  setModified(false);
}

void DPairedPrefScoring::discard() {
  closeWithoutStore_ = true;
  // The host forgets the window now, and the window the host: it may be going too.
  if (host_) host_->removeModelWindow(this);
  host_ = nullptr;
  if (!isDestroyed()) SendMessageA(handle(), WM_CLOSE, 0, 0);
}

void DPairedPrefScoring::okPressed() { SendMessageA(handle(), WM_CLOSE, 0, 0); }

void DPairedPrefScoring::updatePressed() {
  pane_->setFocus();
  commit();
}

void DPairedPrefScoring::cancelPressed() {
  setModified(false);
  closeWithoutStore_ = true;
  SendMessageA(handle(), WM_CLOSE, 0, 0);
}

int DPairedPrefScoring::onSize(zEvent* event) {
  // The pane fills the window, whatever its size.
  RECT client = {};
  GetClientRect(handle(), &client);
  if (pane_ && pane_->handle()) MoveWindow(pane_->handle(), 0, 0, client.right, client.bottom, TRUE);
  return SmartWindow::onSize(event);
}

int DPairedPrefScoring::onClose(zEvent*) {
  // The close box stores like OK; Cancel and a discard do not.
  if (!closeWithoutStore_) commit();
  closeWithoutStore_ = true;
  return 0;
}
