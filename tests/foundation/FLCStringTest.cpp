#include "foundation/FLCString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string str(const FLCString& s) { return std::string(s.data(), s.length()); }

std::string boundsText(void (*action)()) {
  try {
    action();
  } catch (const FLBoundsErr& e) {
    return e.text();
  }
  return "no error";
}

TEST(FLCString, EmptyStringsInEveryForm) {
  const FLCString byDefault;
  const FLCString fromEmpty("");
  FLCString shared("text");
  const FLCString other(shared);
  shared = "";
  for (const FLCString* s : {&byDefault, &fromEmpty, static_cast<const FLCString*>(&shared)}) {
    EXPECT_EQ(s->length(), 0u);
    EXPECT_STREQ(s->data(), "");
    EXPECT_TRUE(s->isNull());
  }
  EXPECT_EQ(str(other), "text");

  FLCString unshared("a longer text of some size");
  const uint32_t capacity = unshared.capacity();
  const char* buffer = unshared.data();
  unshared = "";
  EXPECT_EQ(unshared.length(), 0u);
  EXPECT_EQ(unshared.capacity(), capacity);
  EXPECT_EQ(unshared.data(), buffer);
}

TEST(FLCString, CapacitiesFollowTheConstructionAndGrowthRules) {
  EXPECT_EQ(FLCString('x').capacity(), 15u);
  const FLCString sixteen("0123456789abcdef");
  EXPECT_EQ(sixteen.capacity(), 16u);
  EXPECT_EQ((FLCString("01234567") + "89abcdef").capacity(), 31u);
  EXPECT_EQ(FLCString('-', 40).capacity(), 40u);
  const FLCString reserved(uint32_t{40});
  EXPECT_EQ(reserved.capacity(), 40u);
  EXPECT_EQ(reserved.length(), 0u);

  const struct {
    uint32_t length, capacity;
  } rule[] = {{0, 15}, {1, 15}, {15, 15}, {16, 31}, {31, 31}, {32, 47}, {47, 47}, {48, 63}};
  for (const auto& r : rule) EXPECT_EQ(FLCString::adjustCapacity(r.length), r.capacity) << r.length;

  // Appending characters clones into exactly the new length.
  FLCString s("abc");
  s.append('!', 2);
  EXPECT_EQ(str(s), "abc!!");
  EXPECT_EQ(s.capacity(), 5u);
  EXPECT_EQ(s.capacity(30), 30u);
  EXPECT_EQ(str(s), "abc!!");
  EXPECT_EQ(s.capacity(3), 30u);  // not above the length: unchanged

  // The settings return their previous values.
  EXPECT_EQ(FLCString::initialCapacity(7), 15u);
  EXPECT_EQ(FLCString::adjustCapacity(8), 23u);
  EXPECT_EQ(FLCString::initialCapacity(15), 7u);
  EXPECT_EQ(FLCString::resizeIncrement(16), 16u);
  EXPECT_EQ(FLCString::maxWaste(15), 15u);
}

TEST(FLCString, CopiesAreIsolatedOnWrite) {
  FLCString original("shared text");
  FLCString copy(original);
  EXPECT_TRUE(original.isShared());
  EXPECT_EQ(copy.data(), original.data());

  copy(0) = 'S';
  EXPECT_EQ(str(original), "shared text");
  EXPECT_EQ(str(copy), "Shared text");
  EXPECT_FALSE(original.isShared());

  FLCString viaIndex(original);
  viaIndex[1] = 'H';
  FLCString viaSub(original);
  viaSub(7, 4).toUpper();
  FLCString viaEdit(original);
  viaEdit.append(" more");
  FLCString assigned;
  assigned = original;
  assigned.toUpper();
  EXPECT_EQ(str(original), "shared text");
  EXPECT_EQ(str(viaIndex), "sHared text");
  EXPECT_EQ(str(viaSub), "shared TEXT");
  EXPECT_EQ(str(viaEdit), "shared text more");
  EXPECT_EQ(str(assigned), "SHARED TEXT");
  EXPECT_EQ(str(toLower(FLCString("MiXeD"))), "mixed");

  const FLCString own = original.copy();
  EXPECT_NE(own.data(), original.data());
  EXPECT_EQ(own, original);

  FLCString self("self");
  FLCString& alias = self;
  self = alias;
  EXPECT_EQ(str(self), "self");
}

