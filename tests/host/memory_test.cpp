// Movable blocks: they move on resize, refuse to move while locked, and a
// released or foreign handle is refused with an error instead of trusted.
#include <gtest/gtest.h>

#include <cstring>

#include "host/frontend.h"
#include "host/memory.h"
#include "host/suites.h"

TEST(MemoryBlocks, ResizeMovesTheBytesAndKeepsThem) {
  MemoryBlocks blocks;
  xt_handle block = blocks.Allocate(4);
  std::memcpy(blocks.Lock(block), "abc", 4);
  const void* before = blocks.Lock(block);
  blocks.Unlock(block);
  blocks.Unlock(block);
  ASSERT_EQ(blocks.Resize(block, 1 << 16), 0);
  const auto* after = static_cast<const char*>(blocks.Lock(block));
  EXPECT_NE(static_cast<const void*>(after), before);
  EXPECT_STREQ(after, "abc");
  EXPECT_EQ(after[(1 << 16) - 1], 0);  // the new bytes are zero
  EXPECT_EQ(blocks.Size(block), size_t{1} << 16);
}

TEST(MemoryBlocks, LockedBlockDoesNotMoveUntilEveryLockIsUndone) {
  MemoryBlocks blocks;
  xt_handle block = blocks.Allocate(8);
  blocks.Lock(block);
  blocks.Lock(block);
  EXPECT_EQ(blocks.Resize(block, 16), MemoryBlocks::kBlockLocked);
  EXPECT_EQ(blocks.LastError(), MemoryBlocks::kBlockLocked);
  blocks.Unlock(block);
  EXPECT_EQ(blocks.Resize(block, 16), MemoryBlocks::kBlockLocked);
  blocks.Unlock(block);
  EXPECT_EQ(blocks.Resize(block, 16), 0);
  EXPECT_EQ(blocks.LastError(), 0);
}

TEST(MemoryBlocks, ReleasedAndForeignHandlesAreRefused) {
  MemoryBlocks blocks;
  xt_handle block = blocks.Allocate(8);
  blocks.Release(block);
  EXPECT_EQ(blocks.LiveBlocks(), 0u);
  blocks.Release(block);
  EXPECT_EQ(blocks.LastError(), MemoryBlocks::kBadHandle);
  EXPECT_EQ(blocks.Lock(block), nullptr);
  EXPECT_EQ(blocks.Size(nullptr), 0u);
  EXPECT_EQ(blocks.Resize(reinterpret_cast<xt_handle>(&blocks), 4), MemoryBlocks::kBadHandle);
}

TEST(MemoryBlocks, HugeRequestsFailAsMemoryFull) {
  MemoryBlocks blocks;
  EXPECT_EQ(blocks.Allocate(MemoryBlocks::kLargestBlock + 1), nullptr);
  EXPECT_EQ(blocks.LastError(), MemoryBlocks::kMemoryFull);
  xt_handle block = blocks.Allocate(0);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(blocks.Resize(block, static_cast<size_t>(-1)), MemoryBlocks::kMemoryFull);
  EXPECT_EQ(blocks.Size(block), 0u);
}

TEST(Suites, EveryTableIsCompleteAndUnknownIdsHaveNone) {
  const std::pair<uint32_t, size_t> suites[] = {
      {XT_SUITE_DOCUMENT, XT_DOCUMENT_SUITE_COUNT}, {XT_SUITE_STORY, XT_STORY_SUITE_COUNT},
      {XT_SUITE_HJ, XT_HJ_SUITE_COUNT},             {XT_SUITE_ENVIRONMENT, XT_ENVIRONMENT_SUITE_COUNT},
      {XT_SUITE_MENU, XT_MENU_SUITE_COUNT},         {XT_SUITE_MEMORY, XT_MEMORY_SUITE_COUNT},
      {XT_SUITE_STRING, XT_STRING_SUITE_COUNT},     {XT_SUITE_DIALOG, XT_DIALOG_SUITE_COUNT}};
  for (const auto& [id, count] : suites) {
    const auto table = SuiteTable(id);
    ASSERT_EQ(table.size(), count) << std::hex << id;
    for (const xt_fn fn : table) EXPECT_NE(fn, nullptr) << std::hex << id;
  }
  EXPECT_TRUE(SuiteTable(XT_FOURCC('N', 'O', 'N', 'E')).empty());
}

TEST(Suites, HostStringCopiesAreBoundedAndTerminated) {
  const auto table = StringSuiteTable();
  const auto make = reinterpret_cast<xt_handle (*)(const char*)>(table[0]);
  const auto copy = reinterpret_cast<int32_t (*)(xt_handle, char*, int32_t)>(table[1]);
  const auto dispose = reinterpret_cast<void (*)(xt_handle)>(table[2]);
  xt_handle string = make("Wirsel");
  char out[8] = "xxxxxxx";
  EXPECT_EQ(copy(string, out, 4), 3);
  EXPECT_STREQ(out, "Wir");
  EXPECT_EQ(copy(string, out, sizeof out), 6);
  EXPECT_STREQ(out, "Wirsel");
  EXPECT_EQ(copy(string, out, 0), 0);
  dispose(string);
  EXPECT_EQ(copy(string, out, sizeof out), 0);
}

namespace {

int32_t ThrowsSigned() { throw std::bad_alloc(); }
uint16_t ThrowsUnsigned() { throw std::bad_alloc(); }
void* ThrowsPointer() { throw std::bad_alloc(); }

}  // namespace

TEST(Suites, HostFailuresNeverReachThePluginAsExceptions) {
  TakeHostErrors();
  EXPECT_EQ(reinterpret_cast<int32_t (*)()>(Entry<ThrowsSigned>())(), -108);
  EXPECT_EQ(reinterpret_cast<uint16_t (*)()>(Entry<ThrowsUnsigned>())(), 0);
  EXPECT_EQ(reinterpret_cast<void* (*)()>(Entry<ThrowsPointer>())(), nullptr);
  EXPECT_EQ(TakeHostErrors().size(), 3u);
}
