#include "math/RandomPairSet.h"

#include "foundation/Assert.h"

#include <cstdlib>

namespace PV {
namespace Math {

RandomPairSet::RandomPairSet(uint32_t crIndex, uint32_t dmIndex, uint32_t npr, uint8_t sil, uint32_t seed,
                             const PairList* pairs)
    : seed_(seed),
      numPairs_(0),
      pairs_(pairs),
      dmIndex_(dmIndex),
      crIndex_(crIndex),
      sil_(sil),
      currScores_(npr, '0'),
      savedScores_(npr, '0') {
  PV_ASSERT(npr > 0);
  PV_ASSERT(pairs != nullptr);
  numPairs_ = static_cast<uint32_t>(pairs->size());
}

MCDM_BC3_Pair RandomPairSet::getPair(uint32_t n) const {
  PV_ASSERT(!pairs_->empty());
  PV_ASSERT(n < pairs_->size());
  return (*pairs_)[n];
}

uint32_t RandomPairSet::getPairCode(uint32_t n) const {
  const MCDM_BC3_Pair p = getPair(n);
  return static_cast<uint32_t>(p.i) | (static_cast<uint32_t>(p.j) << 16);
}

const PairList& RandomPairSet::getPairs() const {
  PV_ASSERT(!pairs_->empty());
  return *pairs_;
}

int8_t RandomPairSet::getScore(uint32_t n) const {
  PV_ASSERT(n < currScores_.size());
  const char c = currScores_[n];
  if (c == '0') return UNSCORED;
  if (isExceededChar(c)) return static_cast<int8_t>(c);
  const int k = kValueOfChar(c);
  PV_ASSERT(k >= 0);  // only the alphabet is ever stored
  return static_cast<int8_t>(k - 8);
}

bool RandomPairSet::isExceeded(uint32_t n) const {
  PV_ASSERT(n < currScores_.size());
  return isExceededChar(currScores_[n]);
}

const std::string& RandomPairSet::getScoreText(uint32_t n) {
  const int8_t s = getScore(n);
  if (s == UNSCORED) {
    scoreText_ = " ";
  } else if (isExceeded(n)) {
    scoreText_ = "E";
  } else if (s < 0) {
    scoreText_ = "-";
    scoreText_ += static_cast<char>('0' - s);
  } else {
    scoreText_ = std::string(1, static_cast<char>('0' + s));
  }
  return scoreText_;
}

char RandomPairSet::getScoreChar(uint32_t n) const {
  PV_ASSERT(n < currScores_.size());
  const char score = currScores_[n];
  PV_ASSERT(isScoreChar(score));
  return score;
}

const std::string& RandomPairSet::getScores() const {
  PV_ASSERT(!currScores_.empty());
  return currScores_;
}

void RandomPairSet::setScore(uint32_t n, int s, bool upper) {
  using std::abs;
  PV_ASSERT(n < (unsigned)currScores_.size());
  // The assertion prints its text as written.
  // clang-format off
  PV_ASSERT(abs( s ) <= sil_ || s == UNSCORED);
  // clang-format on
  currScores_[n] = charOfScore(s, upper);
}

void RandomPairSet::setScores(const std::string& s) {
  const std::size_t size = s.size();
  PV_ASSERT(size == currScores_.size());
  for (char c : s) PV_ASSERT(isScoreChar(c));
  currScores_ = s;
}

void RandomPairSet::clearScore(uint32_t n) {
  PV_ASSERT(n < currScores_.size());
  currScores_[n] = '0';
}

void RandomPairSet::markExceeded(uint32_t n, bool upper) {
  PV_ASSERT(n < currScores_.size());
  currScores_[n] = upper ? 'E' : 'e';
}

std::pair<uint32_t, uint32_t> RandomPairSet::countScored() const {
  const auto total = static_cast<uint32_t>(currScores_.size());
  uint32_t scored = 0;
  for (char c : currScores_) {
    if (!isUnscoredChar(c)) ++scored;
  }
  return {scored, total};
}

}  // namespace Math
}  // namespace PV
