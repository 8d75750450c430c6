// XTLArray: indices, sorted insertion and search, moving and sorting,
// iterators across changes, and growth that fails cleanly.
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

XTTArray<int32_t> Filled(std::initializer_list<int32_t> values, bool keep_sorted = false) {
  XTTArray<int32_t> array(0, nullptr, keep_sorted);
  for (int32_t v : values) array.Append(v);
  return array;
}

TEST(XTLArray, IndicesRunFromOneAndLastIsSpecial) {
  XTTArray<int32_t> array = Filled({10, 20, 30});
  int32_t v = 0;
  EXPECT_TRUE(array.Get(kXTLLast, &v));
  EXPECT_EQ(v, 30);
  EXPECT_FALSE(array.Get(0, &v));
  EXPECT_FALSE(array.Get(4, &v));
  EXPECT_FALSE(array.Get(-1, &v));
  EXPECT_TRUE(array.Delete(kXTLLast));
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{10, 20}));
  XTTArray<int32_t> empty;
  EXPECT_FALSE(empty.Get(kXTLLast, &v));
  EXPECT_FALSE(empty.Delete(kXTLLast));
  EXPECT_FALSE(empty.Set(kXTLLast, 1));
}

TEST(XTLArray, FindMatchesAMultisetUnderRandomKeys) {
  std::mt19937 random(42);
  XTTArray<int32_t> sorted(0, nullptr, true);
  XTTArray<int32_t> unsorted;
  std::multiset<int32_t> reference;
  for (int i = 0; i < 2000; ++i) {
    int32_t v = static_cast<int32_t>(random() % 3000) - 1500;
    sorted.Append(v);
    unsorted.Append(v);
    reference.insert(v);
    if (i % 7 == 0) {
      int32_t victim = static_cast<int32_t>(random() % 3000) - 1500;
      if (int32_t at = sorted.Find(victim)) {
        sorted.Delete(at);
        unsorted.Delete(unsorted.Find(victim));
        reference.erase(reference.find(victim));
      }
    }
  }
  EXPECT_EQ(Contents(sorted), std::vector<int32_t>(reference.begin(), reference.end()));
  for (int32_t v = -1500; v < 1500; ++v) {
    bool present = reference.count(v) > 0;
    int32_t at = sorted.Find(v);
    EXPECT_EQ(at != 0, present) << v;
    EXPECT_EQ(unsorted.Find(v) != 0, present) << v;
    if (at) {
      int32_t got = 0;
      sorted.Get(at, &got);
      EXPECT_EQ(got, v);
    }
  }
}

TEST(XTLArray, KeepSortedInsertionIgnoresTheIndex) {
  XTTArray<int32_t> array = Filled({30, 10, 20}, true);
  EXPECT_EQ(array.Insert(1, 25), 3);
  EXPECT_EQ(array.Insert(kXTLLast, 5), 1);
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{5, 10, 20, 25, 30}));
  EXPECT_TRUE(array.IsSorted());
}

TEST(XTLArray, SortedPositionByElementAndByKey) {
  XTTArray<int32_t> array = Filled({30, 10, 20}, true);
  for (auto [probe, at] : {std::pair{25, 3}, {5, 1}, {35, 4}, {20, 2}}) {
    EXPECT_EQ(array.SortedPosition(&probe), at) << probe;
    EXPECT_EQ(array.SortedKeyPosition(&probe), at) << probe;
  }
  XTTArray<int32_t> empty;
  int32_t probe = 7;
  EXPECT_EQ(empty.SortedPosition(&probe), 1);
}

TEST(XTLArray, MoveShiftsThoseBetweenAndUnsorts) {
  XTTArray<int32_t> array = Filled({10, 20, 30, 40}, true);
  EXPECT_TRUE(array.Move(1, 4));
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{20, 30, 40, 10}));
  EXPECT_TRUE(array.Move(4, 2));
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{20, 10, 30, 40}));
  EXPECT_FALSE(array.IsSorted());
  EXPECT_EQ(array.Find(10), 2);  // linear search once unsorted
  EXPECT_FALSE(array.Move(1, 5));
  array.Lock();
  EXPECT_FALSE(array.Move(1, 2));
  EXPECT_FALSE(array.Sort());
  array.Unlock();
}

// The gaps run 3h+1 down from the first at or above a ninth of the count
// (one case: 1000 starts at 121); every count is ordered in the end.
TEST(XTLArray, SortOrdersAll) {
  EXPECT_EQ(XTLArray::FirstSortGap(1000), 121u);
  for (const int32_t count : {1, 2, 17, 18, 1000}) {
    XTTArray<int32_t> array;
    for (int32_t i = count; i >= 1; --i) array.Append(i);
    ASSERT_TRUE(array.Sort());
    std::vector<int32_t> expected(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) expected[static_cast<size_t>(i)] = i + 1;
    EXPECT_EQ(Contents(array), expected) << count;
    EXPECT_TRUE(array.IsSorted());
  }
}

TEST(XTLIterator, FollowsInsertionsAndSkipsADeletedRun) {
  XTTArray<int32_t> array = Filled({1, 2, 3, 4, 5, 6});
  XTLIterator it;
  array.Register(&it);
  int32_t v = 0;
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(array.Next(&it, &v));  // on 3
  array.Insert(1, 0);  // before it: it moves on with its element
  ASSERT_TRUE(array.Current(&it, &v));
  EXPECT_EQ(v, 3);
  ASSERT_TRUE(array.Delete(3, 3));  // removes 2, 3, 4 under it
  EXPECT_EQ(it.current, kXTLRemoved);
  EXPECT_FALSE(array.Current(&it, &v));
  ASSERT_TRUE(array.Next(&it, &v));
  EXPECT_EQ(v, 5);
  ASSERT_TRUE(array.Previous(&it, &v));
  EXPECT_EQ(v, 1);
  array.Unregister(&it);
  EXPECT_FALSE(array.Next(&it, &v));
}

TEST(XTLIterator, DestroyingTheArrayMarksIterators) {
  XTLIterator a, b;
  {
    XTTArray<int32_t> array = Filled({1});
    array.Register(&a);
    array.Register(&b);
  }
  EXPECT_EQ(a.current, kXTLDestroyed);
  EXPECT_EQ(b.current, kXTLDestroyed);
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

TEST_F(Growth, HugeCountsThrowInsteadOfWrapping) {
  XTTArray<int32_t> array;
  array.Append(1);
  int32_t v = 2;
  EXPECT_THROW(array.XTLArray::Insert(1, &v, 0x40000001u), BlockError);
  EXPECT_THROW(array.XTLArray::Insert(1, &v, 0xFFFFFFFFu), BlockError);
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{1}));
  EXPECT_THROW(XTLArray(8, 0x20000000u), BlockError);
  try {
    XTLArray big(8, 0x20000000u);
  } catch (const BlockError& error) {
    EXPECT_EQ(error.error(), kBlockErrorNoMemory);
  }
}

}  // namespace
