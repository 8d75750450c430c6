// Lookup and suggestion speed of the spelling engine next to libhunspell with
// the same hunspell-pl data, on the same words: the Polish translations of
// the system's message catalogs (/usr/share/locale/pl), with misspellings
// made from them by one edit; and the cost of opening son.dic.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <hunspell/hunspell.hxx>
#include <random>
#include <string>
#include <vector>

#include "base/charset.h"
#include "spell/engine/letters.h"
#include "spell/engine/spell.h"

namespace {

constexpr char kAff[] = "/usr/share/hunspell/pl_PL.aff";
constexpr char kDic[] = "/usr/share/hunspell/pl_PL.dic";

// One UTF-8 code point to Windows-1250 (Polish letters and ASCII; 0 else).
unsigned char Cp1250(char32_t c) {
  static const std::pair<char32_t, unsigned char> kPolish[] = {
      {U'ą', 0xB9}, {U'ć', 0xE6}, {U'ę', 0xEA}, {U'ł', 0xB3}, {U'ń', 0xF1}, {U'ó', 0xF3},
      {U'ś', 0x9C}, {U'ź', 0x9F}, {U'ż', 0xBF}, {U'Ą', 0xA5}, {U'Ć', 0xC6}, {U'Ę', 0xCA},
      {U'Ł', 0xA3}, {U'Ń', 0xD1}, {U'Ó', 0xD3}, {U'Ś', 0x8C}, {U'Ź', 0x8F}, {U'Ż', 0xAF}};
  if (c < 0x80) return static_cast<unsigned char>(c);
  for (const auto& [cp, b] : kPolish) {
    if (cp == c) return b;
  }
  return 0;
}

// hunspell-pl speaks ISO-8859-2, which differs from Windows-1250 in six
// Polish letters.
std::string ToIso2(std::string s) {
  static const CharsetConverter win_to_iso(kCharsetWin, kCharsetIso);
  win_to_iso.ConvertString(s.data());
  return s;
}

// Words (Windows-1250, letters only) of the translated texts of one .mo file.
void WordsOfCatalog(const std::string& path, std::vector<std::string>* words) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  auto u32 = [&](size_t at) {
    uint32_t v = 0;
    if (at + 4 <= bytes.size()) std::memcpy(&v, bytes.data() + at, 4);
    return v;
  };
  if (u32(0) != 0x950412deu) return;
  const uint32_t count = u32(8), table = u32(16);
  for (uint32_t i = 1; i < count; ++i) {
    const uint32_t length = u32(table + 8 * i), offset = u32(table + 8 * i + 4);
    if (uint64_t(offset) + length > bytes.size()) continue;
    std::string word;
    for (size_t p = offset; p <= offset + length; ++p) {
      char32_t c = 0;
      if (p < offset + length) {
        unsigned char b = static_cast<unsigned char>(bytes[p]);
        c = b;
        if (b >= 0xC0 && p + 1 < offset + length) {
          c = char32_t((b & 0x1F) << 6 | (static_cast<unsigned char>(bytes[p + 1]) & 0x3F));
          ++p;
        }
      }
      const unsigned char w = Cp1250(c);
      if (w && w != '-' && LetterCode(w)) {
        word.push_back(char(w));
      } else {
        if (word.size() > 1) words->push_back(word);
        word.clear();
      }
    }
  }
}

struct Corpus {
  std::vector<std::string> words;         // the text's words, Windows-1250
  std::vector<std::string> misspellings;  // rejected by both checkers
  Hunspell* hunspell = nullptr;
  bool ready = false;

