// The son.dic compiler: expansion, placement by kind, container assembly.
#include "tools/mkdict/son_builder.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <unordered_set>

#include "spell/engine/letters.h"
#include "spell/engine/spell.h"
#include "spell/engine/user_dict.h"
#include "tools/container/container_writer.h"
#include "tools/mkdict/hunspell_affix.h"

namespace {

constexpr int kMaxTreesPerKind = 10;
constexpr size_t kMaxEndingSets = 43 * 255;

enum class FormKind { kSmall, kCapitals, kMixed, kOther };

FormKind Classify(const std::string& text, std::string* codes) {
  codes->clear();
  for (char c : text) {
    uint8_t code = LetterCode(uint8_t(c));
    if (code == 0) return FormKind::kOther;
    codes->push_back(char(code));
  }
  if (codes->empty()) return FormKind::kOther;
  bool first_capital = IsCapitalCode(uint8_t((*codes)[0]));
  bool later_capital = false, later_small = false;
  for (size_t i = 1; i < codes->size(); ++i) {
    (IsCapitalCode(uint8_t((*codes)[i])) ? later_capital : later_small) = true;
  }
  if (!first_capital) return later_capital ? FormKind::kMixed : FormKind::kSmall;
  if (later_capital && later_small) return FormKind::kMixed;
  return FormKind::kCapitals;
}

void SortUnique(std::vector<std::string>* words) {
  std::sort(words->begin(), words->end());
  words->erase(std::unique(words->begin(), words->end()), words->end());
}

// Fills up to `max_trees` trees with the sorted words, each taking the next
// run of words that fits; returns how many words were placed.
size_t FillTrees(const std::vector<std::string>& words, int max_trees, size_t budget,
                 std::vector<PackedTree>* trees, KindSummary* summary) {
  size_t next = 0;
  while (int(trees->size()) < max_trees && next < words.size()) {
    for (size_t aim = budget;; aim = aim * 15 / 16) {
      WordGraph graph;
      size_t end = next;
      while (end < words.size() && (graph.Positions() < aim || end == next))
        graph.Add(words[end++]);
      PackedTree tree;
      if (!graph.Pack(&tree)) continue;
      summary->positions += tree.letters.size();
      trees->push_back(std::move(tree));
      next = end;
      break;
    }
  }
  summary->trees = trees->size();
  summary->placed = next;
  return next;
}

// The trees of the capitalised forms or the abbreviations: the forms sorted,
// as many as fit placed, the rest counted as dropped and left out of `forms`.
std::vector<PackedTree> TreesOfKind(std::vector<std::string>* forms, size_t budget,
                                    KindSummary* summary) {
  SortUnique(forms);
  summary->forms = forms->size();
  std::vector<PackedTree> trees;
  const size_t placed = FillTrees(*forms, kMaxTreesPerKind, budget, &trees, summary);
  summary->dropped = forms->size() - placed;
  forms->resize(placed);
  return trees;
}

void AddTrees(ContainerWriter* writer, const char* link_type, const char* letter_type,
              const std::vector<PackedTree>& trees) {
  uint16_t id = 128;
  for (const PackedTree& tree : trees) {
    writer->Add(link_type, id, "", tree.links);
    writer->Add(letter_type, id, "", tree.letters);
    ++id;
  }
}

bool ReadWordList(const std::string& path, std::vector<std::string>* codes, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = "cannot read " + path;
    return false;
  }
  std::string line, word;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (Classify(line, &word) != FormKind::kSmall) {
      *error = path + ": not a small-letter word: " + line;
      return false;
    }
    codes->push_back(word);
  }
  return true;
}

// A small-letter form with where it came from, to group forms into stems.
struct SourcedForm {
  std::string codes;
  uint32_t entry;
  int32_t prefix;
};

size_t CommonPrefix(const std::string& a, const std::string& b) {
  size_t n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  return n;
}

