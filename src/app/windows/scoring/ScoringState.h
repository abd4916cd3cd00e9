// What the scoring pane does with its pairs, without a window: the current pair, the
// pressed scale value p, the side last preferred, and every way of scoring and moving
// (scale buttons, Left and Right, digits, double-clicks, Next, Previous, First, Last,
// Page Up and Page Down). The pane shows this state and forwards its input here, so
// the rules are the same for every input and testable one by one.
//
// Scoring only ever writes the valid pair states ("??", "--", a strength 1..scaleDim
// on one side and a blank on the other); a pair the state cannot read (a stored score
// beyond the scale) is taken as not scored.
#pragma once

#include "app/windows/scoring/PairTexts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace PV {
namespace Scoring {

class ScoringState {
 public:
  enum Side { sideA = -1, sideB = +1 };

  // scaleDim is clamped to 1..5.
  explicit ScoringState(int scaleDim = 3);

  // At least one pair; the first becomes current and p is taken from it.
  void load(const std::vector<PairABText>& pairs);
  bool empty() const { return ab_.empty(); }
  void setScaleDim(int scaleDim);
  int scaleDim() const { return scaleDim_; }

  // The value of the scale button pressed (-scaleDim..+scaleDim) and applied to the
  // current pair. Returns whether the pair's characters changed.
  bool pressScale(int value);
  // Left: p - 1, wrapping from -scaleDim to +scaleDim; Right: p + 1, wrapping back.
  bool keyLeft();
  bool keyRight();
  // Digit k (0..scaleDim): the same strength again switches the side; false and
  // nothing changes for a digit beyond the scale.
  bool digit(int k);
  // A double-click on list A (side A) or B: strength 1 on that side from "??" or
  // "--", one more up to scaleDim, then "--"; from the other side's preference "--".
  bool doubleClick(Side side);
  // Every pair "??".
  void reset();

  // Moves; each applies p to the pair being left and takes p from the new one. Next
  // on the last (or only) pair applies p and stays. Each returns whether the current
  // index changed.
  bool next();
  bool previous();
  bool first();
  bool last();
  bool pageUp();
  bool pageDown();
  // A click on another row: apply p to the pair being left, take p from the new one.
  bool select(uint32_t index);

  uint32_t index() const { return index_; }
  uint32_t count() const { return static_cast<uint32_t>(ab_.size()); }
  int p() const { return p_; }
  int affinity() const { return affinity_; }
  const std::vector<PairABText>& pairs() const { return ab_; }
  const PairABText& pair(uint32_t i) const { return ab_[i]; }
  // "Paired Preferences Scoring - Pair i of n".
  std::string titleText() const;
  // "S/N": pairs not "??" over all pairs.
  std::string completionText() const;

  // The value of a score character: '?' -1, '-' 0, ' ' 6, a digit its value, other -2.
  static int valueOfChar(char c);

 private:
  void takeP();
  // Writes p into the current pair; true when its characters changed.
  bool applyP();
  bool moveTo(uint32_t index);

  std::vector<PairABText> ab_;
  uint32_t index_ = 0;
  int scaleDim_;
  int p_ = 0;
  int affinity_ = sideA;
};

}  // namespace Scoring
}  // namespace PV
