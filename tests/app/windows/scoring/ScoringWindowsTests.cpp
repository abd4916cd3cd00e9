// The compare-choices selector, the scoring window and its pane, driven as a user
// drives them: keys, digits and double-clicks sent to the pane, buttons clicked,
// message boxes answered from inside the process. A stand-in for the main window
// records what the windows ask of it; the model is the factory's own.
#include "FramesTestSupport.h"
#include "GuiTestSupport.h"
#include "ScoringTestSupport.h"
#include "WindowImage.h"
#include "app/windows/scoring/DCompareChoices.h"
#include "app/windows/scoring/DPairedPrefScoring.h"
#include "app/windows/scoring/PairedPrefScoringPane.h"
#include "app/windows/scoring/res/scoring_ids.h"
#include "factory/Factory.h"
#include "framework/controls/zListBox.h"
#include "math/MathServer.h"
#include "math/RandomPairSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Chars = std::vector<std::string>;
const char kMark = static_cast<char>(0xFB);

std::string ratioOf(DCompareChoices* selector) { return windowTextOf(GetDlgItem(selector->handle(), IDC_CC_RATIO)); }

std::string comboText(DCompareChoices* selector, int index) {
  char text[256] = {};
  SendMessageA(GetDlgItem(selector->handle(), IDC_CC_DMS), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string listText(DCompareChoices* selector, int index) {
  char text[256] = {};
  SendMessageA(GetDlgItem(selector->handle(), IDC_CC_CRITERIA), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

class Scoring : public ScoringTest {
 protected:
  DCompareChoices* openSelector() {
    DCompareChoices* selector = DCompareChoices::open(frame_);
    pump();
    return selector;
  }
  DPairedPrefScoring* scorePairs(DCompareChoices* selector) {
    clickButton(selector->handle(), IDC_CC_SCORE_PAIRS);
    DPairedPrefScoring* scoring = DPairedPrefScoring::instance();
    EXPECT_NE(scoring, nullptr);
    return scoring;
  }
};

TEST_F(Scoring, TheSelectorDrawsThePairsAndShowsNoMarksAndARatioOfNone) {
  makeScoringModel(1, 1, 3);
  ASSERT_EQ(server()->numScoresNeeded(), 3u);
  ASSERT_FALSE(server()->hasAlgorithm());
  DCompareChoices* selector = openSelector();
  EXPECT_TRUE(server()->hasAlgorithm());
  EXPECT_TRUE(frame_->locked) << "the lists are locked once pairs exist";
  EXPECT_EQ(windowTextOf(selector->handle()), "Compare Choices: DecisionMaker/Criterion Selection");
  EXPECT_EQ(ratioOf(selector), "0/3 = 0%");
  EXPECT_EQ(comboText(selector, 0), " DM1");
  EXPECT_EQ(listText(selector, 0), " Cr1");
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(selector->handle(), IDC_CC_RESET_ALL)));
  // The model's score blocks exist from the first draw on, so a save keeps the pairs.
  EXPECT_FALSE(PV::Data::Factory::instance()->currDataModel(0)->get_ss().empty());
  // Opening again brings the same selector forward.
  EXPECT_EQ(openSelector(), selector);
}

// Journey 4 on three choices, one criterion, one decision maker: keys, digits and
// double-clicks give the characters the scale predicts; Update stores them, marks
// the criterion and the decision maker, and the last store solves the model.
TEST_F(Scoring, KeysDigitsAndDoubleClicksScoreEveryPairAndTheLastStoreSolves) {
  makeScoringModel(1, 1, 3);
  DCompareChoices* selector = openSelector();
  DPairedPrefScoring* scoring = scorePairs(selector);
  ASSERT_NE(scoring, nullptr);
  PairedPrefScoringPane* pane = scoring->pane();
  EXPECT_EQ(windowTextOf(scoring->handle()), "  DM1:Cr1");
  EXPECT_EQ(windowTextOf(GetDlgItem(pane->handle(), IDC_SP_DM_NAME)), "DM1");
  EXPECT_EQ(windowTextOf(GetDlgItem(pane->handle(), IDC_SP_TITLE)), "Paired Preferences Scoring - Pair 1 of 3");
  EXPECT_EQ(windowTextOf(GetDlgItem(pane->handle(), IDC_SP_COMPLETION)), "0/3");
  EXPECT_EQ(charsOf(pane->scores()), (Chars{"??", "??", "??"}));

  keyDown(pane, VK_RIGHT);
  EXPECT_EQ(charsOf(pane->scores())[0], " 1");
  EXPECT_EQ(windowTextOf(scoring->handle()), "* DM1:Cr1") << "unsaved scores are marked";
  keyUp(pane, VK_RETURN);
  EXPECT_EQ(pane->state().index(), 1u);
  EXPECT_EQ(windowTextOf(GetDlgItem(pane->handle(), IDC_SP_TITLE)), "Paired Preferences Scoring - Pair 2 of 3");
  typeChar(pane, '2');
  EXPECT_EQ(charsOf(pane->scores())[1], " 2");
  typeChar(pane, '2');
  EXPECT_EQ(charsOf(pane->scores())[1], "2 ") << "the same digit again switches the side";
  keyUp(pane, VK_TAB);
  doubleClickList(pane, 0);
  doubleClickList(pane, 0);
  EXPECT_EQ(charsOf(pane->scores()), (Chars{" 1", "2 ", "2 "}));
  EXPECT_EQ(windowTextOf(GetDlgItem(pane->handle(), IDC_SP_COMPLETION)), "3/3");
  EXPECT_EQ(frame_->solves, 0);

  keyUp(pane, 'U', true);  // Alt+U: Update
  EXPECT_EQ(windowTextOf(scoring->handle()), "  DM1:Cr1");
  EXPECT_EQ(scoresOf(0, 0), (Chars{" 1", "2 ", "2 "}));
  EXPECT_EQ(ratioOf(selector), "3/3 = 100%");
  EXPECT_EQ(listText(selector, 0), std::string(1, kMark) + "Cr1");
  EXPECT_EQ(comboText(selector, 0), std::string(1, kMark) + "DM1");
  EXPECT_EQ(frame_->solves, 1);
  EXPECT_TRUE(server()->isComplete());
  EXPECT_EQ(PV::Data::Factory::instance()->currDataModel(0)->get_slns().size(), 3u);
}

TEST_F(Scoring, OnePairOfThreeScoredShowsAThirdAsAWholePercentage) {
  makeScoringModel(1, 1, 3);
  DCompareChoices* selector = openSelector();
  PairedPrefScoringPane* pane = scorePairs(selector)->pane();
  keyDown(pane, VK_LEFT);
  clickButton(pane->handle(), IDC_SP_UPDATE);
  EXPECT_EQ(ratioOf(selector), "1/3 = 33%");
  EXPECT_EQ(listText(selector, 0), " Cr1");
}

// The scoring window stores into the model, whoever opened it: a selector closed and
// opened again while the window stays shows its stores, and the store that completes
// the model solves it whether a selector is open or not.
TEST_F(Scoring, StoresReachASelectorOpenedAgainAndTheLastStoreSolvesWithoutOne) {
  makeScoringModel(1, 2, 3);
  DCompareChoices* selector = openSelector();
  DPairedPrefScoring* scoring = scorePairs(selector);
  ASSERT_NE(scoring, nullptr);
  const auto closeSelector = [&] {
    SendMessageA(DCompareChoices::instance()->handle(), WM_CLOSE, 0, 0);
    pump();
    ASSERT_EQ(DCompareChoices::instance(), nullptr);
  };
  const auto scoreAllAndUpdate = [&] {
    for (int i = 0; i < 3; ++i) {
      typeChar(scoring->pane(), '1');
      keyUp(scoring->pane(), VK_RETURN);
    }
    keyUp(scoring->pane(), 'U', true);
  };
  closeSelector();
  selector = openSelector();
  scoreAllAndUpdate();
  EXPECT_EQ(ratioOf(selector), "3/6 = 50%") << "the selector opened again follows the store";
  EXPECT_EQ(listText(selector, 0), std::string(1, kMark) + "Cr1");

  selector->selectCriterion(1);
  ASSERT_EQ(scorePairs(selector), scoring);
  closeSelector();
  scoreAllAndUpdate();
  EXPECT_EQ(scoresOf(1, 0), (Chars{"1 ", "1 ", "1 "}));
  EXPECT_TRUE(server()->isComplete());
  EXPECT_EQ(frame_->solves, 1) << "the last store solves without a selector";
  EXPECT_EQ(PV::Data::Factory::instance()->currDataModel(0)->get_slns().size(), 3u);
}

// Another pair set while scores are unsaved: the question; No drops the scores, Yes
// stores them into the pair set they belong to.
TEST_F(Scoring, LoadingAnotherPairSetAsksAboutUnsavedScores) {
  makeScoringModel(1, 2, 3);
  DCompareChoices* selector = openSelector();
  DPairedPrefScoring* scoring = scorePairs(selector);
  keyDown(scoring->pane(), VK_RIGHT);
  selector->selectCriterion(1);
  std::string asked;
  answerBox("Palvermontine", IDNO, &asked);
  scorePairs(selector);
  EXPECT_NE(asked.find("Do you want to save your data before updating the Paired Preferences View ?"),
            std::string::npos)
      << asked;
  EXPECT_EQ(windowTextOf(scoring->handle()), "  DM1:Cr2");
  EXPECT_EQ(scoresOf(0, 0), (Chars{"??", "??", "??"})) << "No drops the scores";

  keyDown(scoring->pane(), VK_RIGHT);
  selector->selectCriterion(0);
  asked.clear();
  answerBox("Palvermontine", IDYES, &asked);
  scorePairs(selector);
  EXPECT_FALSE(asked.empty());
  EXPECT_EQ(scoresOf(1, 0)[0], " 1") << "Yes stores into the pair set shown before";
  EXPECT_EQ(windowTextOf(scoring->handle()), "  DM1:Cr1");

  // Stored scores raise no question.
  keyDown(scoring->pane(), VK_LEFT);
  clickButton(scoring->pane()->handle(), IDC_SP_UPDATE);
  selector->selectCriterion(1);
  scorePairs(selector);
  EXPECT_EQ(scoresOf(0, 0)[0], "1 ");
  pump();
}

// The shown pair set asked for again with unsaved scores: Yes stores them, and the pane
// shows what was stored, so that its close box stores nothing older over them.
TEST_F(Scoring, TheShownPairSetAskedForAgainShowsTheScoresYesStored) {
  makeScoringModel(1, 1, 3);
  DCompareChoices* selector = openSelector();
  DPairedPrefScoring* scoring = scorePairs(selector);
  keyDown(scoring->pane(), VK_RIGHT);
  answerBox("Palvermontine", IDYES);
  scorePairs(selector);
  EXPECT_EQ(scoresOf(0, 0)[0], " 1");
  EXPECT_EQ(charsOf(scoring->pane()->scores())[0], " 1");
  EXPECT_EQ(charsOf(scoring->pane()->initialScores())[0], " 1");
  SendMessageA(scoring->handle(), WM_CLOSE, 0, 0);
  pump();
  EXPECT_EQ(scoresOf(0, 0)[0], " 1") << "the close box stored the scores shown before the question";
}

TEST_F(Scoring, CancelAndEscStoreNothingWhileTheCloseBoxStores) {
  makeScoringModel(1, 1, 3);
  DCompareChoices* selector = openSelector();
  for (WPARAM key : {static_cast<WPARAM>(VK_ESCAPE), static_cast<WPARAM>('C')}) {
    DPairedPrefScoring* scoring = scorePairs(selector);
    keyDown(scoring->pane(), VK_RIGHT);
    keyUp(scoring->pane(), key, key == 'C');
    pump();
    EXPECT_EQ(DPairedPrefScoring::instance(), nullptr);
    EXPECT_EQ(scoresOf(0, 0), (Chars{"??", "??", "??"}));
  }
  DPairedPrefScoring* scoring = scorePairs(selector);
  keyDown(scoring->pane(), VK_RIGHT);
  SendMessageA(scoring->handle(), WM_CLOSE, 0, 0);
  pump();
  EXPECT_EQ(scoresOf(0, 0)[0], " 1");
  // With the selector closed, OK still stores into the model.
  SendMessageA(selector->handle(), WM_CLOSE, 0, 0);
  pump();
  ASSERT_EQ(DCompareChoices::instance(), nullptr);
  EXPECT_EQ(scoresOf(0, 0)[0], " 1");
}

// A stored score beyond the scale (kept by the file reader as exceeded) shows as "??",
// counts as unscored in the marks and the ratio, keeps the model unsolvable, and
// storing the pane over it asserts nothing.
TEST_F(Scoring, AnExceededScoreShowsAsUnscoredInThePaneTheMarksTheRatioAndTheSolve) {
  makeScoringModel(1, 1, 3);
  DCompareChoices* selector = openSelector();
  auto* ms = server();
  PV::Math::RandomPairSet* rps = ms->acquireRps(0, 0);
  for (uint32_t i = 0; i < rps->getNumPairs(); ++i) rps->setScore(i, 1, true);
  rps->markExceeded(1, true);
  rps->saveScores();
  ms->releaseRps(rps);
  ms->transferScores();
  ms->refresh();
  selector->selectDecisionMaker(0);
  EXPECT_EQ(ratioOf(selector), "2/3 = 66%");
  EXPECT_EQ(listText(selector, 0), " Cr1");
  EXPECT_FALSE(ms->isComplete());

  DPairedPrefScoring* scoring = scorePairs(selector);
  EXPECT_EQ(charsOf(scoring->pane()->scores()), (Chars{" 1", "??", " 1"}));
  clickButton(scoring->pane()->handle(), IDC_SP_UPDATE);
  EXPECT_EQ(scoresOf(0, 0), (Chars{" 1", "??", " 1"}));
  EXPECT_EQ(frame_->solves, 0);
}

// Reset All Scores reaches the model's score blocks at once: a save and a fresh load
// keep it. No leaves everything as it was.
TEST_F(Scoring, ResetAllScoresSurvivesSaveAndReopen) {
  makeScoringModel(2, 1, 3);
  DCompareChoices* selector = openSelector();
  DPairedPrefScoring* scoring = scorePairs(selector);
  for (int i = 0; i < 3; ++i) {
    keyDown(scoring->pane(), VK_RIGHT);
    keyUp(scoring->pane(), VK_RETURN);
  }
  clickButton(scoring->pane()->handle(), IDC_SP_UPDATE);
  ASSERT_EQ(scoresOf(0, 0), (Chars{" 1", " 1", " 1"}));
  ASSERT_EQ(ratioOf(selector), "3/6 = 50%");

  answerBox("Palvermontine", IDNO);
  clickButton(selector->handle(), IDC_CC_RESET_ALL);
  EXPECT_EQ(ratioOf(selector), "3/6 = 50%");

  std::string asked;
  answerBox("Palvermontine", IDYES, &asked);
  clickButton(selector->handle(), IDC_CC_RESET_ALL);
  EXPECT_NE(asked.find("Are you sure you want to reset \"all\" your scores ?"), std::string::npos) << asked;
  EXPECT_EQ(ratioOf(selector), "0/6 = 0%");
  EXPECT_EQ(charsOf(scoring->pane()->scores()), (Chars{"??", "??", "??"})) << "the open pane follows unasked";
  EXPECT_EQ(windowTextOf(scoring->handle()), "  DM1:Cr1");
  // Scores not yet stored go with a reset too, on pairs that were not scored before.
  keyDown(scoring->pane(), VK_RIGHT);
  ASSERT_EQ(windowTextOf(scoring->handle()), "* DM1:Cr1");
  answerBox("Palvermontine", IDYES);
  clickButton(selector->handle(), IDC_CC_RESET_ALL);
  EXPECT_EQ(charsOf(scoring->pane()->scores()), (Chars{"??", "??", "??"}));
  EXPECT_EQ(windowTextOf(scoring->handle()), "  DM1:Cr1");

  const std::string file = configPath("reset.xpv");
  ASSERT_TRUE(PV::Data::Factory::instance()->save(file.c_str()));
  scoring->discard();
  SendMessageA(selector->handle(), WM_CLOSE, 0, 0);
  pump();
  PV::Data::Factory::destroy();
  ASSERT_NE(PV::Data::Factory::instance()->load(file, false), nullptr);
  server()->update();
  ASSERT_TRUE(server()->hasAlgorithm());
  EXPECT_EQ(scoresOf(0, 0), (Chars{"??", "??", "??"}));
  EXPECT_EQ(scoresOf(0, 1), (Chars{"??", "??", "??"}));
}

// What the pane draws: the pressed scale button, each side in the colour of its
// strength, and the current row filled with the highlight colour or only framed.
TEST_F(Scoring, ThePanePressesTheScoreButtonAndColoursScoresAndTheHighlight) {
  makeScoringModel(1, 1, 3);
  DCompareChoices* selector = openSelector();
  DPairedPrefScoring* scoring = scorePairs(selector);
  PairedPrefScoringPane* pane = scoring->pane();
  MoveWindow(scoring->handle(), 0, 0, 900, 620, TRUE);
  scoring->applyHighlightOptions(true, RGB(128, 255, 128));
  typeChar(pane, '2');  // pair 1: "2 " in the colour of strength 2
  pump();

  // Share of black pixels: the pressed look is white on black.
  const auto darkShare = [](HWND button) {
    RECT r = {};
    GetClientRect(button, &r);
    UpdateWindow(button);
    HDC dc = GetDC(button);
    int dark = 0, all = 0;
    for (int y = 0; y < r.bottom; ++y) {
      for (int x = 0; x < r.right; ++x, ++all) dark += GetPixel(dc, x, y) == RGB(0, 0, 0) ? 1 : 0;
    }
    ReleaseDC(button, dc);
    return all ? static_cast<double>(dark) / all : 0.0;
  };
  EXPECT_GT(darkShare(pane->scaleButton(-2)), 0.35);
  EXPECT_LT(darkShare(pane->scaleButton(0)), 0.25);
  EXPECT_LT(darkShare(pane->scaleButton(+2)), 0.25);
  EXPECT_FALSE(IsWindowEnabled(pane->scaleButton(+4))) << "beyond the scale of 3";

  const HWND listA = pane->listA()->handle();
  RECT row0 = {}, row1 = {};
  SendMessageA(listA, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row0));
  SendMessageA(listA, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row1));
  EXPECT_EQ(pixelAt(listA, row0.right - 3, (row0.top + row0.bottom) / 2), RGB(128, 255, 128));
  EXPECT_EQ(pixelAt(listA, row1.right - 3, (row1.top + row1.bottom) / 2), RGB(245, 244, 244));
  RECT scoreCell = row0;
  scoreCell.right = scoreCell.left + 16;
  EXPECT_TRUE(anyPixelOf(listA, scoreCell, PairedPrefScoringPane::scoreColour(2)));

  // Highlight off: the current row keeps the item colour behind a focus frame.
  clickButton(pane->handle(), IDC_SP_HIGHLIGHT);  // the box was checked; the click's state is read back
  CheckDlgButton(pane->handle(), IDC_SP_HIGHLIGHT, BST_UNCHECKED);
  clickButton(pane->handle(), IDC_SP_HIGHLIGHT);
  EXPECT_FALSE(pane->highlight());
  EXPECT_EQ(pixelAt(listA, row0.right - 20, (row0.top + row0.bottom) / 2), RGB(245, 244, 244));

  // The arrows stand at the row of the current pair.
  EXPECT_EQ(pane->currentRow(), 0);
  keyUp(pane, VK_RETURN);
  EXPECT_EQ(pane->currentRow(), 1);
  RECT arrow = {}, item = {};
  GetWindowRect(GetDlgItem(pane->handle(), IDC_SP_ARROW_A1), &arrow);
  SendMessageA(listA, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  MapWindowPoints(listA, nullptr, reinterpret_cast<POINT*>(&item), 2);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(pane->handle(), IDC_SP_ARROW_A1)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(pane->handle(), IDC_SP_ARROW_A0)));
  EXPECT_LE(std::abs((arrow.top + arrow.bottom) / 2 - (item.top + item.bottom) / 2), 2);
}

