// The typography pass over Polish stories of 100 kB, 1 MB and 10 MB: the time
// per character stays flat when the pass is linear. Reports characters per
// second. The story is held in memory, so the figure is the pass's own cost.
#include <benchmark/benchmark.h>

#include <string>

#include "tests/typo/memory_story.h"
#include "typo/typo_rules.h"

namespace {

// Prose that gives every rule work: spaces around punctuation, dashes,
// one-letter words, units, abbreviations, Roman numerals and quotations.
constexpr const char* kParagraph =
    "W rozdziale XII autor pisze , że \"dom \"na skraju\" lasu\" kosztował 10 kg złota - "
    "tak ,przynajmniej twierdzi firma Sp. z o.o.( zob. www.przyklad.pl ) i  jej prezes . "
    "Z kolei o 5 zł mniej zapłacono za 3,14 ha ziemi w 1.000 dni ;nikt nie wie ,dlaczego.\n";

std::string PolishText(size_t bytes) {
  std::string text;
  text.reserve(bytes + 256);
  while (text.size() < bytes) text += kParagraph;
  return text;
}

void BM_TypographyPass(benchmark::State& state) {
  const std::string text = PolishText(static_cast<size_t>(state.range(0)));
  const TypographyOptions options = DefaultTypographyOptions();
  TypoCharTable table;
  BuildTypoCharTable(table, options);
  int64_t characters = 0;
  for (auto _ : state) {
    state.PauseTiming();
    MemoryStory story(text);
    characters += story.Length();
    state.ResumeTiming();
    RunTypography(story, options, table, true);
    benchmark::DoNotOptimize(story.edits);
  }
  state.SetComplexityN(state.range(0));
  state.counters["chars/s"] =
      benchmark::Counter(static_cast<double>(characters), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TypographyPass)
    ->ArgsProduct({{100 << 10, 1 << 20, 10 << 20}})
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
