// The resource-container reader against files made by the writer, and against
// damaged files made by editing the writer's bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "container/raw_file.h"
#include "container/resource_file.h"
#include "tests/platform/tempdir.h"
#include "tools/container/container_writer.h"

namespace {

class ResFile : public ::testing::Test {
 protected:
  void TearDown() override {
    res_close_file(handle_);
    res_container_close(container_);
  }
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    testutil::WriteFile(dir_ / name, std::string(bytes.begin(), bytes.end()));
    return dir_ / name;
  }
  int Open(const std::vector<uint8_t>& bytes) {
    res_container_close(container_);
    const std::string path = Write("c.dat", bytes);
    handle_ = res_open_file(path.c_str());
    int error = 0;
    container_ = res_container_open(path.c_str(), &error);
    return handle_;
  }

  testutil::TempDir dir_;
  int handle_ = -1;
  ResContainer* container_ = nullptr;  // the same file, opened as a handle
};

std::vector<uint8_t> Bytes(const char* text) { return {text, text + std::strlen(text)}; }

// Takes the block's bytes and frees it.
std::string Take(EngHandle block) {
  if (!block) return "<null>";
  const uint8_t* p = eng_block_lock(block);
  std::string s(reinterpret_cast<const char*>(p), eng_block_size(block));
  eng_block_unlock(block);
  eng_block_free(block);
  return s;
}

void PutBe32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (24 - 8 * i));
}

TEST_F(ResFile, LooksUpByIdWholeNameAndPositionFirstMatchWins) {
  ContainerWriter w;
  w.Add("HYPd", 100, "", Bytes("trie"));
  w.Add("BAZA", 1, "lodmiany", Bytes("links"));
  w.Add("HYPd", 100, "", Bytes("second"));
  w.Add("BAZA", 2, "codmiany", Bytes("letters"));
  ASSERT_GE(Open(w.Build()), 1);
  EXPECT_EQ(Take(res_get_by_id("HYPd", 100)), "trie");
  EXPECT_EQ(Take(res_container_get_by_name(container_, "BAZA", "codmiany")), "letters");
  EXPECT_EQ(res_container_count_of_type(container_, "HYPd"), 2);
  EXPECT_EQ(Take(res_container_get_nth_of_type(container_, "HYPd", 2)), "second");
  EXPECT_EQ(Take(res_container_get_nth_of_type(container_, "HYPd", 3)), "<null>");
  // The same lookups on the container opened by res_open_file.
  EXPECT_EQ(Take(res_get_by_name("BAZA", "lodmiany")), "links");
  EXPECT_EQ(res_count_of_type("BAZA"), 2);
  EXPECT_EQ(Take(res_get_nth_of_type("BAZA", 2)), "letters");
  EXPECT_EQ(Take(res_get_nth_of_type("BAZA", 3)), "<null>");
  EXPECT_EQ(Take(res_get_by_id("hypd", 100)), "<null>") << "types are compared byte for byte";
  for (const char* other : {"lodmian", "odmiany", "lodmianyy"}) {
    EXPECT_EQ(Take(res_container_get_by_name(container_, "BAZA", other)), "<null>") << other;
  }
}

TEST_F(ResFile, NotFoundSetsCodeOnlyWhenEveryEntryIsUsed) {
  ContainerWriter full;
  full.Add("HYPd", 1, "", Bytes("a"));
  ASSERT_GE(Open(full.Build()), 1);
  EXPECT_EQ(res_get_by_id("HYPd", 2), nullptr);
  EXPECT_EQ(res_last_error(), kResNotFoundFull);

  ContainerWriter spare;
  spare.Add("HYPd", 1, "", Bytes("a"));
  spare.SetSpareEntries(3);
  ASSERT_GE(Open(spare.Build()), 1);
  EXPECT_EQ(res_last_error(), kResOk);
  EXPECT_EQ(res_get_by_id("HYPd", 2), nullptr);
  EXPECT_EQ(res_last_error(), kResOk);
}

TEST_F(ResFile, CapacityZeroOpensWithNothingInIt) {
  ContainerWriter w;
  ASSERT_GE(Open(w.Build()), 1);
  EXPECT_EQ(res_container_count_of_type(container_, "HYPd"), 0);
  EXPECT_EQ(res_get_by_id("HYPd", 100), nullptr);
}