// Every score colour, the other side's grey included, stands out from the items' fill
// (a contrast of at least 3.5 to 1 by relative luminance): no choice is pale grey on
// near white.
TEST(ScoreColours, EveryScoreColourReadsOnTheItemFill) {
  const auto luminance = [](COLORREF c) {
    double sum = 0.0;
    const double weights[3] = {0.2126, 0.7152, 0.0722};
    const int parts[3] = {GetRValue(c), GetGValue(c), GetBValue(c)};
    for (int k = 0; k < 3; ++k) {
      const double v = parts[k] / 255.0;
      sum += weights[k] * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    }
    return sum;
  };
  const double fill = luminance(RGB(245, 244, 244));
  for (int value = -1; value <= 6; ++value) {
    const double ratio = (fill + 0.05) / (luminance(PairedPrefScoringPane::scoreColour(value)) + 0.05);
    EXPECT_GE(ratio, 3.5) << "score value " << value;
  }
}

// The wheel over either list moves the current pair by one for the whole pane: both
// lists show the same rows, and the title names the pair.
TEST_F(Scoring, TheWheelOverAListMovesBothListsByOnePair) {
  makeScoringModel(1, 1, 6);
  DCompareChoices* selector = openSelector();
  DPairedPrefScoring* scoring = scorePairs(selector);
  PairedPrefScoringPane* pane = scoring->pane();
  const uint32_t pairs = pane->state().count();
  ASSERT_GE(pairs, 6u);
  const auto wheel = [](HWND list, int notches) {
    SendMessageA(list, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA * notches), 0);
    pump();
  };
  const auto top = [](zListBoxUnsorted* list) {
    return static_cast<int>(SendMessageA(list->handle(), LB_GETTOPINDEX, 0, 0));
  };
  struct Case {
    int side, notches;
    uint32_t index;
  } cases[] = {{0, 1, 1}, {0, 1, 2}, {1, 1, 3}, {1, -1, 2}, {0, -1, 1}, {0, 1, 2}, {0, 1, 3}, {0, 1, 4}};
  for (const Case& c : cases) {
    wheel((c.side == 0 ? pane->listA() : pane->listB())->handle(), c.notches);
    EXPECT_EQ(pane->state().index(), c.index) << "side " << c.side;
    EXPECT_EQ(top(pane->listA()), top(pane->listB())) << "pair " << c.index + 1;
    EXPECT_EQ(windowTextOf(GetDlgItem(pane->handle(), IDC_SP_TITLE)),
              "Paired Preferences Scoring - Pair " + std::to_string(c.index + 1) + " of " + std::to_string(pairs));
  }
}

