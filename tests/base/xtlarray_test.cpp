// XTLArray: indices, sorted insertion and search, sorting, iterator
// fix-up, locking, growth and its failures.
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

TEST(XTLArray, PartialGetCopiesTheSmallerSize) {
  struct Rec {
    char text[8];
  };
  XTTArray<Rec> array;
  array.Append(Rec{"abcdefg"});
  char two[2];
  EXPECT_EQ(array.XTLArray::Get(1, two, 2), 2u);
  EXPECT_EQ(two[1], 'b');
  char more[16] = {};
  EXPECT_EQ(array.XTLArray::Get(1, more, sizeof more), 8u);
  EXPECT_STREQ(more, "abcdefg");
  EXPECT_EQ(array.XTLArray::Get(2, more, sizeof more), 0u);
}

TEST(XTLArray, InsertDeleteFillMoveWithClipping) {
  XTTArray<int32_t> array = Filled({1, 2, 3});
  int32_t nine = 9;
  EXPECT_EQ(array.XTLArray::Insert(2, &nine, 2), 2);
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{1, 9, 9, 2, 3}));
  EXPECT_EQ(array.XTLArray::Insert(100, nullptr, 1), 6);  // past the end appends zero bytes
  EXPECT_EQ(array.XTLArray::Insert(0, &nine, 1), kXTLNoIndex);
  EXPECT_TRUE(array.Delete(5, 0xFFFFFFFFu));  // clipped to the end
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{1, 9, 9, 2}));
  int32_t seven = 7;
  EXPECT_TRUE(array.Fill(3, &seven, 0xFFFFFFFFu));
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{1, 9, 7, 7}));
  EXPECT_TRUE(array.Move(1, 4));
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{9, 7, 7, 1}));
  EXPECT_TRUE(array.Move(4, 2));
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{9, 1, 7, 7}));
  EXPECT_FALSE(array.Move(1, 5));
  array.Clear();
  EXPECT_EQ(array.Count(), 0u);
}

TEST(XTLArray, KeepSortedInsertionIgnoresTheIndex) {
  XTTArray<int32_t> array = Filled({30, 10, 20}, true);
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{10, 20, 30}));
  EXPECT_EQ(array.Insert(1, 25), 3);
  EXPECT_EQ(array.Insert(kXTLLast, 5), 1);
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{5, 10, 20, 25, 30}));
  EXPECT_TRUE(array.IsSorted());
}

