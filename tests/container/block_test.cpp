// Movable blocks: locking, growth, discarding and the injected "no memory".
#include <gtest/gtest.h>

#include <cstring>

#include "container/block.h"

TEST(Block, ZeroInitialisedGrowthKeepsPrefixAndZeroesTail) {
  EngHandle b = eng_block_alloc(4, kBlockZeroInit);
  ASSERT_NE(b, nullptr);
  std::memcpy(eng_block_lock(b), "abcd", 4);
  eng_block_unlock(b);
  ASSERT_TRUE(eng_block_resize(b, 4096));
  const uint8_t* p = eng_block_lock(b);
  EXPECT_EQ(std::memcmp(p, "abcd", 4), 0);
  for (size_t i = 4; i < 4096; ++i) ASSERT_EQ(p[i], 0) << i;
  eng_block_unlock(b);
  eng_block_free(b);
}

TEST(Block, LockedBlockIsNeitherResizedNorDiscarded) {
  EngHandle b = eng_block_alloc(8, kBlockDiscardable);
  eng_block_lock(b);
  EXPECT_FALSE(eng_block_resize(b, 16));
  EXPECT_EQ(eng_block_discard_all(), 0u);
  EXPECT_EQ(eng_block_size(b), 8u);
  eng_block_unlock(b);
  eng_block_free(b);
}

TEST(Block, DiscardDropsOnlyUnlockedDiscardableBlocksAndResizeRevives) {
  EngHandle keep = eng_block_alloc(8, kBlockMovable);
  EngHandle drop = eng_block_alloc(8, kBlockDiscardable | kBlockZeroInit);
  EXPECT_EQ(eng_block_discard_all(), 1u);
  EXPECT_NE(eng_block_lock(keep), nullptr);
  eng_block_unlock(keep);
  EXPECT_EQ(eng_block_lock(drop), nullptr);
  EXPECT_EQ(eng_block_size(drop), 0u);
  ASSERT_TRUE(eng_block_resize(drop, 8));
  const uint8_t* p = eng_block_lock(drop);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p[7], 0);
  eng_block_unlock(drop);
  eng_block_free(keep);
  eng_block_free(drop);
}

TEST(Block, InjectedFailureHitsExactlyTheChosenAllocation) {
  const size_t live = eng_block_live_count();
  eng_block_fail_after(1);
  EngHandle first = eng_block_alloc(1, 0);
  EXPECT_NE(first, nullptr);
  EXPECT_FALSE(eng_block_resize(first, 2));
  EXPECT_EQ(eng_block_size(first), 1u);
  EngHandle third = eng_block_alloc(1, 0);
  EXPECT_NE(third, nullptr);
  eng_block_free(first);
  eng_block_free(third);
  EXPECT_EQ(eng_block_live_count(), live);
}

TEST(Block, OversizedRequestFailsInsteadOfAborting) {
  EXPECT_EQ(eng_block_alloc(kEngBlockMaxSize + 1, 0), nullptr);
  EXPECT_EQ(eng_block_alloc(size_t{0xFFFFFFFF}, 0), nullptr);
}
