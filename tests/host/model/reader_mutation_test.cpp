// Damaged files: every fixture with bytes flipped, cut or duplicated (fixed
// seed) is either read or refused with an IoError; nothing else escapes.
// Run under the sanitizers this also shows that no read goes out of bounds.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "host/io/files.h"
#include "host/io/io_error.h"
#include "host/io/json_format.h"
#include "host/io/text_format.h"

namespace wirsel::io {
namespace {

namespace fs = std::filesystem;

std::string Mutate(std::string bytes, std::mt19937& random) {
  const int edits = 1 + static_cast<int>(random() % 4);
  for (int i = 0; i < edits && !bytes.empty(); ++i) {
    std::size_t at = random() % bytes.size();
    switch (random() % 4) {
      case 0: bytes[at] = static_cast<char>(random()); break;
      case 1: bytes.resize(at); break;
      case 2: bytes.insert(at, bytes.substr(at, random() % 16)); break;
      default: bytes.erase(at, 1 + random() % 8); break;
    }
  }
  return bytes;
}

template <typename Read>
void MutateAll(const char* folder, const char* extension, Read read) {
  std::mt19937 random(20240517);
  int files = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(HOST_MODEL_DATA) / folder)) {
    if (entry.path().extension() != extension) continue;
    ++files;
    const std::string original = ReadFileBytes(entry.path().string());
    for (int round = 0; round < 300; ++round) {
      std::string damaged = Mutate(original, random);
      try {
        read(damaged);
      } catch (const IoError& error) {
        EXPECT_FALSE(error.reason().empty());
      }
    }
  }
  EXPECT_GT(files, 0);
}

TEST(DamagedInput, TextReaderReadsOrRefuses) {
  MutateAll("roundtrip", ".txt", [](const std::string& bytes) {
    TextFile file = ParseText(bytes, "damaged.txt");
    const auto& document = *file.document;
    RenderStory(*document.story(document.StoryOfBox(document.FirstTextBox())), TextFlavor::kHtml,
                file.line_end);
  });
}

TEST(DamagedInput, JsonReaderReadsOrRefuses) {
  auto read = [](const std::string& bytes) {
    JsonDocument file = ParseJson(bytes, "damaged.json");
    RenderJson(*file.document, file.tool);
  };
  MutateAll("json", ".json", read);
  MutateAll("json_errors", ".json", read);
}

}  // namespace
}  // namespace wirsel::io