TEST(XTLArray, SortedPositionFollowsTheBinarySearch) {
  XTTArray<int32_t> array = Filled({10, 20, 30});
  array.Sort();
  int32_t probe = 25;
  EXPECT_EQ(array.SortedPosition(&probe), 3);
  probe = 5;
  EXPECT_EQ(array.SortedPosition(&probe), 1);
  probe = 35;
  EXPECT_EQ(array.SortedPosition(&probe), 4);
  probe = 20;
  EXPECT_EQ(array.SortedPosition(&probe), 2);
  XTTArray<int32_t> empty;
  EXPECT_EQ(empty.SortedPosition(&probe), 1);
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

TEST(XTLArray, LongComparatorOrdersValuesFarApart) {
  XTTArray<int32_t> array = Filled({INT32_MAX, -1, 0, INT32_MIN, 1});
  array.Sort();
  EXPECT_EQ(Contents(array), (std::vector<int32_t>{INT32_MIN, -1, 0, 1, INT32_MAX}));
  for (int32_t v : {INT32_MAX, -1, 0, INT32_MIN, 1}) EXPECT_NE(array.Find(v), 0) << v;
}

TEST(XTLArray, ByteComparatorForOtherSizes) {
  struct Name {
    char text[5];  // not 4: four-byte elements compare as numbers
  };
  XTTArray<Name> names(0, nullptr, true);
  names.Append(Name{"bca"});
  names.Append(Name{"\xB9" "aa"});  // bytes compare unsigned: 0xB9 after 'b'
  names.Append(Name{"abc"});
  Name first{}, last{};
  names.Get(1, &first);
  names.Get(3, &last);
  EXPECT_STREQ(first.text, "abc");
  EXPECT_STREQ(last.text, "\xB9" "aa");
  XTLComparator bytes;
  EXPECT_LT(bytes.Compare("ab", "abc", 2, 3), 0);
  EXPECT_GT(bytes.Compare("abc", "ab", 3, 2), 0);
  EXPECT_TRUE(bytes.Equal("ab", "ab", 2, 2));
}

TEST(XTLArray, SortOrdersAnyCount) {
  for (int32_t count : {1, 5, 18, 100}) {
    XTLLongComparator order;
    XTTArray<int32_t> array(0, &order);
    for (int32_t i = count; i >= 1; --i) array.Append(i);
    ASSERT_TRUE(array.Sort());
    std::vector<int32_t> expected(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) expected[static_cast<size_t>(i)] = i + 1;
    EXPECT_EQ(Contents(array), expected) << count;
    EXPECT_TRUE(array.IsSorted());
  }
}

TEST(XTLArray, ChangesInAKeepSortedArrayFallBackToLinearFind) {
  XTTArray<int32_t> array = Filled({10, 20, 30, 40}, true);
  ASSERT_TRUE(array.Set(1, 50));
  EXPECT_FALSE(array.IsSorted());
  EXPECT_EQ(array.Find(50), 1);
  EXPECT_EQ(array.Find(20), 2);
  XTTArray<int32_t> moved = Filled({10, 20, 30}, true);
  moved.Move(1, 3);
  EXPECT_EQ(moved.Find(10), 3);
}

TEST(XTLArray, LockedArrayRefusesChanges) {
  XTTArray<int32_t> array = Filled({3, 1, 2});
  EXPECT_EQ(array.ElementPtr(1), nullptr);
  array.Lock();
  array.Lock();
  int32_t* first = array.ElementPtr(1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(*first, 3);
  EXPECT_EQ(array.ElementPtr(kXTLLast), first + 2);
  EXPECT_EQ(array.Append(4), kXTLNoIndex);
  EXPECT_EQ(array.Insert(1, 4), kXTLNoIndex);
  EXPECT_FALSE(array.Delete(1));
  EXPECT_FALSE(array.Sort());
  EXPECT_FALSE(array.Set(1, 9));
  EXPECT_FALSE(array.Move(1, 2));
  int32_t v = 5;
  EXPECT_FALSE(array.Fill(1, &v, 1));
  EXPECT_EQ(array.Find(2), 3);  // reading still works
  array.Unlock();
  EXPECT_TRUE(array.IsLocked());
  array.Unlock();
  EXPECT_FALSE(array.IsLocked());
  array.Unlock();  // one too many is harmless
  EXPECT_EQ(array.Append(4), 4);
}

TEST(XTLIterator, FollowsInsertionsBeforeIt) {
  XTTArray<int32_t> array = Filled({1, 2, 3, 4});
  XTLIterator it;
  array.Register(&it);
  int32_t v = 0;
  ASSERT_TRUE(array.Next(&it, &v));
  ASSERT_TRUE(array.Next(&it, &v));
  ASSERT_TRUE(array.Next(&it, &v));
  EXPECT_EQ(v, 3);
  int32_t pair[2] = {7, 8};
  array.XTLArray::Insert(2, pair, 2);
  EXPECT_EQ(it.current, 5);
  ASSERT_TRUE(array.Current(&it, &v));
  EXPECT_EQ(v, 3);
  array.Insert(100, 9);  // after it: no change
  EXPECT_EQ(it.current, 5);
  ASSERT_TRUE(array.Next(&it, &v));
  EXPECT_EQ(v, 4);
}

TEST(XTLIterator, DeletingTheCurrentElementStepsToTheFollowingOne) {
  XTTArray<int32_t> array = Filled({1, 2, 3, 4, 5, 6});
  XTLIterator it;
  array.Register(&it);
  int32_t v = 0;
  array.Next(&it, &v);
  array.Next(&it, &v);
  array.Next(&it, &v);  // on 3
  ASSERT_TRUE(array.Delete(2, 3));  // removes 2, 3, 4
  EXPECT_EQ(it.current, kXTLRemoved);
  EXPECT_FALSE(array.Current(&it, &v));
  ASSERT_TRUE(array.Next(&it, &v));
  EXPECT_EQ(v, 5);
}

TEST(XTLIterator, RemovedStateFollowsLaterChanges) {
  XTTArray<int32_t> array = Filled({1, 2, 3, 4, 5, 6});
  XTLIterator it;
  array.Register(&it);
  int32_t v = 0;
  for (int i = 0; i < 4; ++i) array.Next(&it, &v);  // on 4
  array.Delete(4);             // next is 4 (the 5)
  array.Delete(1, 2);          // before it: next moves back to 2
  EXPECT_EQ(it.next, 2);
  array.Insert(1, 0);          // before it again: next moves on
  ASSERT_TRUE(array.Next(&it, &v));
  EXPECT_EQ(v, 5);
  XTLIterator other;
  array.Register(&other);
  for (int i = 0; i < 4; ++i) array.Next(&other, &v);  // on 5 (index 4)
  array.Delete(4);             // removed, next 4 (the 6)
  array.Delete(3, 2);          // deletes the 6 too: next clipped to 3
  EXPECT_EQ(other.next, 3);
  EXPECT_FALSE(array.Next(&other, &v));
  EXPECT_EQ(other.current, kXTLPastEnd);
  ASSERT_TRUE(array.Previous(&other, &v));
  EXPECT_EQ(v, 3);
}

TEST(XTLIterator, PreviousAndTheEnds) {
  XTTArray<int32_t> array = Filled({1, 2});
  XTLIterator it;
  array.Register(&it);
  int32_t v = 0;
  EXPECT_FALSE(array.Previous(&it, &v));
  EXPECT_EQ(it.current, kXTLBeforeFirst);
  ASSERT_TRUE(array.Next(&it, &v));
  ASSERT_TRUE(array.Next(&it, &v));
  EXPECT_FALSE(array.Next(&it, &v));
  EXPECT_FALSE(array.Next(&it, &v));
  ASSERT_TRUE(array.Previous(&it, &v));
  EXPECT_EQ(v, 2);
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
  EXPECT_EQ(a.array, nullptr);
}

TEST(XTLArray, CopyIsIndependentUnlockedAndWithoutIterators) {
  XTTArray<int32_t> source = Filled({3, 1, 2});
  XTLIterator it;
  source.Register(&it);
  source.Lock();
  XTLArray copy(source);
  source.Unlock();
  EXPECT_FALSE(copy.IsLocked());
  EXPECT_EQ(Contents(copy), (std::vector<int32_t>{3, 1, 2}));
  int32_t nine = 9;
  copy.Set(1, &nine);
  EXPECT_EQ(Contents(source), (std::vector<int32_t>{3, 1, 2}));
  copy.Delete(1);
  EXPECT_EQ(it.current, kXTLBeforeFirst);
  XTLArray owning(4, 0, new XTLLongComparator, true, true);
  XTLArray owning_copy(owning);
  EXPECT_NE(owning_copy.Comparator(), owning.Comparator());
  XTLArray sharing_copy(source);
  EXPECT_EQ(sharing_copy.Comparator(), source.Comparator());
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