// A size one past the end, and one where offset + size wraps in 32 bits.
TEST_F(ResFile, ResourceRunningPastTheEndIsRefused) {
  ContainerWriter w;
  w.Add("HYPd", 100, "", Bytes("abcd"));
  std::vector<uint8_t> cut = w.Build(), wrapping = cut;
  cut.pop_back();
  PutBe32(wrapping, 12 + 4, 0xFFFFFFF0u);
  for (const std::vector<uint8_t>& bytes : {cut, wrapping}) {
    ASSERT_GE(Open(bytes), 1);
    EXPECT_EQ(res_get_by_id("HYPd", 100), nullptr);
    EXPECT_EQ(res_last_error(), kResPastEnd);
  }
}

TEST_F(ResFile, DamagedHeadersFailAndLeaveNothingOpen) {
  ContainerWriter w;
  w.Add("HYPd", 100, "", Bytes("abcd"));
  const std::vector<uint8_t> good = w.Build();

  std::vector<uint8_t> small_table_end = good;
  PutBe32(small_table_end, 0, 5);
  EXPECT_EQ(Open(small_table_end), -1);
  EXPECT_EQ(res_last_error(), kResTableRead);
  EXPECT_EQ(res_close_file(1), kResCloseNotOpen) << "the failed open left a container open";

  std::vector<uint8_t> huge_table = good;
  PutBe32(huge_table, 0, 0xFFFFFFFFu);
  EXPECT_EQ(Open(huge_table), -1);
  EXPECT_EQ(res_last_error(), kResTableRead);

  EXPECT_EQ(Open(std::vector<uint8_t>(good.begin(), good.begin() + 7)), -1);
  EXPECT_EQ(res_last_error(), kResHeaderRead);

  EXPECT_EQ(res_open_file((dir_ / "missing.dat").c_str()), -1);
  EXPECT_EQ(res_last_error(), kResFileNotFound);
}

TEST_F(ResFile, RepeatedFailedOpensDoNotLeakHandles) {
  std::vector<uint8_t> bad(12, 0);
  PutBe32(bad, 0, 3);
  const std::string path = Write("bad.dat", bad);
  for (int i = 0; i < 200; ++i) ASSERT_EQ(res_open_file(path.c_str()), -1);
  ContainerWriter w;
  w.Add("HYPd", 1, "", Bytes("ok"));
  ASSERT_GE(Open(w.Build()), 1);
  EXPECT_EQ(Take(res_get_by_id("HYPd", 1)), "ok");
}

TEST_F(ResFile, SecondOpenReplacesTheFirst) {
  ContainerWriter a;
  a.Add("AAAA", 1, "", Bytes("first"));
  ContainerWriter b;
  b.Add("BBBB", 1, "", Bytes("second"));
  const int first = res_open_file(Write("a.dat", a.Build()).c_str());
  handle_ = res_open_file(Write("b.dat", b.Build()).c_str());
  ASSERT_GE(first, 1);
  ASSERT_GE(handle_, 1);
  EXPECT_EQ(Take(res_get_by_id("AAAA", 1)), "<null>");
  EXPECT_EQ(Take(res_get_by_id("BBBB", 1)), "second");
  EXPECT_EQ(res_close_file(handle_ + 1), kResWrongHandle);
  EXPECT_EQ(res_close_file(handle_), kResOk);
  EXPECT_EQ(res_close_file(handle_), kResCloseNotOpen);
  EXPECT_EQ(res_get_by_id("BBBB", 1), nullptr);
  EXPECT_EQ(res_last_error(), kResNotOpen);
}

TEST_F(ResFile, ResourcesLargerThanOneChunkLoadWhole) {
  std::vector<uint8_t> big(200000);
  for (size_t i = 0; i < big.size(); ++i) big[i] = uint8_t(i * 7 + i / 251);
  ContainerWriter w;
  w.Add("HYPd", 100, "", big);
  ASSERT_GE(Open(w.Build()), 1);
  const std::string got = Take(res_get_by_id("HYPd", 100));
  ASSERT_EQ(got.size(), big.size());
  EXPECT_EQ(std::memcmp(got.data(), big.data(), big.size()), 0);
}

