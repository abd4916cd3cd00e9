#include "app/windows/scoring/DCompareChoices.h"

#include "app/document/ModelDocument.h"
#include "app/windows/scoring/DPairedPrefScoring.h"
#include "app/shared/ModelWindowHost.h"
#include "app/windows/scoring/res/scoring_ids.h"
#include "foundation/Assert.h"
#include "framework/bars/zToolTip.h"
#include "framework/controls/zButton.h"
#include "framework/controls/zListBox.h"
#include "framework/core/zResources.h"
#include "xml/SystemText.h"

#include <algorithm>
#include <string>

namespace {

constexpr uint32_t kIcon = 106;

const zStatusMessage kTips[] = {
    {IDCANCEL, "Close the dialog"},
    {IDC_CC_SCORE_PAIRS, "Score Paired Preferences Set (or Double click on Criteria after selecting DecisionMaker)"},
    {IDC_CC_RESET_ALL, "Reset All Model Pairs Scores To ? Undecided Values"},
    {0, nullptr},
};

}  // namespace

DCompareChoices* DCompareChoices::open(zMDIAppFrame* frame) {
  if (DCompareChoices* open = instance()) return open->isDestroyed() ? nullptr : SingleDialogRef::open();
  return new DCompareChoices(frame);
}

DPairedPrefScoring* DCompareChoices::scoringDialog() {
  DPairedPrefScoring* open = DPairedPrefScoring::instance();
  return open && !open->isDestroyed() ? open : nullptr;
}

