// XTLArray as the translation tables use it: records appended in sorted order,
// found by binary search, read by index, and growth that fails cleanly.
#include "base/xtl_array.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>
#include <vector>

namespace {

std::vector<int32_t> Contents(const XTLArray& array) {
  std::vector<int32_t> values;
  for (int32_t i = 1; i <= static_cast<int32_t>(array.Count()); ++i) {
    int32_t v = 0;
    array.Get(i, &v);
    values.push_back(v);
  }
  return values;
}

TEST(XTLArray, IndicesRunFromOneToTheCount) {
  XTTArray<int32_t> array;
  for (int32_t v : {10, 20, 30}) array.Append(v);
  int32_t v = 0;
  EXPECT_TRUE(array.Get(3, &v));
  EXPECT_EQ(v, 30);
  for (int32_t outside : {0, 4, -1, 0x7fffffff}) {
    EXPECT_FALSE(array.Get(outside, &v)) << outside;
    EXPECT_FALSE(array.Delete(outside)) << outside;
  }
  EXPECT_TRUE(array.Delete(3));
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{10, 20}));
  XTTArray<int32_t> empty;
  EXPECT_FALSE(empty.Get(1, &v));
  EXPECT_FALSE(empty.Delete(1));
}

TEST(XTLArray, FindMatchesAMultisetUnderRandomKeys) {
  std::mt19937 random(42);
  XTTArray<int32_t> sorted(nullptr, true);
  XTTArray<int32_t> unsorted;
  std::multiset<int32_t> reference;
  for (int i = 0; i < 2000; ++i) {
    int32_t v = static_cast<int32_t>(random() % 3000) - 1500;
    sorted.Append(v);
    unsorted.Append(v);
    reference.insert(v);
    if (i % 7 == 0) {
      int32_t victim = static_cast<int32_t>(random() % 3000) - 1500;
      if (int32_t at = sorted.FindKey(&victim)) {
        sorted.Delete(at);
        unsorted.Delete(unsorted.FindKey(&victim));
        reference.erase(reference.find(victim));
      }
    }
  }
  EXPECT_EQ(Contents(sorted), std::vector<int32_t>(reference.begin(), reference.end()));
  for (int32_t v = -1500; v < 1500; ++v) {
    bool present = reference.count(v) > 0;
    int32_t at = sorted.FindKey(&v);
    EXPECT_EQ(at != 0, present) << v;
    EXPECT_EQ(unsorted.FindKey(&v) != 0, present) << v;
    if (at) {
      int32_t got = 0;
      sorted.Get(at, &got);
      EXPECT_EQ(got, v);
    }
  }
}

// An allocator over the heap that refuses blocks above a limit.
struct Limited {
  static inline size_t limit = SIZE_MAX;
  static MemBlock Allocate(size_t size) {
    return size > limit ? nullptr : HeapBlockAllocator().allocate(size);
  }
  static int32_t Resize(MemBlock block, size_t size) {
    return size > limit ? -1 : HeapBlockAllocator().resize(block, size);
  }
  static int16_t LastError() { return -7; }
  static const BlockAllocator& Table() {
    static const BlockAllocator table = {Allocate, HeapBlockAllocator().release, Resize,
                                         HeapBlockAllocator().lock, HeapBlockAllocator().unlock,
                                         LastError};
    return table;
  }
};

class Growth : public testing::Test {
 protected:
  void SetUp() override {
    Limited::limit = SIZE_MAX;
    SetBlockAllocator(&Limited::Table());
  }
  void TearDown() override { SetBlockAllocator(nullptr); }
};

TEST_F(Growth, FallsBackToTheExactSizeThenThrows) {
  Limited::limit = 12;
  XTTArray<int32_t> array;
  array.Append(1);
  array.Append(2);
  array.Append(3);  // more room refused, the exact size granted
  try {
    array.Append(4);
    FAIL() << "no exception";
  } catch (const BlockError& error) {
    EXPECT_EQ(error.error(), -7);
  }
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{1, 2, 3}));
}

}  // namespace
