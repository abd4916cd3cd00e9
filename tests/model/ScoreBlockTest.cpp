// The score-block format as the model file, the pair sets and the checks all read it.
#include "model/ScoreChars.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace PV::Math;

TEST(ScoreBlock, HeaderWrittenInLowerCaseReadsBack) {
  const std::string head = blockHeader(7, 0x3F1309AE);
  EXPECT_EQ(head, "000000073f1309ae");
  uint32_t number = 0, seed = 0;
  ASSERT_TRUE(readBlockField(head + "08", BLOCK_NUMBER_AT, number));
  ASSERT_TRUE(readBlockField(head, BLOCK_SEED_AT, seed));
  EXPECT_EQ(number, 7u);
  EXPECT_EQ(seed, 0x3F1309AEu);
}

TEST(ScoreBlock, FieldsRefuseShortBlocksAndOtherCharacters) {
  struct Case {
    const char* block;
    uint32_t at;
    bool ok;
    uint32_t value;
  } cases[] = {
      {"00000001FFFFFFFF", BLOCK_SEED_AT, true, 0xFFFFFFFFu},  // upper case accepted
      {"0000000x0000abcd", BLOCK_SEED_AT, true, 0xABCDu},      // the number field is not read
      {"0000000x0000abcd", BLOCK_NUMBER_AT, false, 0},
      {"000000010000abc", BLOCK_SEED_AT, false, 0},  // shorter than the header
      {"000000010000ab d", BLOCK_SEED_AT, false, 0},
      {"00000001-000abcd", BLOCK_SEED_AT, false, 0},
  };
  for (const Case& c : cases) {
    uint32_t value = 0;
    EXPECT_EQ(readBlockField(c.block, c.at, value), c.ok) << c.block;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.block;
    }
  }
}

TEST(ScoreBlock, ScoreCharactersRoundTrip) {
  for (int s = -5; s <= 5; ++s) {
    const char c = charOfScore(s, true);
    EXPECT_TRUE(isScoreChar(c)) << s;
    EXPECT_EQ(kValueOfChar(c) - 8, s) << s;
    EXPECT_EQ(kValueOfChar(charOfScore(s, false)) - 8, s) << s;
  }
  EXPECT_EQ(charOfScore(UNSCORED, true), '0');
  for (char c : {'0', 'E', 'e'}) EXPECT_TRUE(isUnscoredChar(c)) << c;
  for (char c : {'1', '2', 'F', 'f', ' ', 'G'}) EXPECT_FALSE(isScoreChar(c)) << c;
}

}  // namespace
