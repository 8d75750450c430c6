// Opening PLHYPH.DAT: missing and damaged resources, bases and op chains
// that lead outside their tables, no memory, and nothing left behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "container/resource_file.h"
#include "tests/hyph/engine/hyph_test_util.h"
#include "tools/container/container_writer.h"

namespace {

// The resources of a small compiled file, to be damaged one at a time.
struct Resources {
  std::vector<uint8_t> trie, ops, builtin, user;
};

Resources Split(const std::vector<uint8_t>& file) {
  const auto read = [&](int index) {
    const uint8_t* e = file.data() + 12 + 34 * index;
    const uint32_t size = uint32_t(e[4]) << 24 | e[5] << 16 | e[6] << 8 | e[7];
    const uint32_t at = uint32_t(e[8]) << 24 | e[9] << 16 | e[10] << 8 | e[11];
    return std::vector<uint8_t>(file.begin() + at, file.begin() + at + size);
  };
  return {read(0), read(1), read(2), read(3)};
}

std::vector<uint8_t> Join(const Resources& r, bool with_builtin = true) {
  ContainerWriter w;
  w.Add("HYPd", 100, "", r.trie);
  w.Add("HYPd", 101, "", r.ops);
  if (with_builtin) w.Add("HYPd", 103, "", r.builtin);
  w.Add("HYPd", 104, "", r.user);
  return w.Build();
}

class HyphOpen : public ::testing::Test {
 protected:
  int Open(const std::vector<uint8_t>& bytes) {
    const auto path = dir_ / "PLHYPH.DAT";
    WriteBytes(path, std::string(bytes.begin(), bytes.end()));
    live_ = eng_block_live_count();
    const int result = hyph_open(path.c_str(), &engine_.engine);
    if (result != kHyphOk) {
      EXPECT_EQ(engine_.engine, nullptr);
      EXPECT_EQ(eng_block_live_count(), live_) << "a failed open left blocks behind";
    }
    return result;
  }
  ScratchDir dir_;
  EngineCloser engine_;
  size_t live_ = 0;
  const Resources good_ = Split(CompileHyphData("a1b\n2b1c8\n", "ab-ab\n"));
};

TEST_F(HyphOpen, WellFormedFileOpensAndClosesWithoutLeaks) {
  ASSERT_EQ(Open(Join(good_)), kHyphOk);
  hyph_close(engine_.engine);
  engine_.engine = nullptr;
  EXPECT_EQ(eng_block_live_count(), live_);
  hyph_close(nullptr);
}

TEST_F(HyphOpen, MissingResourceGivesItsId) {
  EXPECT_EQ(Open(Join(good_, false)), kHyphBadBuiltin);
}

TEST_F(HyphOpen, MissingFileGivesTheContainerCode) {
  HyphHandle engine = nullptr;
  EXPECT_EQ(hyph_open((dir_ / "none.dat").c_str(), &engine), kResFileNotFound);
  EXPECT_EQ(engine, nullptr);
}

TEST_F(HyphOpen, ResourcePastTheEndOfTheFileIsRefused) {
  std::vector<uint8_t> bytes = Join(good_);
  bytes.resize(bytes.size() - 1);
  EXPECT_EQ(Open(bytes), kHyphBadDefaultUser);
  bytes.resize(12 + 34 * 4 + 10);
  EXPECT_EQ(Open(bytes), kHyphBadTrie);
}

TEST_F(HyphOpen, BaseWhoseChildrenLeaveTheTrieIsRefused) {
  Resources r = good_;
  // Node 'a' (the root child for code 0x61) points its family at the end.
  const size_t count = r.trie.size() / 6;
  const uint16_t base = uint16_t(count - 255);
  r.trie[6 * 'a'] = uint8_t(base >> 8);
  r.trie[6 * 'a' + 1] = uint8_t(base);
  EXPECT_EQ(Open(Join(r)), kHyphBadTrie);
  r.trie.resize(6 * 200);
  EXPECT_EQ(Open(Join(r)), kHyphBadTrie) << "a trie without room for every first byte";
}

TEST_F(HyphOpen, SentinelCodeInANodeIsRefused) {
  Resources r = good_;
  r.trie[6 * 0x80 + 4] = 0x80;
  EXPECT_EQ(Open(Join(r)), kHyphBadTrie);
}

TEST_F(HyphOpen, OpChainsThatLeaveTheTableOrLoopAreRefused) {
  Resources outside = good_;
  outside.ops[4] = 0x7F;  // op 1's next
  EXPECT_EQ(Open(Join(outside)), kHyphBadOps);

  Resources loop = good_;
  ASSERT_GE(loop.ops.size(), 12u);
  loop.ops[4] = 0;
  loop.ops[5] = 2;  // 1 -> 2
  loop.ops[8] = 0;
  loop.ops[9] = 1;  // 2 -> 1
  EXPECT_EQ(Open(Join(loop)), kHyphBadOps);

  Resources node_op = good_;
  node_op.trie[6 * 'a' + 2] = 0x7F;
  EXPECT_EQ(Open(Join(node_op)), kHyphBadTrie);
}

TEST_F(HyphOpen, ExceptionListWithoutItsTerminatorIsRefused) {
  Resources r = good_;
  r.builtin.pop_back();
  EXPECT_EQ(Open(Join(r)), kHyphBadBuiltin);
  r = good_;
  r.user = {9, 3, 'a', 'b', 'c', 0, 7, 0};  // position beyond the letters, no end
  EXPECT_EQ(Open(Join(r)), kHyphBadDefaultUser);
}

TEST_F(HyphOpen, NoMemoryAtAnyStepFailsCleanly) {
  eng_block_fail_after(0);
  EXPECT_EQ(Open(Join(good_)), kHyphNoStateMemory);
  for (long step = 1; step < 8; ++step) {
    eng_block_fail_after(step);
    const int result = Open(Join(good_));
    eng_block_fail_after(-1);
    if (result == kHyphOk) break;
    EXPECT_NE(result, kHyphNoStateMemory) << step;
  }
}

TEST_F(HyphOpen, DistanceBeforeTheWordIsIgnored) {
  Resources r = good_;
  for (size_t i = 4; i < r.ops.size(); i += 4) r.ops[i + 2] = 200;
  ASSERT_EQ(Open(Join(r)), kHyphOk);
  EXPECT_EQ(Hyphenate(engine_.engine, "aabbaabb"), "aabbaabb");
}

}  // namespace
