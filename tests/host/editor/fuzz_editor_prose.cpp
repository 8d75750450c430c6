// Fuzz target for the editors' line reading (`wirsel spell -a -t/-H/-n`):
// the first byte chooses the markup and whether lines are sanitized first,
// the rest is read line by line with what each leaves open carried on. Every
// word must lie inside its line and show exactly its bytes (clang's
// libFuzzer only):
//   build-x/bin/editor_prose_fuzz tests/host/editor/data
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/editor_prose.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const auto markup = static_cast<Markup>(data[0] % 5);
  const bool sanitize = (data[0] & 0x80) != 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::string carry;
  size_t start = 0;
  while (start <= input.size()) {
    size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    const std::string line = sanitize ? SanitizeUtf8(input.substr(start, end - start))
                                      : std::string(input.substr(start, end - start));
    for (const wirsel::source::ProseRun& run : ReadPiece(markup, line, carry)) {
      if (run.offsets.size() != run.text.size() || run.ends.size() != run.text.size())
        __builtin_trap();
      for (const RunWord& word : WordsOfRun(run, line)) {
        if (word.start >= word.end || word.end > line.size()) __builtin_trap();
        if (word.word.shown != line.substr(word.start, word.end - word.start)) __builtin_trap();
      }
    }
    start = end + 1;
  }
  return 0;
}
