#include "app/windows/scoring/DPairedPrefScoring.h"

#include "app/document/ModelDocument.h"
#include "app/windows/scoring/PairedPrefScoringPane.h"
#include "app/shared/ModelWindowHost.h"
#include "app/windows/scoring/res/scoring_ids.h"
#include "foundation/Assert.h"
#include "framework/core/zResources.h"

namespace {

constexpr uint32_t kIcon = 105;

}  // namespace

DPairedPrefScoring* DPairedPrefScoring::open(zMDIAppFrame* frame) {
  if (DPairedPrefScoring* open = instance()) return open->isDestroyed() ? nullptr : SingleDialogRef::open();
  return new DPairedPrefScoring(frame);
}

DPairedPrefScoring::DPairedPrefScoring(zMDIAppFrame* frame) : SmartWindow(frame, zResId(IDD_SCORING_WINDOW)) {
  host_ = PV::App::modelWindowHostOf(frame);
  PV_ASSERT(host_ != nullptr);
  host_->addModelWindow(this);
  document_ = &host_->document();
  document_->addListener(this);
  deleteOnClose(1);
  setIcon(new zIcon(zResId(kIcon)));
  pane_ = new PairedPrefScoringPane(this, IDC_SCORING_PANE);
  show(SW_SHOWNORMAL);
  pane_->setFocus();
}

DPairedPrefScoring::~DPairedPrefScoring() {
  if (document_) document_->removeListener(this);
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
  return loaded_ && !pane_->scores().empty() && pane_->scores() != pane_->initialScores();
}

void DPairedPrefScoring::loadPairSet(uint32_t crIndex, uint32_t dmIndex,
                                     const std::vector<PV::Scoring::PairNames>& names, const std::vector<int>& scores,
                                     const std::string& dmName, const std::string& dmNote, const std::string& crName,
                                     const std::string& crNote, int32_t dmNumber, int32_t crNumber) {
  bool stored = false;
  if (hasUnsavedScores() &&
      MessageBoxA(handle(), "Do you want to save your data before updating the Paired Preferences View ?",
                  "Palvermontine", MB_YESNO | MB_ICONEXCLAMATION | MB_TASKMODAL) == IDYES) {
    stored = commit();
  }
  // The caller read the scores before the question: after a store into the set it asks
  // for, the set's scores as they stand now.
  const bool sameSet = stored && crIndex == crIndex_ && dmIndex == dmIndex_ && document_;
  const std::vector<int> shown = sameSet ? document_->pairSet(crIndex, dmIndex).scores : scores;
  crIndex_ = crIndex;
  dmIndex_ = dmIndex;
  loaded_ = true;
  pane_->setHeader(dmName, dmNote, crName, crNote);
  pane_->loadPairs(names, shown);
  setCaptionText("  DM" + std::to_string(dmNumber) + ":Cr" + std::to_string(crNumber));
  setModified(false);
  pane_->setFocus();
}

bool DPairedPrefScoring::commit() {
  if (!loaded_ || !document_) return false;
  // The pairs may have gone since they were loaded (comparisons cleared, another
  // model): the document refuses the store then.
  storing_ = true;
  const bool stored = document_->storeScores(crIndex_, dmIndex_, pane_->scores());
  storing_ = false;
  if (stored) {
    pane_->takeScoresAsStored();
    setModified(false);
  }
  return stored;
}

void DPairedPrefScoring::applyHighlightOptions(bool on, uint32_t colour) {
  if (on != pane_->highlight() || colour != pane_->highlightColour()) pane_->setHighlight(on, colour);
  pane_->setFocus();
}

void DPairedPrefScoring::modelChanged(uint32_t changes) {
  // Another model, or the pairs gone (comparisons cleared): nothing is left to show.
  if ((changes & PV::App::MODEL_REPLACED) || ((changes & PV::App::MODEL_PAIRS) && !document_->hasPairSets())) {
    discard();
    return;
  }
  if (storing_ || !loaded_ || !(changes & PV::App::MODEL_SCORES)) return;
  // Scores changed elsewhere (a reset of all scores, the one store no scoring window
  // makes): the pane shows the set as it is now, and what it held unsaved goes too.
  const std::vector<int> scores = document_->pairSet(crIndex_, dmIndex_).scores;
  if (scores == pane_->initialScores() && scores == pane_->scores()) return;
  pane_->replaceScores(scores);
  setModified(false);
}

void DPairedPrefScoring::discard() {
  closeWithoutStore_ = true;
  // The host and the document forget the window now, and the window them: they may
  // be going too.
  if (document_) document_->removeListener(this);
  document_ = nullptr;
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
