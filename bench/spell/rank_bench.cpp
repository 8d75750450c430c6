// Suggestion quality and speed next to libhunspell with the same hunspell-pl
// data, in one run: over a set of misspellings with the word that was meant
// (bench/spell/make_misspellings.py), how often the first suggestion is that
// word, how often it is in the list at all, how long the lists are and how
// long a misspelled word takes, for the alphabetical list of the
// misspelled-word dialog (what every list was before ranking), the ranked
// list, and hunspell's suggest. A second set with two errors in every word
// measures the wider search. hunspell's suggest takes tens of milliseconds a
// word, so it runs on every eighth row only, and the wirsel lists are given
// on those rows too for a fair comparison.
//
// usage: spell_rank_bench ONE_ERROR.tsv [TWO_ERRORS.tsv]
#include <hunspell/hunspell.hxx>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "base/charset.h"
#include "spell/engine/spell.h"

namespace {

constexpr char kAff[] = "/usr/share/hunspell/pl_PL.aff";
constexpr char kDic[] = "/usr/share/hunspell/pl_PL.dic";
constexpr size_t kHunspellEvery = 8;

// UTF-8 Polish text to Windows-1250 (other characters become '?').
std::string Win1250(const std::string& utf8) {
  static const std::pair<char32_t, char> kPolish[] = {
      {U'ą', '\xB9'}, {U'ć', '\xE6'}, {U'ę', '\xEA'}, {U'ł', '\xB3'}, {U'ń', '\xF1'},
      {U'ó', '\xF3'}, {U'ś', '\x9C'}, {U'ź', '\x9F'}, {U'ż', '\xBF'}, {U'Ą', '\xA5'},
      {U'Ć', '\xC6'}, {U'Ę', '\xCA'}, {U'Ł', '\xA3'}, {U'Ń', '\xD1'}, {U'Ó', '\xD3'},
      {U'Ś', '\x8C'}, {U'Ź', '\x8F'}, {U'Ż', '\xAF'}};
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      out.push_back(char(b));
      continue;
    }
    char32_t c = '?';
    if ((b & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
      c = char32_t((b & 0x1F) << 6 | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
    }
    char mapped = '?';
    for (const auto& [cp, w] : kPolish) {
      if (cp == c) mapped = w;
    }
    out.push_back(mapped);
  }
  return out;
}

std::string Convert(const std::string& text, int from, int to) {
  const CharsetConverter converter(from, to);
  std::string s = text;
  converter.ConvertString(s.data());
  return s;
}

struct Row {
  std::string typed, meant;  // Windows-1250
};

std::vector<Row> ReadRows(const char* path) {
  std::vector<Row> rows;
  std::ifstream in(path);
  if (!in) {
    std::fprintf(stderr, "spell_rank_bench: cannot read %s\n", path);
    std::exit(2);
  }
  for (std::string line; std::getline(in, line);) {
    const size_t tab = line.find('\t');
    if (tab != std::string::npos) rows.push_back({Win1250(line.substr(0, tab)), Win1250(line.substr(tab + 1))});
  }
  return rows;
}

struct Figures {
  size_t rows = 0, first = 0, listed = 0, total = 0;
  std::vector<double> micros;

  void Add(const Row& row, const std::vector<std::string>& list, double us) {
    ++rows;
    first += !list.empty() && list.front() == row.meant;
    listed += std::find(list.begin(), list.end(), row.meant) != list.end();
    total += list.size();
    micros.push_back(us);
  }
  double Percentile(double p) {
    if (micros.empty()) return 0;
    std::sort(micros.begin(), micros.end());
    return micros[std::min(micros.size() - 1, size_t(p * double(micros.size())))];
  }
  void Print(const char* name) {
    const double n = rows ? double(rows) : 1;
    std::printf("  %-26s first right %5.1f%%  in list %5.1f%%  %4.1f suggestions  median %7.0f us  p90 %7.0f us\n",
                name, 100.0 * double(first) / n, 100.0 * double(listed) / n, double(total) / n,
                Percentile(0.5), Percentile(0.9));
  }
};

template <typename Suggest>
double Timed(Suggest suggest, std::vector<std::string>* out) {
  const auto start = std::chrono::steady_clock::now();
  suggest(out);
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

void RunSet(const char* path, const SpellDict* dict, Hunspell& hunspell) {
  std::vector<Row> rows = ReadRows(path);
  size_t skipped_word = 0, skipped_unknown = 0;
  Figures alphabetical, ranked, ranked_sample, hun;
  std::vector<std::string> list;
  for (const Row& row : rows) {
    if (spell_dict_check(dict, row.typed.c_str(), 0)) {
      ++skipped_word;
      continue;
    }
    if (!spell_dict_check(dict, row.meant.c_str(), 0)) {
      ++skipped_unknown;
      continue;
    }
    double us = Timed([&](auto* out) { spell_dict_suggest(dict, row.typed.c_str(), SuggestOrder::kAlphabetical, out); }, &list);
    alphabetical.Add(row, list, us);
    us = Timed([&](auto* out) { spell_dict_suggest(dict, row.typed.c_str(), SuggestOrder::kRanked, out); }, &list);
    ranked.Add(row, list, us);
    if (ranked.rows % kHunspellEvery != 1) continue;
    ranked_sample.Add(row, list, us);
    us = Timed([&](auto* out) {
      *out = hunspell.suggest(Convert(row.typed, kCharsetWin, kCharsetIso));
      for (std::string& s : *out) s = Convert(s, kCharsetIso, kCharsetWin);
    }, &list);
    hun.Add(row, list, us);
  }
  std::printf("%s: %zu misspellings (%zu rows left out: the misspelling is a word; %zu: the meant word is not in son.dic)\n",
              path, ranked.rows, skipped_word, skipped_unknown);
  alphabetical.Print("wirsel, alphabetical");
  ranked.Print("wirsel, ranked");
  std::printf("  on every %zuth of them (%zu rows):\n", kHunspellEvery, hun.rows);
  ranked_sample.Print("wirsel, ranked");
  hun.Print("hunspell suggest");
  const double ratio =
      hun.Percentile(0.5) > 0 ? ranked_sample.Percentile(0.5) / hun.Percentile(0.5) : 0;
  std::printf("  median time ranked / hunspell: %.3f\n", ratio);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: spell_rank_bench ONE_ERROR.tsv [TWO_ERRORS.tsv]\n");
    return 2;
  }
  SpellDict* dict = nullptr;
  int detail = 0;
  if (spell_dict_open(WIRSEL_SON_DIC, &dict, &detail) != 0) {
    std::fprintf(stderr, "spell_rank_bench: cannot open %s (%d)\n", WIRSEL_SON_DIC, detail);
    return 2;
  }
  Hunspell hunspell(kAff, kDic);
  for (int i = 1; i < argc; ++i) RunSet(argv[i], dict, hunspell);
  spell_dict_close(&dict);
  return 0;
}
