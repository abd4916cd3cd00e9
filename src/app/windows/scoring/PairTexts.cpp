#include "app/windows/scoring/PairTexts.h"

#include "model/ScoreChars.h"

#include <cstdlib>

namespace PV {
namespace Scoring {

std::pair<char, char> scoreChars(int score, int sil) {
  if (score == 0) return {'-', '-'};
  if (score == Math::UNSCORED || std::abs(score) > sil || std::abs(score) > Math::MAX_SIL) return {'?', '?'};
  const char digit = static_cast<char>('0' + std::abs(score));
  return score < 0 ? std::make_pair(digit, ' ') : std::make_pair(' ', digit);
}

std::string sideText(int score, int sil, bool sideA, const PairNames& names) {
  const std::pair<char, char> chars = scoreChars(score, sil);
  return sideA ? chars.first + names.first : chars.second + names.second;
}

}  // namespace Scoring
}  // namespace PV
