// Compiles a hunspell affix file and dictionary into son.dic: expands the
// entries, sorts the forms by kind (small-letter words, words with capitals,
// abbreviations), packs letter trees, puts what the trees cannot hold into the
// stem and ending store, and writes the resource container.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/mkdict/stem_store.h"
#include "tools/mkdict/word_graph.h"

struct MkdictOptions {
  std::string affix_path;
  std::string dictionary_path;
  std::string abbreviations_path;  // optional: words that need a full stop
  std::string output_path;
  int max_main_trees = 10;        // 0 sends every small-letter word to the stem store
  size_t tree_positions = 64000;  // aimed-at positions per tree
  StemStoreOptions stem_store;
  bool verify = true;
};

struct KindSummary {
  size_t forms = 0;   // distinct forms of the kind
  size_t placed = 0;  // held by its trees
  size_t trees = 0;
  size_t positions = 0;
  size_t dropped = 0;  // did not fit
};

struct MkdictSummary {
  size_t entries = 0;
  size_t expanded = 0;  // forms generated, duplicates included
  KindSummary main, capitalised, abbreviations;
  size_t stem_forms = 0;  // small-letter forms left to the stem store
  size_t stems = 0;
  size_t paradigm_classes = 0;
  size_t ending_positions = 0;
  StemStoreStats stem_store;
  std::map<std::string, size_t> skipped;  // reason -> forms
  size_t forbidden = 0;
  size_t mixed = 0;  // mixed-case forms in the list beside son.dic
  size_t file_size = 0;
  size_t verified = 0;  // placed forms the engine accepted
  size_t verify_failures = 0;
  size_t probes = 0;  // non-words tried
  size_t false_accepts = 0;
  double seconds = 0;
};

// The forms the compiled file holds, for verification.
struct PlacedForms {
  std::vector<std::string> small;        // letter codes
  std::vector<std::string> capitalised;  // letter codes as written
  std::vector<std::string> mixed;        // letter codes as written
};

// Compiles; false with *error on any failure or broken limit. The mixed-case
// forms go to a user-dictionary list at spell_mixed_list_path(output).
bool CompileSonDic(const MkdictOptions& options, MkdictSummary* summary, PlacedForms* placed,
                   std::string* error);
// Checks the written file with the spelling engine: every placed form must be
// accepted, and one-letter deletions of a sample of forms that are not words
// must be rejected.
bool VerifySonDic(const std::string& path, const PlacedForms& placed, MkdictSummary* summary,
                  std::string* error);
void PrintSummary(const MkdictSummary& summary, const std::string& path);
