#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "foundation/FLErrors.h"
#include "foundation/FLMessage.h"

namespace {

struct Expected {
  const char* catalog;
  uint32_t number;
  const char* text;
};

TEST(FLMessageCatalogue, HoldsEveryMessageWithItsExactText) {
  const Expected expected[] = {
      {"flcore7.0", 4096, "[EOF] EOF on input"},
      {"flcore7.0", 4097, "[GENERIC] Generic error number %d; %s"},
      {"flcore7.0", 4098, "[INVADDR] Invalid address: %lx"},
      {"flcore7.0", 4099, "[LOCK] Unable to lock memory"},
      {"flcore7.0", 4100, "[NOINIT] Memory allocated without being initialized"},
      {"flcore7.0", 4101, "[NOMEM] No memory"},
      {"flcore7.0", 4102, "[OPERR] Could not open file %s"},
      {"flcore7.0", 4103, "[OUTALLOC] Memory released with allocations still outstanding"},
      {"flcore7.0", 4104, "[OVFLOW] Overflow error -> \"%.*s\" <- (%u max characters)"},
      {"flcore7.0", 4105, "[STREAM] Bad input stream"},
      {"flcore7.0", 4106, "[SYNSTREAM] Syntax error in input stream: expected %s, got %s"},
      {"fltools7.0", 8192, "[ALLOCOUT] %s destructor called with allocation outstanding"},
      {"fltools7.0", 8193, "[BADRE] Attempt to use invalid regular expression"},
      {"fltools7.0", 8194, "[CRABS] FLFactory: attempting to create abstract class with ID %hu (0x%hx)"},
      {"fltools7.0", 8195, "[FLIST] Free list size error: expected %ld, got %ld"},
      {"fltools7.0", 8196, "[ID] Unexpected class ID %hu; should be %hu"},
      {"fltools7.0", 8197, "[INDEX] Index (%u) out of range [0->%u]"},
      {"fltools7.0", 8198, "[LOCK] Locked object deleted"},
      {"fltools7.0", 8199, "[LONGINDEX] Long index (%lu) out of range [0->%lu]"},
      {"fltools7.0", 8200, "[MAGIC] Bad magic number: %ld (should be %ld)"},
      {"fltools7.0", 8201, "[NEVECL] Unequal vector lengths: %u versus %u"},
      {"fltools7.0", 8202, "[NOCREATE] FLFactory: no create function for class with ID %hu (0x%hx)"},
      {"fltools7.0", 8203, "[NOTALLOW] Function not allowed for derived class"},
      {"fltools7.0", 8204, "[READERR] Read error"},
      {"fltools7.0", 8205, "[REF] Bad persistence reference"},
      {"fltools7.0", 8206, "[SEEKERR] Seek error"},
      {"fltools7.0", 8207, "[STREAM] Bad input stream"},
      {"fltools7.0", 8208, "[SUBSTRING] Illegal substring (%d, %u) from %u element FLCString"},
      {"fltools7.0", 8209, "[UNLOCK] Improper use of locked object"},
      {"fltools7.0", 8210, "[WRITEERR] Write error"},
      {"fltools7.0", 8211, "[INDEXERR] Illegal Index (%u) for collection or string with %u elements"},
      {"fltools7.0", 8212, "[NPOSINDEX] The value FL_NPOS cannot be used as an index."},
      {"fltools7.0", 8213, "[NOPERSIST] Persistence not implemented for type %s."},
      {"fltools7.0", 8214, "[CRABSS] FLFactory: attempting to create abstract class with StringID %s."},
  };
  uint32_t count = 0;
  const FLMessageRecord* all = FLallMessages(count);
  ASSERT_EQ(count, sizeof expected / sizeof expected[0]);
  for (uint32_t i = 0; i < count; ++i) {
    SCOPED_TRACE(expected[i].number);
    EXPECT_STREQ(all[i].catalog, expected[i].catalog);
    EXPECT_EQ(all[i].number, expected[i].number);
    EXPECT_STREQ(all[i].text, expected[i].text);
  }
  // The named accessors reach the same records.
  EXPECT_EQ(FLcoreMsg_EOF().number, 4096u);
  EXPECT_EQ(FLcoreMsg_SYNSTREAM().number, 4106u);
  EXPECT_EQ(FLtoolsMsg_ALLOCOUT().number, 8192u);
  EXPECT_EQ(FLtoolsMsg_INDEXERR().number, 8211u);
  EXPECT_EQ(FLtoolsMsg_NPOSINDEX().number, 8212u);
  EXPECT_EQ(FLtoolsMsg_CRABSS().number, 8214u);
  EXPECT_STREQ(FLtoolsMsg_STREAM().catalog, "fltools7.0");
  EXPECT_STREQ(FLcoreMsg_STREAM().catalog, "flcore7.0");
}

TEST(FLMessageCatalogue, FormatsArgumentsAndLongTexts) {
  EXPECT_STREQ(FLMessage(FLtoolsMsg_INDEXERR(), 7u, 3u).text(),
               "[INDEXERR] Illegal Index (7) for collection or string with 3 elements");
  EXPECT_STREQ(FLMessage(FLtoolsMsg_SUBSTRING(), -1, 2u, 5u).text(),
               "[SUBSTRING] Illegal substring (-1, 2) from 5 element FLCString");
  // A file name far longer than any fixed buffer is kept whole.
  const std::string name(2000, 'f');
  const FLMessage open(FLcoreMsg_OPERR(), name.c_str());
  EXPECT_EQ(std::string(open.text()), "[OPERR] Could not open file " + name);

  FLMessage a("first");
  FLMessage b(a);
  a = FLMessage("second");
  const FLMessage& same = a;
  a = same;
  EXPECT_STREQ(a.text(), "second");
  EXPECT_STREQ(b.text(), "first");
}

TEST(FLErrors, BoundsErrorCarriesTextAndIsCaughtByAnyBase) {
  const FLBoundsErr error(FLMessage(FLtoolsMsg_INDEXERR(), 7u, 3u));
  const char* expected = "[INDEXERR] Illegal Index (7) for collection or string with 3 elements";
  try {
    throwError(error);
  } catch (const FLBoundsErr& e) {
    EXPECT_STREQ(e.text(), expected);
  }
  try {
    throwError(error);
  } catch (const FLInternalErr& e) {
    EXPECT_STREQ(e.text(), expected);
  }
  try {
    throwError(error);
  } catch (const FLxmsg& e) {
    EXPECT_STREQ(e.text(), expected);
  }
  // A standard exception too: code that knows only the standard library catches it.
  try {
    throwError(error);
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), expected);
  }
  EXPECT_THROW(FLthrowIndexError(FL_NPOS, 3), FLBoundsErr);
  try {
    FLthrowIndexError(FL_NPOS, 3);
  } catch (const FLBoundsErr& e) {
    EXPECT_STREQ(e.text(), "[NPOSINDEX] The value FL_NPOS cannot be used as an index.");
  }
}

