#include "app/windows/scoring/ScoringState.h"

#include <algorithm>
#include <cstdlib>

namespace PV {
namespace Scoring {

namespace {

constexpr uint32_t kPage = 3;

void setChars(PairABText& pair, char a, char b) {
  pair.first[0] = a;
  pair.second[0] = b;
}

}  // namespace

ScoringState::ScoringState(int scaleDim) : scaleDim_(std::clamp(scaleDim, 1, 5)) {}

void ScoringState::setScaleDim(int scaleDim) { scaleDim_ = std::clamp(scaleDim, 1, 5); }

int ScoringState::valueOfChar(char c) {
  if (c == '?') return -1;
  if (c == '-') return 0;
  if (c == ' ') return 6;
  if (c >= '1' && c <= '5') return c - '0';
  return -2;
}

void ScoringState::load(const std::vector<PairABText>& pairs) {
  ab_ = pairs;
  for (PairABText& p : ab_) {
    // Every text starts with its score character, whatever the caller gave.
    if (p.first.empty()) p.first = "?";
    if (p.second.empty()) p.second = "?";
  }
  index_ = 0;
  p_ = 0;
  affinity_ = sideA;
  if (!ab_.empty()) takeP();
}

void ScoringState::takeP() {
  const PairABText& pair = ab_[index_];
  const int a = valueOfChar(pair.first[0]);
  const int b = valueOfChar(pair.second[0]);
  if (a >= 1 && a <= scaleDim_ && b == 6) {
    p_ = -a;
    affinity_ = sideA;
  } else if (b >= 1 && b <= scaleDim_ && a == 6) {
    p_ = b;
    affinity_ = sideB;
  } else {
    // "--", "??" and anything the scale cannot show.
    p_ = 0;
  }
}

bool ScoringState::applyP() {
  if (ab_.empty()) return false;
  PairABText& pair = ab_[index_];
  const char a0 = pair.first[0], b0 = pair.second[0];
  if (p_ == 0) {
    setChars(pair, '-', '-');
  } else if (p_ < 0) {
    setChars(pair, static_cast<char>('0' - p_), ' ');
  } else {
    setChars(pair, ' ', static_cast<char>('0' + p_));
  }
  return pair.first[0] != a0 || pair.second[0] != b0;
}

bool ScoringState::pressScale(int value) {
  if (ab_.empty()) return false;
  p_ = std::clamp(value, -scaleDim_, scaleDim_);
  if (p_ != 0) affinity_ = p_ < 0 ? sideA : sideB;
  return applyP();
}

bool ScoringState::keyLeft() { return pressScale(p_ == -scaleDim_ ? scaleDim_ : p_ - 1); }

bool ScoringState::keyRight() { return pressScale(p_ == scaleDim_ ? -scaleDim_ : p_ + 1); }

bool ScoringState::digit(int k) {
  if (k < 0 || k > scaleDim_ || ab_.empty()) return false;
  if (p_ != 0) affinity_ = p_ < 0 ? sideA : sideB;
  const int value = std::abs(p_) == k ? -p_ : affinity_ * k;
  return pressScale(value);
}

bool ScoringState::doubleClick(Side side) {
  if (ab_.empty()) return false;
  PairABText& pair = ab_[index_];
  const char a0 = pair.first[0], b0 = pair.second[0];
  char& mine = side == sideA ? pair.first[0] : pair.second[0];
  char& other = side == sideA ? pair.second[0] : pair.first[0];
  const int v = valueOfChar(mine);
  if (v == -1 || v == 0 || v == -2) {
    mine = '1';
    other = ' ';
  } else if (v == 6) {
    mine = '-';
    other = '-';
  } else if (v >= scaleDim_) {
    mine = '-';
    other = '-';
  } else {
    mine = static_cast<char>('0' + v + 1);
    other = ' ';
  }
  takeP();
  return pair.first[0] != a0 || pair.second[0] != b0;
}

void ScoringState::reset() {
  for (PairABText& pair : ab_) setChars(pair, '?', '?');
  if (!ab_.empty()) takeP();
}

bool ScoringState::moveTo(uint32_t index) {
  if (ab_.empty() || index >= ab_.size() || index == index_) return false;
  applyP();
  index_ = index;
  takeP();
  return true;
}

bool ScoringState::next() {
  if (ab_.empty()) return false;
  if (index_ + 1 >= ab_.size()) {
    applyP();
    return false;
  }
  return moveTo(index_ + 1);
}

bool ScoringState::previous() { return index_ > 0 && moveTo(index_ - 1); }

bool ScoringState::first() { return moveTo(0); }

bool ScoringState::last() { return !ab_.empty() && moveTo(count() - 1); }

bool ScoringState::pageUp() { return moveTo(index_ < kPage ? 0 : index_ - kPage); }

bool ScoringState::pageDown() { return !ab_.empty() && moveTo(std::min(index_ + kPage, count() - 1)); }

bool ScoringState::select(uint32_t index) { return moveTo(index); }

std::string ScoringState::titleText() const {
  return "Paired Preferences Scoring - Pair " + std::to_string(ab_.empty() ? 0 : index_ + 1) + " of " +
         std::to_string(ab_.size());
}

std::string ScoringState::completionText() const {
  const auto counts = countScoredTexts(ab_);
  return std::to_string(counts.first) + "/" + std::to_string(counts.second);
}

}  // namespace Scoring
}  // namespace PV
