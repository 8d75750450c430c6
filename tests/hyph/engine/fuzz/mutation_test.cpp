// Deterministic mutations of a real PLHYPH.DAT fed through the fuzz body:
// flipped bytes, cut files, and offsets and bases set to extremes. The run
// must finish without a crash or (under the sanitizers) a bad read.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/hyph/engine/fuzz/hyph_fuzz.h"
#include "tests/hyph/engine/hyph_test_util.h"

namespace {

TEST(HyphFuzz, MutatedDataFilesAreHandledSafely) {
  const std::vector<uint8_t> base =
      CompileHyphData("a1b\n2b1c8\n.ab1\nż1ź\n1ka\n", "ab-ab\n", "prze-pis\nkot\n");
  std::mt19937 random(20240613);
  for (int round = 0; round < 600; ++round) {
    std::vector<uint8_t> bytes = base;
    const int edits = 1 + int(random() % 8);
    for (int e = 0; e < edits; ++e) {
      const size_t at = random() % bytes.size();
      switch (random() % 4) {
        case 0: bytes[at] = uint8_t(random()); break;
        case 1: bytes[at] = 0xFF; break;
        case 2: bytes[at] = 0; break;
        case 3: bytes.resize(at + 1); break;
      }
    }
    bytes.push_back(0);
    bytes.insert(bytes.end(), {'k', 'o', 't', 0, 0xBF, 0xFF, 'a', 'b', 0});
    HyphFuzzOne(bytes.data(), bytes.size());
  }
  HyphFuzzOne(base.data(), base.size());
}

}  // namespace
