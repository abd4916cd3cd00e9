// The texts in which the scoring windows show and edit one pair of a pair set: each
// side is one score character followed by the name of the pair's choice. A pair is
// "??" (not scored), "--" (no preference) or a strength 1..5 on one side with a blank
// on the other; the strength stands on the side of the preferred choice.
//
// A pair set can hold a score the scale cannot show (an exceeded score, kept by the
// file reader after the scale was lowered, or a strength above the scale): such a pair
// is shown as not scored, as the marks, the ratio and the solver count it, so that
// scoring it again is the one way forward and nothing asserts on it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace PV {
namespace Math {
class RandomPairSet;
}
}  // namespace PV

// first: choice A's text, second: choice B's text.
using PairABText = std::pair<std::string, std::string>;

namespace PV {
namespace Scoring {

// The score value of a pair set that means "not scored".
inline constexpr int kUnscored = 32;

// The two score characters of a pair set's score on a scale of sil (1..5).
std::pair<char, char> scoreChars(int score, int sil);
// The score of two score characters: "--" 0, "??" kUnscored, a digit on B +k, a digit
// on A -k. False for any other pair of characters.
bool scoreOfChars(char a, char b, int* score);

// The texts of every pair of the set with the choice names (in the screen's code
// page); a pair that names a choice outside the list gets "?" for the name.
std::vector<PairABText> pairTextsOf(const PV::Math::RandomPairSet& rps, const std::vector<std::string>& choiceNames);
// Sets every pair's score from the texts (one per pair, in order). False, with the
// set unchanged, when a pair's characters are not a valid score for the set's scale.
bool storePairTexts(PV::Math::RandomPairSet& rps, const std::vector<PairABText>& pairs);

// Pairs not "??", and all pairs.
std::pair<uint32_t, uint32_t> countScoredTexts(const std::vector<PairABText>& pairs);

}  // namespace Scoring
}  // namespace PV