  Corpus() {
    std::vector<std::filesystem::path> catalogs;
    std::error_code ec;
    for (const auto& e :
         std::filesystem::directory_iterator("/usr/share/locale/pl/LC_MESSAGES", ec)) {
      catalogs.push_back(e.path());
    }
    std::sort(catalogs.begin(), catalogs.end());
    for (const auto& c : catalogs) WordsOfCatalog(c.string(), &words);
    if (words.size() > 200000) words.resize(200000);
    hunspell = new Hunspell(kAff, kDic);
    if (words.empty() || spell_open(WIRSEL_SON_DIC) != 0) return;
    std::mt19937 random(11);
    const std::string letters = "aeioulnrstkz\xbf\xb3\xf3\xea\xb9";
    for (size_t n = 0; misspellings.size() < 200 && n < 100000; ++n) {
      std::string w = words[random() % words.size()];
      if (w.size() < 4 || !spell_check_word(w.c_str())) continue;
      const size_t i = random() % w.size();
      switch (random() % 3) {
        case 0:
          w.erase(i, 1);
          break;
        case 1:
          w[i] = letters[random() % letters.size()];
          break;
        default:
          if (i + 1 < w.size()) std::swap(w[i], w[i + 1]);
          break;
      }
      if (!spell_check_word(w.c_str()) && !hunspell->spell(ToIso2(w))) misspellings.push_back(w);
    }
    ready = true;
  }
};

Corpus& TheCorpus() {
  static Corpus corpus;
  return corpus;
}

void CheckWirsel(benchmark::State& state) {
  Corpus& c = TheCorpus();
  if (!c.ready) return state.SkipWithError("no son.dic or no message catalogs");
  size_t accepted = 0;
  for (auto _ : state) {
    for (const std::string& w : c.words) accepted += size_t(spell_check_word(w.c_str()));
  }
  benchmark::DoNotOptimize(accepted);
  state.SetItemsProcessed(int64_t(state.iterations() * c.words.size()));
  state.counters["accepted%"] =
      100.0 * double(accepted) / double(state.iterations() * c.words.size());
}

void CheckHunspell(benchmark::State& state) {
  Corpus& c = TheCorpus();
  if (!c.ready) return state.SkipWithError("no son.dic or no message catalogs");
  std::vector<std::string> iso;
  for (const std::string& w : c.words) iso.push_back(ToIso2(w));
  size_t accepted = 0;
  for (auto _ : state) {
    for (const std::string& w : iso) accepted += c.hunspell->spell(w) ? 1 : 0;
  }
  benchmark::DoNotOptimize(accepted);
  state.SetItemsProcessed(int64_t(state.iterations() * iso.size()));
  state.counters["accepted%"] = 100.0 * double(accepted) / double(state.iterations() * iso.size());
}

void SuggestWirsel(benchmark::State& state) {
  Corpus& c = TheCorpus();
  if (!c.ready) return state.SkipWithError("no son.dic or no message catalogs");
  for (auto _ : state) {
    for (const std::string& w : c.misspellings) spell_free_suggestions(spell_suggest(w.c_str()));
  }
  state.SetItemsProcessed(int64_t(state.iterations() * c.misspellings.size()));
}

void SuggestHunspell(benchmark::State& state) {
  Corpus& c = TheCorpus();
  if (!c.ready) return state.SkipWithError("no son.dic or no message catalogs");
  for (auto _ : state) {
    for (const std::string& w : c.misspellings)
      benchmark::DoNotOptimize(c.hunspell->suggest(ToIso2(w)));
  }
  state.SetItemsProcessed(int64_t(state.iterations() * c.misspellings.size()));
}

void OpenClose(benchmark::State& state) {
  Corpus& c = TheCorpus();
  if (!c.ready) return state.SkipWithError("no son.dic");
  spell_close();
  for (auto _ : state) {
    if (spell_open(WIRSEL_SON_DIC) != 0) return state.SkipWithError("cannot open son.dic");
    spell_close();
  }
  spell_open(WIRSEL_SON_DIC);
}

BENCHMARK(CheckWirsel)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckHunspell)->Unit(benchmark::kMillisecond);
BENCHMARK(SuggestWirsel)->Unit(benchmark::kMillisecond);
BENCHMARK(SuggestHunspell)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(OpenClose)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
