// The rules of scoring without a window: the score characters the pane draws of a
// score (a score the scale cannot show reads as not scored) and every way the pane
// scores and moves, each as a row of input from given scores to the scores expected.
#include "app/windows/scoring/PairTexts.h"
#include "app/windows/scoring/ScoringState.h"
#include "model/ScoreChars.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using PV::Scoring::ScoringState;

TEST(PairTexts, ScoreCharactersOfEveryScoreAndOfScoresTheScaleCannotShow) {
  struct Case {
    int score;
    int sil;
    const char* chars;
  } cases[] = {
      {0, 3, "--"},
      {PV::Math::UNSCORED, 3, "??"},
      {-1, 3, "1 "},
      {-3, 3, "3 "},
      {+2, 3, " 2"},
      {+5, 5, " 5"},
      {-5, 5, "5 "},
      // An exceeded score (character code of 'E' or 'e') and a strength above the scale.
      {69, 3, "??"},
      {101, 3, "??"},
      {+4, 3, "??"},
      {-5, 1, "??"},
  };
  for (const Case& c : cases) {
    const auto chars = PV::Scoring::scoreChars(c.score, c.sil);
    EXPECT_EQ(std::string() + chars.first + chars.second, c.chars) << c.score << " on " << c.sil;
  }
  EXPECT_EQ(PV::Scoring::sideText(-2, 3, true, {"Ch1", "Ch2"}), "2Ch1");
  EXPECT_EQ(PV::Scoring::sideText(-2, 3, false, {"Ch1", "Ch2"}), " Ch2");
}

// The score of two score characters as the tables below write them ("??", "--", "2 ", " 3").
int scoreOf(const std::string& chars) {
  if (chars == "??") return PV::Math::UNSCORED;
  if (chars == "--") return 0;
  return chars[0] == ' ' ? chars[1] - '0' : -(chars[0] - '0');
}

std::vector<int> scoresOf(const std::vector<std::string>& chars) {
  std::vector<int> scores;
  for (const std::string& c : chars) scores.push_back(scoreOf(c));
  return scores;
}

std::vector<std::string> charsOf(const ScoringState& s) {
  std::vector<std::string> chars;
  for (int score : s.scores()) {
    const auto c = PV::Scoring::scoreChars(score, s.scaleDim());
    chars.push_back(std::string() + c.first + c.second);
  }
  return chars;
}

// Input letters: L Left, R Right, 0-5 digits, a/b double-click on list A/B, N next,
// P previous, F first, E last (End), U page up, D page down.
void play(ScoringState& s, const std::string& input) {
  for (char c : input) {
    switch (c) {
      case 'L':
        s.keyLeft();
        break;
      case 'R':
        s.keyRight();
        break;
      case 'a':
        s.doubleClick(ScoringState::sideA);
        break;
      case 'b':
        s.doubleClick(ScoringState::sideB);
        break;
      case 'N':
        s.next();
        break;
      case 'P':
        s.previous();
        break;
      case 'F':
        s.first();
        break;
      case 'E':
        s.last();
        break;
      case 'U':
        s.pageUp();
        break;
      case 'D':
        s.pageDown();
        break;
      default:
        s.digit(c - '0');
        break;
    }
  }
}

TEST(ScoringState, EveryInputGivesThePairsItsRulesPredict) {
  struct Case {
    const char* what;
    int scaleDim;
    std::vector<std::string> before;
    const char* input;
    std::vector<std::string> after;
    uint32_t index;
    int p;
  } cases[] = {
      {"Right scores B by one", 3, {"??", "??"}, "R", {" 1", "??"}, 0, 1},
      {"Left twice scores A by two", 3, {"??", "??"}, "LL", {"2 ", "??"}, 0, -2},
      {"Right wraps from the top of the scale to the bottom", 3, {" 3"}, "R", {"3 "}, 0, -3},
      {"Left wraps from the bottom to the top", 3, {"3 "}, "L", {" 3"}, 0, 3},
      {"the same digit again switches the side", 3, {"3 "}, "3", {" 3"}, 0, 3},
      {"a digit keeps the side last preferred", 5, {"2 "}, "4", {"4 "}, 0, -4},
      {"0 is no preference", 3, {" 2"}, "0", {"--"}, 0, 0},
      {"a digit beyond the scale does nothing", 2, {"??"}, "3", {"??"}, 0, 0},
      {"double-clicks on A climb to the scale, then no preference", 3, {"??"}, "aaaa", {"--"}, 0, 0},
      {"one double-click on A from undecided", 3, {"??"}, "a", {"1 "}, 0, -1},
      {"a double-click on the losing side gives no preference", 3, {" 2"}, "a", {"--"}, 0, 0},
      {"a double-click on B after no preference", 3, {"--"}, "b", {" 1"}, 0, 1},
      {"Next through undecided pairs leaves them without preference",
       3,
       {"??", "??", "??"},
       "NNN",
       {"--", "--", "--"},
       2,
       0},
      {"Next takes the score of the pair it reaches", 3, {"??", " 2"}, "RN", {" 1", " 2"}, 1, 2},
      {"one pair: Next writes the pressed value, Previous does nothing", 3, {"??"}, "P", {"??"}, 0, 0},
      {"one pair: Next writes it", 3, {"??"}, "N", {"--"}, 0, 0},
      {"Up at the first pair does nothing", 3, {"??", "??"}, "P", {"??", "??"}, 0, 0},
      {"End writes the pair it leaves and stands on the last",
       3,
       {"??", "??", "??", "??", "??"},
       "E",
       {"--", "??", "??", "??", "??"},
       4,
       0},
      {"Page down moves three, page up back",
       3,
       {"??", "??", "??", "??", "??"},
       "DU",
       {"--", "??", "??", "--", "??"},
       0,
       0},
      {"Page down stops at the last pair", 3, {"??", "??"}, "D", {"--", "??"}, 1, 0},
      {"First from the last pair", 3, {"??", " 1", "2 "}, "EF", {"--", " 1", "2 "}, 0, 0},
      {"a stored score beyond the scale loads as not scored", 2, {" 3", "3 "}, "", {"??", "??"}, 0, 0},
      {"and scoring it again is the way forward", 2, {" 3"}, "b", {" 1"}, 0, 1},
  };
  for (const Case& c : cases) {
    ScoringState s(c.scaleDim);
    s.load(scoresOf(c.before));
    play(s, c.input);
    EXPECT_EQ(charsOf(s), c.after) << c.what;
    EXPECT_EQ(s.index(), c.index) << c.what;
    EXPECT_EQ(s.p(), c.p) << c.what;
  }
}

TEST(ScoringState, TitleAndCompletionTextsFollowThePairs) {
  ScoringState s(3);
  s.load(scoresOf({"??", "??", " 1"}));
  EXPECT_EQ(s.titleText(), "Paired Preferences Scoring - Pair 1 of 3");
  EXPECT_EQ(s.completionText(), "1/3");
  play(s, "NN");
  EXPECT_EQ(s.titleText(), "Paired Preferences Scoring - Pair 3 of 3");
  EXPECT_EQ(s.completionText(), "3/3");
  s.reset();
  EXPECT_EQ(s.completionText(), "0/3");
  EXPECT_EQ(charsOf(s), (std::vector<std::string>{"??", "??", "??"}));
}

}  // namespace