TEST(FLCString, IndexErrorsCarryTheirMessagesAndChangeNothing) {
  EXPECT_EQ(boundsText([] {
              FLCString s("abc");
              s(3) = 'x';
            }),
            "[INDEXERR] Illegal Index (3) for collection or string with 3 elements");
  EXPECT_EQ(boundsText([] {
              FLCString s("abc");
              s(FL_NPOS) = 'x';
            }),
            "[NPOSINDEX] The value FL_NPOS cannot be used as an index.");
  EXPECT_EQ(boundsText([] {
              FLCString s("abc");
              s(2, 5);
            }),
            "[SUBSTRING] Illegal substring (2, 5) from 3 element FLCString");
  EXPECT_EQ(boundsText([] {
              FLCString s("abc");
              s.replace(4, 0, "x");
            }),
            "[SUBSTRING] Illegal substring (4, 0) from 3 element FLCString");
  EXPECT_EQ(boundsText([] {
              FLCString s("abcdef");
              FLCSubString sub = s(1, 3);
              sub(3) = 'x';
            }),
            "[INDEXERR] Illegal Index (3) for collection or string with 3 elements");

  // The unchecked access still refuses to write past the end.
  EXPECT_DEATH(
      {
        FLCString s("ab");
        s[5u] = 'x';
      },
      "Assertion failed: i < length\\(\\)");

  FLCString s("abc");
  const FLCString copy(s);
  EXPECT_THROW(s(3), FLBoundsErr);
  EXPECT_EQ(str(s), "abc");
  EXPECT_TRUE(s.isShared());  // a refused access does not unshare
}

TEST(FLCString, ReplaceWithTextFromTheStringItself) {
  FLCString s("abcdef");
  s.replace(1, 2, s.data() + 3, 3);
  EXPECT_EQ(str(s), "adefdef");

  FLCString twice("xyz");
  twice.append(twice);
  EXPECT_EQ(str(twice), "xyzxyz");

  FLCString big(uint32_t{100});
  big = "0123456789";
  const char* buffer = big.data();
  big.replace(0, 2, big.data() + 5, 5);  // text inside: a new buffer, right result
  EXPECT_EQ(str(big), "5678923456789");
  EXPECT_NE(big.data(), buffer);

  FLCString tail("hello world");
  tail(6, 5) = tail;
  EXPECT_EQ(str(tail), "hello hello world");
}

TEST(FLCString, ShrinkingKeepsAtMostTheMaximumWaste) {
  FLCString s = FLCString(std::string(20, 'a').c_str()) + std::string(20, 'b').c_str();
  ASSERT_EQ(s.length(), 40u);
  ASSERT_EQ(s.capacity(), 47u);

  FLCString inPlace = s.copy();
  inPlace.capacity(47);
  const char* buffer = inPlace.data();
  inPlace.replace(30, 5, nullptr, 0);  // 35 characters: 12 spare
  EXPECT_EQ(inPlace.length(), 35u);
  EXPECT_EQ(inPlace.capacity(), 47u);
  EXPECT_EQ(inPlace.data(), buffer);

  s.replace(5, 30, nullptr, 0);  // 10 characters: 37 spare would be too many
  EXPECT_EQ(str(s), "aaaaabbbbb");
  EXPECT_EQ(s.capacity(), 15u);

  FLCString appended;
  for (int i = 0; i < 20; ++i) appended += 'x';
  EXPECT_EQ(appended.length(), 20u);
  EXPECT_EQ(appended.capacity(), 31u);

  FLCString growing("abc");
  growing.resize(6);
  EXPECT_EQ(str(growing), "abc   ");
  growing.resize(2);
  EXPECT_EQ(str(growing), "ab");
  growing.prepend('>', 3);
  EXPECT_EQ(str(growing), ">>>ab");

  FLCString cleared("some text");
  cleared.clobber(4);
  EXPECT_EQ(cleared.length(), 0u);
  EXPECT_EQ(cleared.capacity(), 9u);
  cleared.clobber(64);
  EXPECT_EQ(cleared.capacity(), 64u);
}

