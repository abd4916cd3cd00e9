#include "app/windows/scoring/PairTexts.h"

#include "math/RandomPairSet.h"

#include <cstdlib>

namespace PV {
namespace Scoring {

std::pair<char, char> scoreChars(int score, int sil) {
  if (score == 0) return {'-', '-'};
  if (score == kUnscored || std::abs(score) > sil || std::abs(score) > 5) return {'?', '?'};
  const char digit = static_cast<char>('0' + std::abs(score));
  return score < 0 ? std::make_pair(digit, ' ') : std::make_pair(' ', digit);
}

bool scoreOfChars(char a, char b, int* score) {
  if (a == '-' && b == '-') {
    *score = 0;
  } else if (a == '?' && b == '?') {
    *score = kUnscored;
  } else if (a == ' ' && b >= '1' && b <= '5') {
    *score = b - '0';
  } else if (b == ' ' && a >= '1' && a <= '5') {
    *score = -(a - '0');
  } else {
    return false;
  }
  return true;
}

std::vector<PairABText> pairTextsOf(const PV::Math::RandomPairSet& rps, const std::vector<std::string>& choiceNames) {
  std::vector<PairABText> pairs;
  const uint32_t n = rps.getNumPairs();
  pairs.reserve(n);
  const auto nameOf = [&](uint32_t index) { return index < choiceNames.size() ? choiceNames[index] : std::string("?"); };
  for (uint32_t i = 0; i < n; ++i) {
    const uint32_t code = rps.getPairCode(i);
    const std::pair<char, char> c = scoreChars(rps.getScore(i), rps.getSil());
    pairs.emplace_back(std::string(1, c.first) + nameOf(code & 0xFFFFu), std::string(1, c.second) + nameOf(code >> 16));
  }
  return pairs;
}

bool storePairTexts(PV::Math::RandomPairSet& rps, const std::vector<PairABText>& pairs) {
  if (pairs.size() != rps.getNumPairs()) return false;
  std::vector<int> scores(pairs.size());
  for (size_t i = 0; i < pairs.size(); ++i) {
    const PairABText& p = pairs[i];
    if (p.first.empty() || p.second.empty() || !scoreOfChars(p.first[0], p.second[0], &scores[i])) return false;
    if (scores[i] != kUnscored && std::abs(scores[i]) > rps.getSil()) return false;
  }
  for (size_t i = 0; i < scores.size(); ++i) rps.setScore(static_cast<uint32_t>(i), scores[i], true);
  return true;
}

std::pair<uint32_t, uint32_t> countScoredTexts(const std::vector<PairABText>& pairs) {
  uint32_t scored = 0;
  for (const PairABText& p : pairs) {
    if (!(p.first[0] == '?' && p.second[0] == '?')) ++scored;
  }
  return {scored, static_cast<uint32_t>(pairs.size())};
}

}  // namespace Scoring
}  // namespace PV
