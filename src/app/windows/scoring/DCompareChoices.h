// The compare-choices selector: the modeless MDI window from which a decision maker's
// pairs are scored. It lists the decision makers (a drop-down list) and the selected
// decision maker's criteria, each with a check mark once all its pairs are scored,
// shows the completion ratio over every pair of the model, opens the scoring window
// for the chosen decision maker and criterion (Score Pairs, or a double-click on a
// criterion), and resets every score of the model (Reset All Scores, which reaches the
// model's score blocks at once, so that a save keeps the reset).
//
// The scoring window stores into the model's document by itself; the selector follows
// the document's notice, whichever window changed the scores, and closes when the
// pairs go. At most one selector is open; opening it again brings the open one
// forward. Opened only for a model that can be scored; it draws the pairs when the
// model has none yet.
#pragma once

#include "app/document/ModelDocument.h"
#include "app/shared/ModelWindow.h"
#include "app/shared/SingleDialogRef.h"
#include "app/shared/SmartWindow.h"
#include "app/windows/scoring/PairTexts.h"
#include "framework/frames/zFormDialog.h"

#include <cstdint>
#include <string>
#include <vector>

class zComboBoxStatic;
class zListBoxUnsorted;
class zPushButton;
class zStaticText;
class zToolTipCtrl;
class DPairedPrefScoring;

namespace PV {
namespace App {
class ModelWindowHost;
}
namespace GUI {
// The kind of window whose placement the selectors share.
struct CompareChoicesData {};
}  // namespace GUI
}  // namespace PV

class DCompareChoices : public PV::GUI::SmartWindow<PV::GUI::CompareChoicesData>,
                        public PV::GUI::SingleDialogRef<DCompareChoices>,
                        public PV::App::ModelWindow,
                        public PV::App::ModelListener {
 public:
  // One criterion as listed under a decision maker: its mark (' ' or kMark) and the
  // mark followed by its name. The lists draw their items themselves: kMark shows as a
  // drawn check mark, in no font's keeping (0xFB is a check mark in the OEM set only,
  // and a letter wherever another font stands in for it).
  struct CrMarkElem {
    char mark = ' ';
    std::string text;
  };
  struct DmMarkElem {
    char mark = ' ';
    std::string text;
    std::vector<CrMarkElem> criteria;
  };

  static constexpr char kMark = static_cast<char>(0xFB);
  // The colour of the drawn check mark on an unselected item.
  static constexpr COLORREF kCheckColour = RGB(0, 128, 0);

  // The open selector brought forward, or a new one in the frame; null while the
  // last one is still going.
  static DCompareChoices* open(zMDIAppFrame* frame);
  // The open scoring window, null when none is open.
  static DPairedPrefScoring* scoringDialog();

  explicit DCompareChoices(zMDIAppFrame* frame);
  ~DCompareChoices() override;

  // Score Pairs: the scoring window for the selected decision maker and criterion.
  void scorePairs();
  // Asks, then sets every pair of the model unscored and writes the score blocks.
  void resetAllScores(bool ask = true);

  // What the lists show.
  const std::vector<DmMarkElem>& entries() const { return entries_; }
  std::string ratioText() const;
  int32_t dmSelection() const;
  int32_t crSelection() const;
  // Selects the decision maker as a user's choice in the list does.
  void selectDecisionMaker(int32_t m);
  void selectCriterion(int32_t n);

  int onCommand(zEvent* event) override;
  LRESULT defProc(zEvent* event) override;
  void onShown(int) override {}

  // The selector holds no edits of its own: it stores what the scoring window hands
  // it at once. A replaced model closes it.
  bool commitToModel() override { return true; }
  bool isDirty() const override { return false; }
  void discard() override;
  // The document's notice: the marks and the ratio follow every store and reset; the
  // window closes when the pairs go.
  void modelChanged(uint32_t changes) override;

 private:
  void buildEntries();
  void fillLists();
  void refreshLists(int32_t dm, int32_t cr);
  void updateRatio();
  bool ensurePairs();
  int onDmChange(zEvent* event);
  int onCriterionDoubleClick(zEvent* event);
  int onScorePairs(zEvent* event);
  int onResetAll(zEvent* event);
  void drawItem(const DRAWITEMSTRUCT* item);

  zMDIAppFrame* frame_;
  PV::App::ModelWindowHost* host_;
  PV::App::ModelDocument* document_ = nullptr;
  zToolTipCtrl* toolTips_ = nullptr;
  zComboBoxStatic* dmList_ = nullptr;
  zListBoxUnsorted* crList_ = nullptr;
  zStaticText* ratio_ = nullptr;
  zPushButton* resetAll_ = nullptr;
  std::vector<DmMarkElem> entries_;
  uint32_t scored_ = 0;
  uint32_t total_ = 0;
};