TEST(FLCString, StripSearchAndSubstrings) {
  FLCString blanks("   ");
  EXPECT_TRUE(blanks.strip(FLCString::both).isNull());
  FLCString padded("  ab ");
  EXPECT_TRUE(padded.strip(FLCString::both) == "ab");
  EXPECT_TRUE(padded.strip(FLCString::leading) == "ab ");
  EXPECT_TRUE(padded.strip(FLCString::trailing) == "  ab");
  EXPECT_TRUE(FLCSubString(padded, FL_NPOS, 0) == "");

  const FLCString s("abcabc");
  EXPECT_EQ(s.index("", 0, 4), 4u);
  EXPECT_EQ(s.index("", 0, 6), 6u);
  EXPECT_EQ(s.index("", 0, 7), FL_NPOS);
  EXPECT_EQ(s.index("c", 1, FL_NPOS), FL_NPOS);  // no wrap-around past the end
  EXPECT_EQ(s.index("bc", 2), 4u);
  EXPECT_EQ(s.index("BC", 0, FLCString::ignoreCase), 1u);
  EXPECT_EQ(s.index("cab"), 2u);
  EXPECT_EQ(s.index("abcabcd"), FL_NPOS);

  const FLCString withNul("a\0b", 3);
  EXPECT_EQ(withNul.length(), 3u);
  EXPECT_EQ(withNul.first('b'), FL_NPOS);  // stops at the NUL
  EXPECT_EQ(withNul.first('b', withNul.length()), 2u);
  EXPECT_EQ(withNul.first("xb"), FL_NPOS);
  EXPECT_EQ(withNul.first("xb", 2), 2u);
  EXPECT_EQ(s.last('a'), 3u);
  EXPECT_EQ(withNul.last('b', withNul.length()), 2u);
  EXPECT_FALSE(withNul == "a");
  EXPECT_TRUE(withNul == FLCString("a\0b", 3));

  FLCString text("hello world");
  text.subString("WORLD", 0, FLCString::ignoreCase) = "there!";
  EXPECT_EQ(str(text), "hello there!");
  FLCSubString missing = text.subString("absent");
  EXPECT_TRUE(missing.isNull());
  missing = "ignored";
  EXPECT_EQ(str(text), "hello there!");
  FLCSubString word = text(0, 5);
  word = "bye";
  EXPECT_EQ(word.length(), 3u);
  EXPECT_EQ(str(text), "bye there!");
  EXPECT_EQ(str(FLCString(text(4, 5))), "there");
}

TEST(FLCString, Comparisons) {
  const struct {
    const char* a;
    const char* b;
    FLCString::CaseCompare mode;
    int expected;
  } cases[] = {
      {"ab", "abc", FLCString::exact, -1},
      {"abcd", "abc", FLCString::exact, 1},
      {"abc", "abc", FLCString::exact, 0},
      {"a", "B", FLCString::ignoreCase, -1},
      {"ABC", "abc", FLCString::ignoreCase, 0},
      {"b", "A", FLCString::ignoreCase, 1},
      // Folded characters are ordered as signed bytes: a high byte is below 'a'.
      {"\xe9", "a", FLCString::ignoreCase, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
    EXPECT_EQ(FLCString(c.a).compareTo(c.b, c.mode), c.expected);
    EXPECT_EQ(FLCString(c.a).compareTo(FLCString(c.b), c.mode) > 0, c.expected > 0);
    EXPECT_EQ(FLCString(c.a).compareTo(FLCString(c.b), c.mode) < 0, c.expected < 0);
  }
  // Exact comparison of strings gives the byte difference, bytes taken unsigned.
  EXPECT_EQ(FLCString("ad").compareTo(FLCString("aa")), 3);
  EXPECT_GT(FLCString("\xe9").compareTo(FLCString("a")), 0);
  EXPECT_TRUE(FLCString("abc") < FLCString("abd"));
  EXPECT_TRUE(FLCString("abc") == "abc");
  EXPECT_TRUE(FLCString("abc") != "abcd");
  EXPECT_FALSE(FLCString("abc") == "ab");
  EXPECT_EQ(FLCString("abc").collate("abc"), 0);
  EXPECT_STREQ(FLCString("abc").strXForm().data(), "abc");
}

uint32_t rotl5(uint32_t h) { return (h << 5) | (h >> 27); }

TEST(FLCString, Hashes) {
  const uint32_t word = 'a' | 'b' << 8 | 'c' << 16 | uint32_t{'d'} << 24;
  EXPECT_EQ(FLCString("abcde").hash(), rotl5(rotl5(5) ^ word) ^ 0x65u);
  // A trailing character at or above 128 is sign-extended into the high bits.
  EXPECT_EQ(FLCString("abcd\xe9").hash(), rotl5(rotl5(5) ^ word) ^ 0xFFFFFFE9u);
  EXPECT_EQ(FLCString("ef").hash(FLCString::exact), rotl5(2) ^ 0x6566u);
  EXPECT_EQ(FLCString("").hash(), 0u);
  EXPECT_EQ(FLCString("ab").hash(FLCString::ignoreCase), rotl5(rotl5(2) ^ 'A') ^ 'B');
  EXPECT_EQ(FLCString("aB").hash(FLCString::ignoreCase), FLCString("Ab").hash(FLCString::ignoreCase));

  EXPECT_TRUE(FLCString("plain").isAscii());
  EXPECT_FALSE(FLCString("caf\xe9").isAscii());
  EXPECT_EQ(FLCString("abc\0def", 7).mbLength(), 3u);
}

}  // namespace