DCompareChoices::DCompareChoices(zMDIAppFrame* frame)
    : SmartWindow(frame, zResId(IDD_COMPARE_CHOICES)), frame_(frame), host_(PV::App::modelWindowHostOf(frame)) {
  deleteOnClose(1);
  PV_ASSERT(host_ != nullptr);
  host_->addModelWindow(this);
  document_ = &host_->document();
  setIcon(new zIcon(zResId(kIcon)));

  dmList_ = new zComboBoxStatic(this, IDC_CC_DMS);
  crList_ = new zListBoxUnsorted(this, IDC_CC_CRITERIA);
  ratio_ = new zStaticText(this, IDC_CC_RATIO);
  ratio_->setTextColor(zColor(0, 0, 255));
  resetAll_ = new zPushButton(this, IDC_CC_RESET_ALL);
  toolTips_ = new zToolTipCtrl(this);
  toolTips_->setMessageTable(kTips);
  for (const zStatusMessage* tip = kTips; tip->text; ++tip) {
    if (zWindow* tool = childById(tip->id)) toolTips_->addTool(tool);
  }
  // Items drawn by the window are as high as a line of the lists' font with a little air.
  const int itemHeight = std::max<int>(HIWORD(GetDialogBaseUnits()), 16);
  SendMessageA(dmList_->handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
  SendMessageA(dmList_->handle(), CB_SETITEMHEIGHT, 0, itemHeight);
  SendMessageA(crList_->handle(), LB_SETITEMHEIGHT, 0, itemHeight);

  if (document_->hasPairSets()) EnableWindow(resetAll_->handle(), TRUE);
  ensurePairs();
  fillLists();
  // From now on the lists follow every change of the model.
  document_->addListener(this);
  dmList_->setSelChangeNotify(zEventHandler(this, &DCompareChoices::onDmChange));
  crList_->setDblClickNotify(zEventHandler(this, &DCompareChoices::onCriterionDoubleClick));
  show(SW_SHOWNORMAL);
}

DCompareChoices::~DCompareChoices() {
  delete toolTips_;
  toolTips_ = nullptr;
  if (document_) document_->removeListener(this);
  if (host_) host_->removeModelWindow(this);
}

bool DCompareChoices::ensurePairs() {
  // The notice of a draw locks the lists and updates the status line.
  if (!document_ || !document_->drawPairs()) return false;
  EnableWindow(resetAll_->handle(), TRUE);
  return true;
}

void DCompareChoices::buildEntries() {
  entries_.clear();
  scored_ = total_ = 0;
  const PV::Data::DecisionModel* m = document_ ? document_->model() : nullptr;
  if (!m) return;
  const bool pairs = document_->hasPairSets();
  for (uint32_t d = 0; d < m->get_dms().size(); ++d) {
    DmMarkElem dm;
    uint32_t complete = 0;
    for (uint32_t c = 0; c < m->get_crs().size(); ++c) {
      CrMarkElem cr;
      if (pairs) {
        // Exceeded scores count as unscored here as in the solver.
        const auto counts = document_->countScored(c, d);
        scored_ += counts.first;
        total_ += counts.second;
        if (counts.first == counts.second) {
          cr.mark = kMark;
          ++complete;
        }
      }
      cr.text = std::string(1, cr.mark) + PV::XML::Utf8ToSystem(m->get_crs()[c].get_nm());
      dm.criteria.push_back(cr);
    }
    if (pairs && complete == m->get_crs().size()) dm.mark = kMark;
    dm.text = std::string(1, dm.mark) + PV::XML::Utf8ToSystem(m->get_dms()[d].get_nm());
    entries_.push_back(dm);
  }
}

void DCompareChoices::fillLists() { refreshLists(0, 0); }

void DCompareChoices::refreshLists(int32_t dm, int32_t cr) {
  buildEntries();
  dmList_->resetContent();
  crList_->resetContent();
  for (const DmMarkElem& e : entries_) dmList_->add(e.text.c_str());
  if (dm < 0 || dm >= static_cast<int32_t>(entries_.size())) dm = 0;
  if (!entries_.empty()) {
    for (const CrMarkElem& c : entries_[dm].criteria) crList_->add(c.text.c_str());
    dmList_->setSelection(dm);
    if (cr < 0 || cr >= crList_->count()) cr = 0;
    crList_->setSelection(cr);
  }
  updateRatio();
}

std::string DCompareChoices::ratioText() const {
  const uint32_t percent = total_ == 0 ? 0 : static_cast<uint32_t>(100.0 * scored_ / total_);
  return std::to_string(scored_) + "/" + std::to_string(total_) + " = " + std::to_string(percent) + "%";
}

void DCompareChoices::updateRatio() { SetWindowTextA(ratio_->handle(), ratioText().c_str()); }

int32_t DCompareChoices::dmSelection() const { return dmList_->selection(); }
int32_t DCompareChoices::crSelection() const { return crList_->selection(); }

void DCompareChoices::selectDecisionMaker(int32_t m) { refreshLists(m, 0); }

void DCompareChoices::selectCriterion(int32_t n) { crList_->setSelection(n); }

int DCompareChoices::onDmChange(zEvent*) {
  refreshLists(dmList_->selection(), 0);
  return 1;
}

int DCompareChoices::onCriterionDoubleClick(zEvent*) {
  scorePairs();
  return 1;
}

int DCompareChoices::onScorePairs(zEvent*) {
  scorePairs();
  return 1;
}

int DCompareChoices::onResetAll(zEvent*) {
  resetAllScores(true);
  return 1;
}

int DCompareChoices::onCommand(zEvent* event) {
  if (HIWORD(event->wParam()) != BN_CLICKED) return 0;
  switch (LOWORD(event->wParam())) {
    case IDC_CC_SCORE_PAIRS:
      return onScorePairs(event);
    case IDC_CC_RESET_ALL:
      return onResetAll(event);
    default:
      // Close falls through to the form's cancel, which closes the window.
      return 0;
  }
}

// An item of either list: the check mark drawn as two strokes in a box as high as the
// item, then the name after the mark's character.
void DCompareChoices::drawItem(const DRAWITEMSTRUCT* item) {
  if (item->itemID == static_cast<UINT>(-1)) return;
  const HWND control = item->hwndItem;
  const bool combo = item->CtlType == ODT_COMBOBOX;
  const int length = static_cast<int>(SendMessageA(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, item->itemID, 0));
  if (length < 0) return;
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(control, combo ? CB_GETLBTEXT : LB_GETTEXT, item->itemID, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(length));

  HDC dc = item->hDC;
  const RECT& rect = item->rcItem;
  const bool selected = (item->itemState & ODS_SELECTED) != 0;
  const bool enabled = (item->itemState & ODS_DISABLED) == 0;
  FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int box = rect.bottom - rect.top;
  if (!text.empty() && text[0] == kMark) {
    const int left = rect.left + 2, top = rect.top, size = box;
    const POINT stroke[3] = {{left + size / 5, top + size / 2},
                             {left + size * 2 / 5, top + size * 3 / 4},
                             {left + size * 4 / 5, top + size / 5}};
    HPEN pen = CreatePen(PS_SOLID, std::max(2, size / 7), selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : kCheckColour);
    HGDIOBJ old = SelectObject(dc, pen);
    Polyline(dc, stroke, 3);
    SelectObject(dc, old);
    DeleteObject(pen);
  }
  RECT textRect = rect;
  textRect.left += box + 4;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(!enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const char* name = text.empty() ? "" : text.c_str() + 1;
  DrawTextA(dc, name, -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if ((item->itemState & ODS_FOCUS) && !(item->itemState & ODS_NOFOCUSRECT)) DrawFocusRect(dc, &rect);
}

LRESULT DCompareChoices::defProc(zEvent* event) {
  if (event->message() == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(event->lParam());
    if (item->CtlID == IDC_CC_DMS || item->CtlID == IDC_CC_CRITERIA) {
      drawItem(item);
      return TRUE;
    }
  }
  // The wheel over the criteria list walks the criteria, stopping at both ends.
  if (event->message() == WM_MOUSEWHEEL && crList_ && crList_->count() > 0) {
    const int32_t n = crList_->selection();
    const int delta = GET_WHEEL_DELTA_WPARAM(event->wParam());
    const int32_t next = delta < 0 ? std::min(n + 1, crList_->count() - 1) : std::max(n - 1, 0);
    crList_->setSelection(next);
    return 0;
  }
  return SmartWindow::defProc(event);
}

void DCompareChoices::modelChanged(uint32_t changes) {
  // Another model, or the pairs gone (comparisons cleared): nothing is left to show.
  if ((changes & PV::App::MODEL_REPLACED) || ((changes & PV::App::MODEL_PAIRS) && !document_->hasPairSets())) {
    discard();
    return;
  }
  // Marks and the ratio follow every store and reset, whichever window made it.
  if (changes & (PV::App::MODEL_SCORES | PV::App::MODEL_LISTS))
    refreshLists(dmList_->selection(), crList_->selection());
}

void DCompareChoices::discard() {
  // The host and the document forget the window now, and the window them: they may
  // be going too.
  if (document_) document_->removeListener(this);
  document_ = nullptr;
  if (host_) host_->removeModelWindow(this);
  host_ = nullptr;
  if (!isDestroyed()) SendMessageA(handle(), WM_CLOSE, 0, 0);
}

void DCompareChoices::scorePairs() {
  const PV::Data::DecisionModel* m = document_ ? document_->model() : nullptr;
  if (!m || !ensurePairs()) return;
  const int32_t dm = dmList_->selection();
  const int32_t cr = crList_->selection();
  if (dm < 0 || cr < 0 || dm >= static_cast<int32_t>(m->get_dms().size()) ||
      cr >= static_cast<int32_t>(m->get_crs().size())) {
    return;
  }
  DPairedPrefScoring* scoring = DPairedPrefScoring::open(frame_);
  if (!scoring) return;
  const auto& d = m->get_dms()[dm];
  const auto& c = m->get_crs()[cr];
  const PV::App::PairSetScores set = document_->pairSet(static_cast<uint32_t>(cr), static_cast<uint32_t>(dm));
  std::vector<PV::Scoring::PairNames> names;
  const auto nameOf = [&](uint32_t index) {
    return index < m->get_chs().size() ? PV::XML::Utf8ToSystem(m->get_chs()[index].get_nm()) : std::string("?");
  };
  for (const auto& pair : set.choices) names.emplace_back(nameOf(pair.first), nameOf(pair.second));
  // The question about unsaved scores comes before the header changes.
  scoring->loadPairSet(static_cast<uint32_t>(cr), static_cast<uint32_t>(dm), names, set.scores,
                       PV::XML::Utf8ToSystem(d.get_nm()), PV::XML::Utf8ToSystem(d.get_note()),
                       PV::XML::Utf8ToSystem(c.get_nm()), PV::XML::Utf8ToSystem(c.get_note()), dm + 1, cr + 1);
}

void DCompareChoices::resetAllScores(bool ask) {
  if (ask && MessageBoxA(handle(), "Are you sure you want to reset \"all\" your scores ?", "Palvermontine",
                         MB_YESNO | MB_ICONEXCLAMATION | MB_TASKMODAL) != IDYES) {
    return;
  }
  // The reset reaches the model's score blocks at once, so a save keeps it; its notice
  // refreshes these lists, the open scoring window and the main window.
  if (document_) document_->resetScores();
}
