// The scoring pane: the pairs of one decision maker and one criterion in two
// synchronised lists (list A the first choice of each pair, list B the second; the
// current pair is the selected row of both), a preference scale of eleven buttons
// (-5..+5, those beyond the model's scale disabled) that shows and sets the current
// pair's score, navigation buttons, and the keyboard: Left and Right move along the
// scale, digits set a strength (the same digit again switches the side), Down, Enter
// and Tab go to the next pair, Up and Shift+Tab to the previous one, Home, End, Page
// Up and Page Down jump; Alt+U updates, Alt+K is OK, Alt+C and Esc cancel. The wheel
// moves, a double-click on a list strengthens that side.
//
// Each side is drawn in the colour of its strength; the current row is filled with
// the highlight colour when the highlight is on, else framed. Green arrows mark the
// row in which the current pair stands. The rules live in ScoringState; the pane
// shows them and passes its input on.
#pragma once

#include "app/windows/scoring/PairTexts.h"
#include "app/windows/scoring/ScoringState.h"
#include "framework/frames/zPane.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class DPairedPrefScoring;
class zBitmap;
class zBitmapButton;
class zBitmapPane;
class zListBoxUnsorted;
class zToolTipCtrl;

class PairedPrefScoringPane : public zPaneControl {
 public:
  // Takes the place of the window's control 126 and fills it from template 570.
  PairedPrefScoringPane(DPairedPrefScoring* window, int32_t id);
  ~PairedPrefScoringPane() override;

  // The names of each pair's choices and its score (ScoringState), one of each per pair.
  void loadPairs(const std::vector<PV::Scoring::PairNames>& names, const std::vector<int>& scores);
  // Asks first when ask is set; every pair "??".
  void resetScores(bool ask);
  // The scores the pair set holds now (stored elsewhere): shown, and taken as stored.
  void replaceScores(const std::vector<int>& scores);
  void setHeader(const std::string& dmName, const std::string& dmNote, const std::string& crName,
                 const std::string& crNote);
  void setHighlight(bool on, uint32_t colour);
  bool highlight() const { return highlight_; }
  uint32_t highlightColour() const { return highlightColour_; }

  const std::vector<int>& scores() const { return state_.scores(); }
  const std::vector<int>& initialScores() const { return initial_; }
  void takeScoresAsStored() { initial_ = state_.scores(); }
  const std::vector<PV::Scoring::PairNames>& names() const { return names_; }
  const PV::Scoring::ScoringState& state() const { return state_; }
  // Row (0..2) of the lists in which the current pair is shown.
  int32_t currentRow() const;
  // The button of a scale value.
  HWND scaleButton(int value) const;
  zListBoxUnsorted* listA() const { return listA_; }
  zListBoxUnsorted* listB() const { return listB_; }

  // Doubles every '&', so that a name is shown as written.
  static std::string escapeAmpersands(const std::string& text);
  // The colour of a side's value: -1 '?', 0 '-', 1..5, 6 the lost side.
  static COLORREF scoreColour(int value);

  LRESULT defProc(zEvent* event) override;
  int onCommand(zEvent* event) override;
  int onChar(zEvent* event) override;
  int onSize(zEvent* event) override;

 private:
  void bindControls();
  void applyScaleDim();
  void showPressed();
  void showCurrent(bool moved);
  void repaintLists();
  void repaintRow(uint32_t index);
  void refreshTexts();
  void scored(bool changed);
  bool onKeyDown(WPARAM key);
  bool onKeyUp(WPARAM key, bool alt);
  void drawItem(const DRAWITEMSTRUCT* item);
  void listClicked(int side);
  void listDoubleClicked(int side);

  DPairedPrefScoring* window_;
  PV::Scoring::ScoringState state_;
  std::vector<PV::Scoring::PairNames> names_;
  std::vector<int> initial_;
  zListBoxUnsorted* listA_ = nullptr;
  zListBoxUnsorted* listB_ = nullptr;
  zToolTipCtrl* toolTips_ = nullptr;
  zBitmapButton* scale_[11] = {};
  zBitmapPane* arrows_[6] = {};
  HFONT listFont_ = nullptr;
  HFONT labelFont_ = nullptr;
  HFONT smallFont_ = nullptr;
  bool highlight_ = false;
  uint32_t highlightColour_ = 0x80FF80;
  bool busy_ = false;
  // Whether Shift was down when Tab went down: the move happens at Tab's release, and a
  // Shift let go first must not turn a step back into a step on.
  bool tabDown_ = false;
  bool tabBack_ = false;
  int pressed_ = 0;
};