// Turns the forms left to the stem store into stems and ending sets: the
// forms of one entry made by one prefix (or none) share a stem, their longest
// common beginning; forms of such a group that begin differently are split by
// first letter.
void GroupStems(std::vector<SourcedForm>& forms, std::vector<StemRef>* stems,
                std::vector<std::vector<std::string>>* sets) {
  std::sort(forms.begin(), forms.end(), [](const SourcedForm& a, const SourcedForm& b) {
    if (a.entry != b.entry) return a.entry < b.entry;
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    return a.codes < b.codes;
  });
  std::map<std::vector<std::string>, uint32_t> set_ids;
  size_t i = 0;
  while (i < forms.size()) {
    size_t j = i + 1;
    while (j < forms.size() && forms[j].entry == forms[i].entry &&
           forms[j].prefix == forms[i].prefix && forms[j].codes[0] == forms[i].codes[0]) {
      ++j;
    }
    size_t stem_length = forms[i].codes.size();
    for (size_t k = i + 1; k < j; ++k)
      stem_length = std::min(stem_length, CommonPrefix(forms[i].codes, forms[k].codes));
    std::vector<std::string> endings;
    for (size_t k = i; k < j; ++k) endings.push_back(forms[k].codes.substr(stem_length));
    std::sort(endings.begin(), endings.end());
    endings.erase(std::unique(endings.begin(), endings.end()), endings.end());
    auto [it, added] = set_ids.emplace(std::move(endings), uint32_t(sets->size()));
    if (added) sets->push_back(it->first);
    stems->push_back({forms[i].codes.substr(0, stem_length), it->second});
    i = j;
  }
}

// Writes the mixed-case forms (letter codes) as a user dictionary at `path`.
bool WriteMixedList(const std::string& path, const std::vector<std::string>& forms,
                    std::string* error) {
  UserDict* list = nullptr;
  if (userdict_create(path.c_str()) != kUserDictOk || userdict_open(path.c_str(), &list) != kUserDictOk) {
    *error = "cannot write the mixed-case list " + path;
    return false;
  }
  bool ok = true;
  for (std::string codes : forms) {
    char text[kUserWordMax + 2];
    codes.push_back(char(kEndCode));
    if (codes.size() > kUserWordMax + 1) continue;
    CodesToText(reinterpret_cast<const uint8_t*>(codes.data()), text, sizeof text);
    ok = ok && userdict_add_word(list, text) == kUserDictOk;
  }
  userdict_close(&list);
  if (!ok) *error = "cannot write the mixed-case list " + path;
  return ok;
}

}  // namespace

