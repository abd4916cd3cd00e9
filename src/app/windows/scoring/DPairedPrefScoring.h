// The scoring window: the modeless MDI window that holds the scoring pane for one
// decision maker and one criterion at a time. The selector opens it and loads a pair
// set into it; the window stores the pane's pairs back (OK, Update, the close box),
// marks unsaved scores by a '*' in front of its caption ("  DM2:Cr3" becomes
// "* DM2:Cr3"), and asks before a new pair set replaces unsaved scores.
//
// It stores into the model's document, whoever opened it; the selector, the main
// window and the solving follow the document's notice. It follows the notice too: a
// reset of the scores shown replaces them, and the pairs going (comparisons cleared)
// close it without storing, as a replaced model does (discard). Cancel and Esc close
// it without storing. At most one is open.
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

class PairedPrefScoringPane;

namespace PV {
namespace App {
class ModelWindowHost;
}
}  // namespace PV

// The kind of window whose placement the scoring windows share.
struct PairedPrefData {};

class DPairedPrefScoring : public PV::GUI::SmartWindow<PairedPrefData>,
                           public PV::GUI::SingleDialogRef<DPairedPrefScoring>,
                           public PV::App::ModelWindow,
                           public PV::App::ModelListener {
 public:
  // The open window brought forward, or a new one in the frame; null while the last
  // one is still going.
  static DPairedPrefScoring* open(zMDIAppFrame* frame);
  explicit DPairedPrefScoring(zMDIAppFrame* frame);
  ~DPairedPrefScoring() override;

  // Asks about unsaved scores of the pair set shown (Yes stores them into it), then
  // shows the new one with its header and caption "  DMdm:Crcr".
  void loadPairSet(uint32_t crIndex, uint32_t dmIndex, const std::vector<PV::Scoring::PairNames>& names,
                   const std::vector<int>& scores, const std::string& dmName, const std::string& dmNote,
                   const std::string& crName, const std::string& crNote, int32_t dmNumber, int32_t crNumber);
  // Stores the pane's scores into the model's document; clears the unsaved mark. False
  // when the document refuses them (the pairs went since they were loaded).
  bool commit();
  void setModified(bool modified);
  bool modified() const { return modified_; }
  bool hasUnsavedScores() const;
  void applyHighlightOptions(bool on, uint32_t colour);
  // What the main window asks of a model window: store before a save, unsaved
  // scores, close without storing when the model goes.
  bool commitToModel() override { return !hasUnsavedScores() || commit(); }
  bool isDirty() const override { return hasUnsavedScores(); }
  void discard() override;
  void onShown(int) override {}
  // The document's notice.
  void modelChanged(uint32_t changes) override;
  // The open model; null once the window was discarded.
  PV::App::ModelDocument* document() const { return document_; }

  // The pane's buttons.
  void okPressed();
  void updatePressed();
  void cancelPressed();

  const std::string& caption() const { return caption_; }
  PairedPrefScoringPane* pane() const { return pane_; }
  uint32_t crIndex() const { return crIndex_; }
  uint32_t dmIndex() const { return dmIndex_; }
  bool loaded() const { return loaded_; }

  int onClose(zEvent* event) override;
  int onSize(zEvent* event) override;

 private:
  void setCaptionText(const std::string& text);

  PV::App::ModelWindowHost* host_ = nullptr;
  PV::App::ModelDocument* document_ = nullptr;
  PairedPrefScoringPane* pane_ = nullptr;
  uint32_t crIndex_ = 0;
  uint32_t dmIndex_ = 0;
  bool loaded_ = false;
  bool modified_ = false;
  bool closeWithoutStore_ = false;
  // While its own store goes out: its notice tells the window nothing new.
  bool storing_ = false;
  std::string caption_;
};
