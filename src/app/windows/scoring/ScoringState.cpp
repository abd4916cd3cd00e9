#include "app/windows/scoring/ScoringState.h"

#include "model/ScoreChars.h"

#include <algorithm>
#include <cstdlib>

namespace PV {
namespace Scoring {

namespace {

constexpr uint32_t kPage = 3;

}  // namespace

ScoringState::ScoringState(int scaleDim) : scaleDim_(std::clamp(scaleDim, 1, 5)) {}

void ScoringState::setScaleDim(int scaleDim) { scaleDim_ = std::clamp(scaleDim, 1, 5); }

int ScoringState::sideValue(int score, Side side) {
  if (score == Math::UNSCORED) return -1;
  if (score == 0) return 0;
  const bool mine = score < 0 ? side == sideA : side == sideB;
  return mine ? std::abs(score) : 6;
}

void ScoringState::load(const std::vector<int>& scores) {
  scores_ = scores;
  for (int& score : scores_) {
    if (score != Math::UNSCORED && std::abs(score) > scaleDim_) score = Math::UNSCORED;
  }
  index_ = 0;
  p_ = 0;
  affinity_ = sideA;
  if (!scores_.empty()) takeP();
}

void ScoringState::takeP() {
  const int score = scores_[index_];
  if (score != 0 && score != Math::UNSCORED && std::abs(score) <= scaleDim_) {
    p_ = score;
    affinity_ = score < 0 ? sideA : sideB;
  } else {
    p_ = 0;
  }
}

bool ScoringState::applyP() {
  if (scores_.empty()) return false;
  const int before = scores_[index_];
  scores_[index_] = p_;
  return scores_[index_] != before;
}

bool ScoringState::pressScale(int value) {
  if (scores_.empty()) return false;
  p_ = std::clamp(value, -scaleDim_, scaleDim_);
  if (p_ != 0) affinity_ = p_ < 0 ? sideA : sideB;
  return applyP();
}

bool ScoringState::keyLeft() { return pressScale(p_ == -scaleDim_ ? scaleDim_ : p_ - 1); }

bool ScoringState::keyRight() { return pressScale(p_ == scaleDim_ ? -scaleDim_ : p_ + 1); }

bool ScoringState::digit(int k) {
  if (k < 0 || k > scaleDim_ || scores_.empty()) return false;
  if (p_ != 0) affinity_ = p_ < 0 ? sideA : sideB;
  const int value = std::abs(p_) == k ? -p_ : affinity_ * k;
  return pressScale(value);
}

bool ScoringState::doubleClick(Side side) {
  if (scores_.empty()) return false;
  int& score = scores_[index_];
  const int before = score;
  const int v = sideValue(score, side);
  if (v <= 0) {
    // Not scored or no preference: this side by one.
    score = side;
  } else if (v == 6 || v >= scaleDim_) {
    // The other side's preference, or this side's at the top of the scale.
    score = 0;
  } else {
    score = side * (v + 1);
  }
  takeP();
  return score != before;
}

void ScoringState::replace(const std::vector<int>& scores) {
  const uint32_t index = index_;
  load(scores);
  if (index < scores_.size()) {
    index_ = index;
    takeP();
  }
}

void ScoringState::reset() {
  for (int& score : scores_) score = Math::UNSCORED;
  if (!scores_.empty()) takeP();
}

bool ScoringState::moveTo(uint32_t index) {
  if (scores_.empty() || index >= scores_.size() || index == index_) return false;
  applyP();
  index_ = index;
  takeP();
  return true;
}

bool ScoringState::next() {
  if (scores_.empty()) return false;
  if (index_ + 1 >= scores_.size()) {
    applyP();
    return false;
  }
  return moveTo(index_ + 1);
}

bool ScoringState::previous() { return index_ > 0 && moveTo(index_ - 1); }

bool ScoringState::first() { return moveTo(0); }

bool ScoringState::last() { return !scores_.empty() && moveTo(count() - 1); }

bool ScoringState::pageUp() { return moveTo(index_ < kPage ? 0 : index_ - kPage); }

bool ScoringState::pageDown() { return !scores_.empty() && moveTo(std::min(index_ + kPage, count() - 1)); }

bool ScoringState::select(uint32_t index) { return moveTo(index); }

std::string ScoringState::titleText() const {
  return "Paired Preferences Scoring - Pair " + std::to_string(scores_.empty() ? 0 : index_ + 1) + " of " +
         std::to_string(scores_.size());
}

std::string ScoringState::completionText() const {
  const auto scored = std::count_if(scores_.begin(), scores_.end(), [](int s) { return s != Math::UNSCORED; });
  return std::to_string(scored) + "/" + std::to_string(scores_.size());
}

}  // namespace Scoring
}  // namespace PV
