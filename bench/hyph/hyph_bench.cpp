// hyph_word against libhyphen on the same words (a sample of Debian's Polish
// word list) in one run; items per second are words per second.
#include <benchmark/benchmark.h>
#include <hyphen.h>

#include <vector>

#include "hyph/engine/hyph.h"
#include "tests/hyph/engine/wordlist.h"

namespace {

const std::vector<PolishWord>& Words() {
  static const std::vector<PolishWord> words = LoadPolishWords(40);
  return words;
}

void BM_HyphWord(benchmark::State& state) {
  HyphHandle engine = nullptr;
  if (hyph_open(WIRSEL_PLHYPH_DAT, &engine) != kHyphOk) {
    state.SkipWithError("cannot open PLHYPH.DAT");
    return;
  }
  char out[600];
  for (auto _ : state) {
    for (const PolishWord& w : Words()) {
      hyph_word(engine, w.cp1250.c_str(), out, sizeof out, false);
      benchmark::DoNotOptimize(out);
    }
  }
  state.SetItemsProcessed(int64_t(state.iterations() * Words().size()));
  hyph_close(engine);
}
BENCHMARK(BM_HyphWord)->Unit(benchmark::kMillisecond);

void BM_Libhyphen(benchmark::State& state) {
  HyphenDict* dict = hnj_hyphen_load("/usr/share/hyphen/hyph_pl_PL.dic");
  if (!dict) {
    state.SkipWithError("cannot load the patterns");
    return;
  }
  std::vector<char> hyphens(600);
  for (auto _ : state) {
    for (const PolishWord& w : Words()) {
      char** rep = nullptr;
      int* pos = nullptr;
      int* cut = nullptr;
      hnj_hyphen_hyphenate2(dict, w.iso.c_str(), int(w.iso.size()), hyphens.data(), nullptr, &rep,
                            &pos, &cut);
      benchmark::DoNotOptimize(hyphens.data());
    }
  }
  state.SetItemsProcessed(int64_t(state.iterations() * Words().size()));
  hnj_hyphen_free(dict);
}
BENCHMARK(BM_Libhyphen)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
