// One decision maker's scores for one criterion: the criterion's random list of
// choice pairs (drawn once per criterion and shared by all its decision makers) and
// one score character per pair.
//
// The score character is the one stored form of a score: the score blocks of the
// model file hold it, and read as a hexadecimal digit it is the 4-bit value K that
// the numerical core consumes.
//
//   '0'          unscored (score value UNSCORED, 32)
//   '3' .. '7'   first choice preferred, strength 5 .. 1   (score -5 .. -1)
//   '8'          no preference                             (score 0)
//   '9', 'A'-'D' second choice preferred, strength 1 .. 5  (score +1 .. +5)
//   'E'          exceeded: the score was above a lowered scale dimension; the pair
//                needs scoring again and counts as unscored
// Lower-case letters are accepted wherever characters are read; the system writes
// upper case.
#pragma once

#include "model/ScoreChars.h"
#include "math/model.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace PV {
namespace Math {

using PairList = std::vector<MCDM_BC3_Pair>;

class RandomPairSet {
 public:
  // Both score strings start as npr '0' characters. The pair list belongs to the
  // model adapter (Mcdm); every pair set of the criterion points to the same list.
  RandomPairSet(uint32_t crIndex, uint32_t dmIndex, uint32_t npr, uint8_t sil, uint32_t seed, const PairList* pairs);

  RandomPairSet(const RandomPairSet&) = delete;
  RandomPairSet& operator=(const RandomPairSet&) = delete;

  uint32_t getNumPairs() const { return numPairs_; }
  uint32_t getDmIndex() const { return dmIndex_; }
  uint32_t getCriterionIndex() const { return crIndex_; }
  uint32_t getSeed() const { return seed_; }
  uint8_t getSil() const { return sil_; }

  // The n-th pair: i is its first choice, j its second (0-based choice indices).
  MCDM_BC3_Pair getPair(uint32_t n) const;
  // The same pair as one 32-bit value: first choice in the low 16 bits, second
  // choice in the high 16 bits (the form the scoring windows and the report use).
  uint32_t getPairCode(uint32_t n) const;
  const PairList& getPairs() const;

  // The n-th score: -5 .. +5, UNSCORED for '0'; for 'E' or 'e' the character code
  // itself (69 or 101), which is no score (test with isExceeded).
  int8_t getScore(uint32_t n) const;
  bool isExceeded(uint32_t n) const;
  // The n-th score as text: a blank when unscored, "0" .. "5", "-1" .. "-5", and
  // "E" for a score exceeded by a lowered scale. Valid until the next call.
  const std::string& getScoreText(uint32_t n);
  char getScoreChar(uint32_t n) const;
  const std::string& getScores() const;

  // Stores the character of score s (-sil .. +sil, or UNSCORED) for pair n.
  void setScore(uint32_t n, int s, bool upper);
  // Replaces all characters at once from a string of the same length.
  void setScores(const std::string& s);
  void clearScore(uint32_t n);
  void markExceeded(uint32_t n, bool upper);

  // (scored, total). '0', 'E' and 'e' are unscored, as for the algorithm's counts:
  // a pair set that looks complete here can be solved.
  std::pair<uint32_t, uint32_t> countScored() const;

  void saveScores() { savedScores_ = currScores_; }
  void restoreScores() { currScores_ = savedScores_; }

  // Refitting after the model changed (the reconciler): the set's place in the
  // algorithm, its criterion's seed and pair list, its number of pairs (scores of
  // pairs beyond it are dropped, new pairs come unscored) and the scale dimension.
  void setPlace(uint32_t crIndex, uint32_t dmIndex) {
    crIndex_ = crIndex;
    dmIndex_ = dmIndex;
  }
  void setPairs(uint32_t seed, const PairList* pairs) {
    seed_ = seed;
    pairs_ = pairs;
  }
  void setPairList(const PairList* pairs) { pairs_ = pairs; }
  void resizePairs(uint32_t npr) {
    currScores_.resize(npr, '0');
    numPairs_ = npr;
  }
  void setSil(uint8_t sil) { sil_ = sil; }

  void lock() { locked_ = true; }
  void unlock() { locked_ = false; }
  bool isLocked() const { return locked_; }

 private:
  uint32_t seed_;
  uint32_t numPairs_;
  const PairList* pairs_;
  uint32_t dmIndex_;
  uint32_t crIndex_;
  uint8_t sil_;
  std::string currScores_;
  std::string savedScores_;
  std::string scoreText_;
  bool locked_ = false;
};

}  // namespace Math
}  // namespace PV
