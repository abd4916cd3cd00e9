// What the scoring pane does with its pairs, without a window: the current pair, the
// pressed scale value p, the side last preferred, and every way of scoring and moving
// (scale buttons, Left and Right, digits, double-clicks, Next, Previous, First, Last,
// Page Up and Page Down). The pane shows this state and forwards its input here, so
// the rules are the same for every input and testable one by one.
//
// The state holds each pair's score as the pair set does: a strength 1..scaleDim
// negative for choice A and positive for choice B, 0 for no preference, or
// Math::UNSCORED; the pane draws its characters from it (PairTexts). A score the
// scale cannot show (exceeded, or beyond a lowered scale) is loaded as not scored, so
// that scoring it again is the one way forward.
#pragma once

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

  // One score per pair; the first pair becomes current and p is taken from it.
  void load(const std::vector<int>& scores);
  bool empty() const { return scores_.empty(); }
  void setScaleDim(int scaleDim);
  int scaleDim() const { return scaleDim_; }

  // The value of the scale button pressed (-scaleDim..+scaleDim) and applied to the
  // current pair. Returns whether the pair's score changed.
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
  // The scores the pairs hold now, as load takes them; the current pair stays when the
  // count is the same.
  void replace(const std::vector<int>& scores);

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
  uint32_t count() const { return static_cast<uint32_t>(scores_.size()); }
  int p() const { return p_; }
  int affinity() const { return affinity_; }
  const std::vector<int>& scores() const { return scores_; }
  int score(uint32_t i) const { return scores_[i]; }
  // "Paired Preferences Scoring - Pair i of n".
  std::string titleText() const;
  // "S/N": pairs not "??" over all pairs.
  std::string completionText() const;

  // What one side of a pair shows: -1 not scored, 0 no preference, its strength
  // 1..5 when its choice is preferred, 6 when the other one is.
  static int sideValue(int score, Side side);

 private:
  void takeP();
  // Writes p into the current pair; true when its score changed.
  bool applyP();
  bool moveTo(uint32_t index);

  std::vector<int> scores_;
  uint32_t index_ = 0;
  int scaleDim_;
  int p_ = 0;
  int affinity_ = sideA;
};

}  // namespace Scoring
}  // namespace PV
