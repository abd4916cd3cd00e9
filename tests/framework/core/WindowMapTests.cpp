#include <gtest/gtest.h>

#include "framework/core/ziWindowMap.h"

namespace {

HWND handleOf(uintptr_t v) { return reinterpret_cast<HWND>(v); }
zWindow* objectOf(uintptr_t v) { return reinterpret_cast<zWindow*>(v); }

TEST(WindowMap, HashIsTheHandleTimesFourWrapping) {
  HWND h = handleOf(0x00020048);
  EXPECT_EQ(ziWindowMap::handleHash(&h), 0x00080120u);
  h = handleOf(0x40000001);
  EXPECT_EQ(ziWindowMap::handleHash(&h), 4u);
  ziWindowMap map(&ziWindowMap::handleHash, 97);
  EXPECT_EQ(map.bucketOf(handleOf(0x00020048)), 0x00080120u % 97);
}

TEST(WindowMap, AddingAPresentHandleReplacesItsObject) {
  ziWindowMap map(&ziWindowMap::handleHash, 97);
  EXPECT_EQ(map.add(handleOf(0x20048), objectOf(0x1000)), nullptr);
  EXPECT_EQ(map.add(handleOf(0x20048), objectOf(0x2000)), objectOf(0x1000));
  EXPECT_EQ(map.find(handleOf(0x20048)), objectOf(0x2000));
  // Only one entry is left: one removal empties the handle.
  EXPECT_EQ(map.remove(handleOf(0x20048)), objectOf(0x2000));
  EXPECT_EQ(map.find(handleOf(0x20048)), nullptr);
  EXPECT_EQ(map.remove(handleOf(0x20048)), nullptr);
}

TEST(WindowMap, RemovingAnUnknownHandleChangesNothing) {
  ziWindowMap map(&ziWindowMap::handleHash, 97);
  map.add(handleOf(0x30010), objectOf(0x1000));
  EXPECT_EQ(map.remove(handleOf(0x30011)), nullptr);
  EXPECT_EQ(map.find(handleOf(0x30010)), objectOf(0x1000));
}

TEST(WindowMap, HandlesSharingABucketAreAllFound) {
  ziWindowMap map(&ziWindowMap::handleHash, 97);
  // h and h + 97 hash 4h and 4h + 388 = 4h + 4 * 97: the same bucket.
  const uintptr_t h = 0x20048;
  ASSERT_EQ(map.bucketOf(handleOf(h)), map.bucketOf(handleOf(h + 97)));
  map.add(handleOf(h), objectOf(0x1000));
  map.add(handleOf(h + 97), objectOf(0x2000));
  map.add(handleOf(h + 2 * 97), objectOf(0x3000));
  EXPECT_EQ(map.find(handleOf(h)), objectOf(0x1000));
  EXPECT_EQ(map.find(handleOf(h + 97)), objectOf(0x2000));
  EXPECT_EQ(map.find(handleOf(h + 2 * 97)), objectOf(0x3000));
  EXPECT_EQ(map.remove(handleOf(h + 97)), objectOf(0x2000));
  EXPECT_EQ(map.find(handleOf(h)), objectOf(0x1000));
  EXPECT_EQ(map.find(handleOf(h + 2 * 97)), objectOf(0x3000));
}

TEST(WindowMap, OneBucketHoldsEveryHandle) {
  ziWindowMap map(&ziWindowMap::handleHash, 1);
  for (uintptr_t i = 1; i <= 50; ++i) map.add(handleOf(i * 0x10000 + i), objectOf(i * 16));
  for (uintptr_t i = 1; i <= 50; ++i) EXPECT_EQ(map.find(handleOf(i * 0x10000 + i)), objectOf(i * 16));
  EXPECT_EQ(map.add(handleOf(25 * 0x10000 + 25), objectOf(0x7770)), objectOf(25 * 16));
  EXPECT_EQ(map.find(handleOf(25 * 0x10000 + 25)), objectOf(0x7770));
  for (uintptr_t i = 1; i <= 50; i += 2) map.remove(handleOf(i * 0x10000 + i));
  for (uintptr_t i = 2; i <= 50; i += 2) EXPECT_NE(map.find(handleOf(i * 0x10000 + i)), nullptr);
  EXPECT_EQ(map.find(handleOf(1 * 0x10000 + 1)), nullptr);
}

}  // namespace
