// How the scoring windows show one pair of a pair set: each side is one score
// character followed by the name of the pair's choice. A pair is "??" (not scored),
// "--" (no preference) or a strength 1..5 on one side with a blank on the other; the
// strength stands on the side of the preferred choice.
//
// The characters are only drawn: what the windows hold and store is the score itself
// (ScoringState), from which they are made here at the moment they are shown.
#pragma once

#include <string>
#include <utility>

namespace PV {
namespace Scoring {

// The names of a pair's two choices as the screen shows them: A first, then B.
using PairNames = std::pair<std::string, std::string>;

// The two score characters of a score on a scale of sil (1..5); a score the scale
// cannot show is drawn as not scored, as the marks, the ratio and the solver count it.
std::pair<char, char> scoreChars(int score, int sil);
// One side's text: its score character, then its choice's name.
std::string sideText(int score, int sil, bool sideA, const PairNames& names);

}  // namespace Scoring
}  // namespace PV