// Tab moves on and Shift+Tab back, by the Shift key's state when Tab went down: a
// Shift let go before Tab still steps back.
TEST_F(Scoring, ShiftTabStepsBackEvenWhenShiftIsLetGoFirst) {
  makeScoringModel(1, 1, 6);
  DCompareChoices* selector = openSelector();
  PairedPrefScoringPane* pane = scorePairs(selector)->pane();
  const auto shiftDown = [](bool down) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
  };
  struct Case {
    bool shiftAtPress, shiftAtRelease;
    int step;
  } cases[] = {{true, false, -1}, {true, true, -1}, {false, false, +1}, {false, true, +1}};
  for (const Case& c : cases) {
    keyDown(pane, VK_HOME);
    keyDown(pane, VK_DOWN);
    keyDown(pane, VK_DOWN);
    ASSERT_EQ(pane->state().index(), 2u);
    shiftDown(c.shiftAtPress);
    keyDown(pane, VK_TAB);
    shiftDown(c.shiftAtRelease);
    keyUp(pane, VK_TAB);
    shiftDown(false);
    EXPECT_EQ(static_cast<int>(pane->state().index()), 2 + c.step)
        << "Shift " << c.shiftAtPress << " at the press, " << c.shiftAtRelease << " at the release";
  }
}