TEST(FLErrors, TextOwnershipAndAddedFields) {
  static const char borrowed[] = "borrowed text";
  {
    const FLxmsg a(borrowed, false);
    const FLxmsg b(a);
    EXPECT_EQ(a.text(), borrowed);
    EXPECT_EQ(b.text(), borrowed);
    EXPECT_FALSE(b.ownsText());
  }  // destroying both frees nothing (the sanitizer build would see a bad free)
  char local[] = "owned";
  const FLxmsg owned(local, true);
  local[0] = 'X';
  EXPECT_STREQ(owned.text(), "owned");
  const FLxmsg ownedCopy(owned);
  EXPECT_NE(ownedCopy.text(), owned.text());
  EXPECT_STREQ(ownedCopy.text(), "owned");

  const FLxalloc alloc(1234);
  EXPECT_EQ(alloc.requestedSize(), 1234u);
  EXPECT_STREQ(alloc.text(), "[NOMEM] No memory");
  EXPECT_FALSE(alloc.ownsText());

  try {
    throwError(FLFileErr("bad file", 5, 9));
  } catch (const FLExternalErr& e) {
    const auto* file = dynamic_cast<const FLFileErr*>(&e);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->file(), 5);
    EXPECT_EQ(file->kind(), 9);
  }
  try {
    throwError(FLStreamErr(FLMessage(FLcoreMsg_STREAM()), 4));
  } catch (const FLStreamErr& e) {
    EXPECT_EQ(e.stream(), 4);
    EXPECT_STREQ(e.text(), "[STREAM] Bad input stream");
  }
  try {
    alloc.throwSelf();
  } catch (const FLxmsg& e) {
    EXPECT_STREQ(e.text(), "[NOMEM] No memory");
  }
}

void quietHandler(const FLxmsg&) {}

TEST(FLErrors, ErrorHandlerSetterReturnsThePrevious) {
  EXPECT_EQ(errorHandler(), &fatalErrorHandler);
  EXPECT_EQ(setErrorHandler(&quietHandler), &fatalErrorHandler);
  EXPECT_EQ(setErrorHandler(&fatalErrorHandler), &quietHandler);
}

}  // namespace