bool CompileSonDic(const MkdictOptions& options, MkdictSummary* summary, PlacedForms* placed,
                   std::string* error) {
  const auto started = std::chrono::steady_clock::now();
  HunspellAffixes affixes;
  std::vector<DictionaryEntry> entries;
  if (!affixes.LoadAffixFile(options.affix_path, error) ||
      !affixes.LoadDictionary(options.dictionary_path, &entries, error)) {
    return false;
  }
  summary->entries = entries.size();

  std::vector<SourcedForm> small_forms;
  std::vector<std::string> capital_forms, mixed_forms, forbidden;
  std::vector<WordForm> forms;
  std::string codes;
  for (uint32_t e = 0; e < entries.size(); ++e) {
    forms.clear();
    affixes.Expand(entries[e], &forms);
    summary->expanded += forms.size();
    bool banned = affixes.IsForbidden(entries[e]);
    for (const WordForm& form : forms) {
      switch (Classify(form.text, &codes)) {
        case FormKind::kSmall:
          if (banned) {
            forbidden.push_back(codes);
          } else {
            small_forms.push_back({codes, e, form.prefix});
          }
          break;
        case FormKind::kCapitals:
          (banned ? forbidden : capital_forms).push_back(codes);
          break;
        case FormKind::kMixed:
          // The trees cannot hold it: it goes to the mixed-case list, to
          // be matched as written, and its all-capital spelling to the
          // capitalised trees.
          if (!banned) {
            mixed_forms.push_back(codes);
            for (char& c : codes) c = char(ToCapitalCode(uint8_t(c)));
            capital_forms.push_back(codes);
          }
          break;
        case FormKind::kOther:
          ++summary->skipped["characters outside the alphabet"];
          break;
      }
    }
  }
  SortUnique(&forbidden);
  summary->forbidden = forbidden.size();
  auto is_forbidden = [&](const std::string& w) {
    return std::binary_search(forbidden.begin(), forbidden.end(), w);
  };
  if (!forbidden.empty()) {
    std::erase_if(small_forms, [&](const SourcedForm& f) { return is_forbidden(f.codes); });
    std::erase_if(capital_forms, is_forbidden);
    std::erase_if(mixed_forms, is_forbidden);
  }
  SortUnique(&mixed_forms);
  summary->mixed = mixed_forms.size();

  // Main trees take the small-letter forms in alphabetical order as far as
  // they reach; the stem store takes the rest.
  std::vector<std::string> small_sorted;
  small_sorted.reserve(small_forms.size());
  for (const SourcedForm& f : small_forms) small_sorted.push_back(f.codes);
  SortUnique(&small_sorted);
  summary->main.forms = small_sorted.size();
  std::vector<PackedTree> main_trees;
  size_t in_trees = FillTrees(small_sorted, std::min(options.max_main_trees, kMaxTreesPerKind),
                              options.tree_positions, &main_trees, &summary->main);
  std::vector<SourcedForm> rest;
  if (in_trees < small_sorted.size()) {
    const std::string& first_left = small_sorted[in_trees];
    for (SourcedForm& f : small_forms) {
      if (f.codes >= first_left) rest.push_back(std::move(f));
    }
  }
  summary->stem_forms = small_sorted.size() - in_trees;
  small_forms.clear();
  small_forms.shrink_to_fit();

  std::vector<StemRef> stems;
  std::vector<std::vector<std::string>> sets;
  GroupStems(rest, &stems, &sets);
  rest.clear();
  summary->stems = stems.size();
  summary->paradigm_classes = sets.size();
  if (sets.size() > kMaxEndingSets) {
    *error = "more than 43 x 255 ending sets (" + std::to_string(sets.size()) + ")";
    return false;
  }
  WordGraph endings;
  for (size_t i = 0; i < sets.size(); ++i) {
    std::string head{char(i / 255 + 1), char(i % 255 + 1)};
    for (const std::string& ending : sets[i]) endings.Add(head + ending);
  }
  PackedTree ending_tree;
  if (!endings.Pack(&ending_tree)) {
    *error = "the ending tree needs more than 65536 positions";
    return false;
  }
  summary->ending_positions = ending_tree.letters.size();

  const std::vector<PackedTree> capital_trees =
      TreesOfKind(&capital_forms, options.tree_positions, &summary->capitalised);

  std::vector<std::string> abbreviations;
  if (!options.abbreviations_path.empty() &&
      !ReadWordList(options.abbreviations_path, &abbreviations, error)) {
    return false;
  }
  const std::vector<PackedTree> abbreviation_trees =
      TreesOfKind(&abbreviations, options.tree_positions, &summary->abbreviations);

  ContainerWriter writer;
  AddTrees(&writer, "szli", "szch", main_trees);
  AddTrees(&writer, "wlli", "wlch", capital_trees);
  AddTrees(&writer, "skli", "skch", abbreviation_trees);
  writer.Add("BAZA", 128, "lodmiany", ending_tree.links);
  writer.Add("BAZA", 129, "codmiany", ending_tree.letters);
  StemStoreBuilder store(std::move(stems), &sets, options.stem_store);
  std::vector<uint8_t> data_part;
  if (!store.Build(writer.DataPartOffset(), &data_part, error)) return false;
  summary->stem_store = store.stats();
  writer.SetDataPart(std::move(data_part));
  std::vector<uint8_t> file = writer.Build();
  summary->file_size = file.size();
  if (!writer.WriteFile(options.output_path, error)) return false;
  if (!WriteMixedList(spell_mixed_list_path(options.output_path), mixed_forms, error)) return false;

  placed->small = std::move(small_sorted);
  placed->capitalised = std::move(capital_forms);
  placed->mixed = std::move(mixed_forms);
  summary->seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return true;
}

void PrintSummary(const MkdictSummary& s, const std::string& path) {
  auto kind = [](const char* name, const KindSummary& k) {
    std::printf("  %-14s %9zu forms, %zu in %zu trees (%zu positions), %zu dropped\n", name,
                k.forms, k.placed, k.trees, k.positions, k.dropped);
  };
  std::printf("%s: %zu bytes from %zu entries (%zu forms expanded) in %.1f s\n", path.c_str(),
              s.file_size, s.entries, s.expanded, s.seconds);
  kind("main", s.main);
  kind("capitalised", s.capitalised);
  kind("abbreviations", s.abbreviations);
  std::printf("  mixed case     %9zu forms in the list beside it\n", s.mixed);
  std::printf(
      "  stem store     %9zu forms as %zu stems, %zu paradigm classes, ending tree %zu positions\n",
      s.stem_forms, s.stems, s.paradigm_classes, s.ending_positions);
  std::printf(
      "                 %zu records, %zu blocks (target %zu, largest %zu bytes), %zu stems at "
      "their own record\n",
      s.stem_store.records, s.stem_store.blocks, s.stem_store.block_target,
      s.stem_store.largest_block, s.stem_store.letterless_moves);
  for (const auto& [reason, count] : s.skipped)
    std::printf("  skipped: %zu forms, %s\n", count, reason.c_str());
  if (s.forbidden) std::printf("  forbidden: %zu forms\n", s.forbidden);
  if (s.verified || s.probes) {
    std::printf(
        "  verified: %zu forms accepted, %zu rejected; %zu non-words probed, %zu accepted\n",
        s.verified, s.verify_failures, s.probes, s.false_accepts);
  }
}