TEST_F(ResFile, NoMemoryForTableOrResourceIsReported) {
  ContainerWriter w;
  w.Add("HYPd", 100, "", Bytes("abcd"));
  const std::vector<uint8_t> bytes = w.Build();
  eng_block_fail_after(0);
  EXPECT_EQ(Open(bytes), -1);
  EXPECT_EQ(res_last_error(), kResNoTableMemory);
  ASSERT_GE(Open(bytes), 1);
  eng_block_fail_after(0);
  EXPECT_EQ(res_get_by_id("HYPd", 100), nullptr);
  EXPECT_EQ(res_last_error(), kResNoBlockMemory);
}

TEST_F(ResFile, DataPartIsFoundThroughTheHeader) {
  ContainerWriter w;
  w.Add("BAZA", 1, "lodmiany", Bytes("links"));
  const uint32_t at = w.DataPartOffset();
  w.SetDataPart(Bytes("DATA"));
  const std::vector<uint8_t> bytes = w.Build();
  ASSERT_EQ(std::string(bytes.begin() + at, bytes.end()), "DATA");
  ASSERT_GE(Open(bytes), 1);
  uint16_t file = 0;
  ASSERT_EQ(res_container_open_data_part(container_, &file), kResOk);
  char got[4];
  EXPECT_EQ(eng_file_read(got, 4, file), 4u);
  EXPECT_EQ(std::string(got, 4), "DATA");
  ASSERT_EQ(res_open_data_part("c.dat", &file), kResOk);
  EXPECT_EQ(eng_file_read(got, 4, file), 4u);
  EXPECT_EQ(std::string(got, 4), "DATA");

  ContainerWriter none;
  none.Add("BAZA", 1, "", Bytes("x"));
  ASSERT_GE(Open(none.Build()), 1);
  EXPECT_EQ(res_container_open_data_part(container_, &file), kResNoDataPart);
  EXPECT_EQ(res_open_data_part("c.dat", &file), kResNoDataPart);
}

TEST(EngFile, ModesDecideWhatMayBeWritten) {
  testutil::TempDir dir;
  const std::string path = dir / "raw.bin";
  EXPECT_GE(eng_file_open(path.c_str(), kOpenReadWrite), kEngBadHandle) << "must exist";
  EXPECT_GE(eng_file_open(path.c_str(), 7), kEngBadHandle);
  uint16_t h = eng_file_open(path.c_str(), kOpenCreate);
  ASSERT_LT(h, kEngBadHandle);
  EXPECT_EQ(eng_file_write("abcdef", 6, h), 6u);
  EXPECT_EQ(eng_file_close(h), 0);
  h = eng_file_open(path.c_str(), kOpenReadWrite);
  ASSERT_LT(h, kEngBadHandle);
  ASSERT_EQ(eng_file_seek(2, h), 0);
  EXPECT_EQ(eng_file_write("XY", 2, h), 2u);
  EXPECT_EQ(eng_file_close(h), 0);
  EXPECT_EQ(testutil::ReadFile(path), "abXYef");
  h = eng_file_open(path.c_str(), kOpenRead);
  ASSERT_LT(h, kEngBadHandle);
  EXPECT_EQ(eng_file_write("zz", 2, h), 0u);  // read only
  EXPECT_EQ(eng_file_close(h), 0);
  h = eng_file_open(path.c_str(), kOpenCreate);  // truncates
  EXPECT_EQ(eng_file_length(h), 0u);
  EXPECT_EQ(eng_file_close(h), 0);
}

TEST(EngFile, ChunkAboveTheLimitIsRefusedAsNothingRead) {
  testutil::TempDir dir;
  const std::string path = dir / "chunk.bin";
  testutil::WriteFile(path, std::string(70000, 'x'));
  const uint16_t h = eng_file_open(path.c_str(), kOpenRead);
  ASSERT_LT(h, kEngBadHandle);
  std::vector<uint8_t> buf(70000, 0);
  uint32_t length = 65536;
  EXPECT_EQ(eng_read_chunk(h, &length, buf.data()), 1);
  EXPECT_EQ(length, 0u);
  length = 65535;
  EXPECT_EQ(eng_read_chunk(h, &length, buf.data()), 0);
  EXPECT_EQ(length, 65535u);
  EXPECT_EQ(eng_file_length(h), 70000u);
  length = 10;
  EXPECT_EQ(eng_read_chunk(h, &length, buf.data()), 0);
  EXPECT_EQ(length, 10u) << "the length query moved the file position";
  EXPECT_EQ(eng_file_close(h), 0);
  EXPECT_EQ(eng_file_close(h), 1);
}

}  // namespace
