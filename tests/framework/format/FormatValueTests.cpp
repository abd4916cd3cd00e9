// Ranges, bit vectors and picture-string elements.
#include <gtest/gtest.h>

#include "framework/format/zBitVector.h"
#include "framework/format/zFormatter.h"
#include "framework/format/zPictStrEl.h"
#include "framework/core/zRange.h"

namespace {

TEST(Range, KeepsLowAndHighWhateverTheOrder) {
  EXPECT_EQ(zRange(7, 3), zRange(3, 7));
  EXPECT_EQ(zRange(7, 3).low(), 3);
  EXPECT_EQ(zRange(-5, 2).high(), 2);
  EXPECT_TRUE(zRange(4, 4).isEmpty());
}

TEST(BitVector, SizeIsOneMoreByteThanNeededAndOutsideBitsAreClear) {
  const struct { uint32_t asked, held; } sizes[] = {{7, 8}, {8, 16}, {0, 8}, {128, 136}, {129, 136}};
  for (auto s : sizes) EXPECT_EQ(zBitVector(s.asked).size(), s.held) << s.asked;
  zBitVector v(8);
  v.set(3);
  v.set(15);
  v.set(500);  // outside: ignored
  EXPECT_TRUE(v.test(3));
  EXPECT_TRUE(v.test(15));
  EXPECT_FALSE(v.test(500));
  zBitVector copy(v);
  v.clear(3);
  EXPECT_TRUE(copy.test(3));
  EXPECT_FALSE(v.test(3));
  copy = v;
  EXPECT_FALSE(copy.test(3));
}

struct MaskCase {
  char mask;
  char in;
  uint32_t flags;
  int accepted;
  char stored;  // entered character afterwards
};

TEST(PictStrMaskEl, AcceptsByMaskCharacter) {
  const MaskCase cases[] = {
      {'!', 'a', 0, 1, 'A'}, {'!', '_', 0, 1, 0},           {'9', '-', 0, 0, 0}, {'9', '7', 0, 1, '7'},
      {'#', '-', 0, 1, '-'}, {'#', '+', 0, 1, '+'},         {'#', 'x', 0, 0, 0}, {'X', '_', 0, 1, '_'},
      {'X', '%', 0, 1, '%'}, {'N', 'q', zFmtUpper, 1, 'Q'}, {'N', '?', 0, 0, 0}, {'A', ' ', 0, 1, ' '},
      {'A', '5', 0, 0, 0},   {'A', 'B', zFmtLower, 1, 'b'}, {'Z', 'a', 0, 0, 0},
  };
  for (const MaskCase& c : cases) {
    zPictStrMaskEl el(c.mask);
    EXPECT_EQ(el.accept(c.in, 0, c.flags), c.accepted) << c.mask << " " << c.in;
    EXPECT_EQ(el.entered(), c.stored) << c.mask << " " << c.in;
    EXPECT_NE(el.flags() & zPictInput, 0);
  }
}

TEST(PictStrMaskEl, TestOnlyStoresNothingAndPlaceholderClears) {
  zPictStrMaskEl el('9');
  EXPECT_EQ(el.accept('4', 1, 0), 1);
  EXPECT_EQ(el.entered(), 0);
  el.accept('4', 0, 0);
  EXPECT_EQ(el.value(0), '4');
  EXPECT_EQ(el.accept('#', 0, 0), 1);
  EXPECT_EQ(el.entered(), 0);
  EXPECT_EQ(el.value(zFmtPlaceholders), '#');
  EXPECT_EQ(el.value(0), 0);
  zPictStrMaskEl optional('N', zPictOptional);
  EXPECT_EQ(optional.value(zFmtSkipLiterals | zFmtPlaceholders), 0);
  EXPECT_EQ(optional.value(zFmtPlaceholders), '_');
  el.accept('1', 0, 0);
  EXPECT_EQ(el.clear(), 1);
  EXPECT_EQ(el.entered(), 0);
}

TEST(PictStrEl, LiteralMatchesItselfAndIsNoValueWhenLiteralsAreSkipped) {
  zPictStrEl dash('-');
  EXPECT_EQ(dash.accept('-', 0, 0), 1);
  EXPECT_EQ(dash.accept('+', 0, 0), 0);
  EXPECT_EQ(dash.value(0), '-');
  EXPECT_EQ(dash.value(zFmtSkipLiterals), 0);
}

TEST(PictStrSetEl, MembersOrWithNegationExactlyTheOthers) {
  zBitVector vowels(128);
  for (char c : {'a', 'e', 'i', 'o', 'u'}) vowels.set(static_cast<unsigned char>(c));
  zPictStrSetEl set(vowels, false);
  zPictStrSetEl notSet(vowels, true);
  for (int code = 1; code < 256; ++code) {
    const char c = static_cast<char>(code);
    if (c == '_') continue;
    const bool member = code < 128 && vowels.test(static_cast<uint32_t>(code));
    EXPECT_EQ(set.accept(c, 1, 0), member ? 1 : 0) << code;
    EXPECT_EQ(notSet.accept(c, 1, 0), member ? 0 : 1) << code;
  }
  EXPECT_EQ(set.accept('_', 0, 0), 1);  // the placeholder clears
  EXPECT_EQ(set.entered(), 0);
}

TEST(PictStrSetEl, CharactersFrom0x80OnAreNonMembersAndNeverIndexOutside) {
  zBitVector ascii(128);
  for (int c = 0; c < 128; ++c) ascii.set(static_cast<uint32_t>(c));
  zPictStrSetEl set(ascii, false);
  zPictStrSetEl notSet(ascii, true);
  const char high[] = {static_cast<char>(0x80), static_cast<char>(0xE9), static_cast<char>(0xFF)};
  for (char c : high) {
    EXPECT_EQ(set.accept(c, 0, 0), 0);
    EXPECT_EQ(notSet.accept(c, 0, 0), 1);
    EXPECT_EQ(notSet.entered(), c);
  }
  // The element owns a copy of its set.
  zPictStrSetEl copy(set);
  EXPECT_EQ(copy.accept('a', 1, 0), 1);
}

}  // namespace