// The mark of a completed criterion and decision maker is a drawn check mark in its
// own colour, whatever font the lists have (0xFB was a letter in every font but the
// OEM one); an unmarked item has none.
TEST_F(Scoring, TheSelectorDrawsACheckMarkBeforeACompletedCriterion) {
  makeScoringModel(1, 2, 3);
  DCompareChoices* selector = openSelector();
  DPairedPrefScoring* scoring = scorePairs(selector);
  PairedPrefScoringPane* pane = scoring->pane();
  for (int pair = 0; pair < 3; ++pair) {
    typeChar(pane, '1');
    keyUp(pane, VK_RETURN);
  }
  keyUp(pane, 'U', true);
  ASSERT_EQ(listText(selector, 0), std::string(1, kMark) + "Cr1");
  selector->selectCriterion(1);
  SetWindowPos(selector->handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  pump();

  const HWND list = GetDlgItem(selector->handle(), IDC_CC_CRITERIA);
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
  const auto markBox = [list](int index) {
    RECT item = {};
    SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    item.right = item.left + (item.bottom - item.top) + 2;
    return item;
  };
  EXPECT_TRUE(anyPixelOf(list, markBox(0), DCompareChoices::kCheckColour)) << "Cr1 is complete";
  EXPECT_FALSE(anyPixelOf(list, markBox(1), DCompareChoices::kCheckColour)) << "Cr2 is not";
}

// The selector after one criterion was scored (its mark and the ratio) and the
// scoring window in the middle of the next, for the documentation.
TEST_F(Scoring, Screenshots) {
  makeScoringModel(2, 3, 4, 5);
  DCompareChoices* selector = openSelector();
  DPairedPrefScoring* scoring = scorePairs(selector);
  scoring->applyHighlightOptions(true, RGB(128, 255, 128));
  PairedPrefScoringPane* pane = scoring->pane();
  for (char digit : std::string("314253")) {
    typeChar(pane, digit);
    keyUp(pane, VK_RETURN);
  }
  keyUp(pane, 'U', true);
  EXPECT_EQ(listText(selector, 0), std::string(1, kMark) + "Cr1");
  selector->selectCriterion(1);
  scorePairs(selector);
  keyDown(pane, VK_RIGHT);
  keyDown(pane, VK_RIGHT);
  keyUp(pane, VK_RETURN);
  typeChar(pane, '4');
  typeChar(pane, '4');
  keyUp(pane, VK_RETURN);
  SetWindowPos(selector->handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  pump();
  EXPECT_TRUE(saveWindowImage(selector->handle(), outputPath("compare-choices.bmp").c_str()));
  SetWindowPos(scoring->handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  pump();
  EXPECT_TRUE(saveWindowImage(scoring->handle(), outputPath("scoring-window.bmp").c_str()));
}

}  // namespace
