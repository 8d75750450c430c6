// The dictionary reader and lookup on hand-made son.dic files: failure codes
// of the opening, the ten-tree limit, blocks read again after the system
// dropped them, and damaged stem entries (records without blocks: the
// stem_layout_block_at_kota fixture).
#include <gtest/gtest.h>

#include "container/block.h"
#include "container/resource_file.h"
#include "spell/engine/letters.h"
#include "spell/engine/spell.h"
#include "tests/spell/engine/spell_test_util.h"
#include "tools/container/container_writer.h"
#include "tools/mkdict/word_graph.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Letter codes of ASCII small letters.
std::string Codes(const std::string& ascii) {
  std::string out;
  for (char c : ascii) out.push_back(char(LetterCode(uint8_t(c))));
  return out;
}

PackedTree Tree(std::vector<std::string> words) {
  std::sort(words.begin(), words.end());
  WordGraph graph;
  for (const std::string& w : words) graph.Add(w);
  PackedTree tree;
  EXPECT_TRUE(graph.Pack(&tree));
  return tree;
}

void PutBe(Bytes& out, size_t at, uint32_t v, int width) {
  for (int i = 0; i < width; ++i) out[at + i] = uint8_t(v >> (8 * (width - 1 - i)));
}

struct StemRecordSpec {
  uint32_t index;
  uint8_t letter;
  uint16_t child_base;
  Bytes block;  // empty: size 0
};

// A son.dic of hand-made parts. Paradigm 1 variant 1 allows the endings "",
// "a"; paradigm 1 variant 2 allows "y".
struct DictSpec {
  std::vector<std::vector<std::string>> main_trees;
  std::vector<std::string> capitalised;
  std::vector<StemRecordSpec> records;
  uint32_t record_count = 0;
  bool data_part = true;
  bool ending_links = true;
  bool ending_letters = true;
  bool extra_main_link = false;

  std::string Write(const std::string& path) const {
    ContainerWriter writer;
    uint16_t id = 128;
    for (const auto& words : main_trees) {
      PackedTree tree = Tree(words);
      writer.Add("szli", id, "", tree.links);
      writer.Add("szch", id++, "", tree.letters);
    }
    if (extra_main_link) writer.Add("szli", id, "", Tree({Codes("x")}).links);
    if (!capitalised.empty()) {
      PackedTree tree = Tree(capitalised);
      writer.Add("wlli", 200, "", tree.links);
      writer.Add("wlch", 200, "", tree.letters);
    }
    PackedTree endings =
        Tree({std::string{1, 1}, std::string{1, 1} + Codes("a"), std::string{1, 2} + Codes("y")});
    if (ending_links) writer.Add("BAZA", 128, "lodmiany", endings.links);
    if (ending_letters) writer.Add("BAZA", 129, "codmiany", endings.letters);
    if (data_part) {
      const uint32_t base = writer.DataPartOffset();
      Bytes data(8 + 16 * size_t(record_count), 0);
      PutBe(data, 4, record_count, 4);
      for (const StemRecordSpec& r : records) {
        size_t at = 8 + 16 * size_t(r.index);
        PutBe(data, at, r.child_base, 2);
        data[at + 14] = r.letter;
        if (!r.block.empty()) {
          PutBe(data, at + 2, base + uint32_t(data.size()), 4);
          PutBe(data, at + 6, uint32_t(r.block.size()), 4);
          data.insert(data.end(), r.block.begin(), r.block.end());
        }
      }
      writer.SetDataPart(data);
    }
    std::string error;
    EXPECT_TRUE(writer.WriteFile(path, &error)) << error;
    return path;
  }
};

// Record "k" (105) owns a block with stem "ot" (P1 V1); record "ko" below it
// has no block and no children.
DictSpec KotInStemStore() {
  DictSpec layout;
  layout.record_count = 320;
  layout.records.push_back({105, 105, 200, {0, 111, 118, 1, 1, 0, 0}});
  layout.records.push_back({311, 111, 320, {}});
  return layout;
}

class SpellEngineTest : public ::testing::Test {
 protected:
  void TearDown() override { spell_close(); }
  std::string folder_ = spelltest::TempFolder("engine");
};

TEST_F(SpellEngineTest, OpeningFailuresNameTheirCause) {
  EXPECT_EQ(spell_open((folder_ + "/missing.dic").c_str()), kResFileNotFound);
  // A part left out or one too many, and the detail the opening gives (-1: any).
  const std::pair<void (*)(DictSpec&), int> damages[] = {
      {[](DictSpec& d) { d.data_part = false; }, kResNoDataPart},
      {[](DictSpec& d) { d.ending_links = false; }, kSpellNoEndingLinks},
      {[](DictSpec& d) { d.ending_letters = false; }, kSpellNoEndingLetters},
      {[](DictSpec& d) { d.extra_main_link = true; }, -1},
      {[](DictSpec& d) { d.record_count = 4096; }, -1},
  };
  for (const auto& [damage, detail] : damages) {
    DictSpec layout = KotInStemStore();
    damage(layout);
    EXPECT_EQ(spell_open(layout.Write(folder_ + "/damaged.dic").c_str()), kSpellFailed);
    if (detail != -1) {
      EXPECT_EQ(spell_open_detail(), detail);
    }
    EXPECT_FALSE(spell_is_open());
  }
}

TEST_F(SpellEngineTest, RecordTableCutShortFailsTheOpening) {
  DictSpec layout = KotInStemStore();
  Bytes file = spelltest::ReadBytes(layout.Write(folder_ + "/whole.dic"));
  // The data part is at the end: drop the block and most of the records.
  file.resize(file.size() - 7 - 16 * 300);
  spelltest::WriteBytes(folder_ + "/cut.dic", file);
  EXPECT_EQ(spell_open((folder_ + "/cut.dic").c_str()), kSpellFailed);
}

TEST_F(SpellEngineTest, OnlyTheFirstTenTreesOfAKindAreUsed) {
  DictSpec layout = KotInStemStore();
  const char* words[] = {"aa", "bb", "cc", "dd", "ee", "ff", "gg", "hh", "ii", "jj", "kk"};
  for (const char* w : words) layout.main_trees.push_back({Codes(w)});
  ASSERT_EQ(spell_open(layout.Write(folder_ + "/eleven.dic").c_str()), 0);
  EXPECT_EQ(spell_check_word("aa"), 1);
  EXPECT_EQ(spell_check_word("jj"), 1);
  EXPECT_EQ(spell_check_word("kk"), 0);
}

TEST_F(SpellEngineTest, KindWithoutTreesNeverMatches) {
  ASSERT_EQ(spell_open(KotInStemStore().Write(folder_ + "/bare.dic").c_str()), 0);
  EXPECT_EQ(spell_check_word("Warszawa"), 0);
  EXPECT_EQ(spell_check_word_ex("np", 1), 0);
}

TEST_F(SpellEngineTest, DroppedBlockIsReadAgain) {
  ASSERT_EQ(spell_open(KotInStemStore().Write(folder_ + "/kot.dic").c_str()), 0);
  EXPECT_EQ(spell_check_word("kota"), 1);
  EXPECT_GE(eng_block_discard_all(), 1u);
  EXPECT_EQ(spell_check_word("kota"), 1);
  EXPECT_EQ(spell_check_word("kotu"), 0);
}

TEST_F(SpellEngineTest, FailedBlockAllocationIsNotFoundAndLeavesEngineUsable) {
  ASSERT_EQ(spell_open(KotInStemStore().Write(folder_ + "/kot.dic").c_str()), 0);
  eng_block_fail_after(0);
  EXPECT_EQ(spell_check_word("kot"), 0);
  eng_block_fail_after(-1);
  EXPECT_EQ(spell_check_word("kot"), 1);
}

TEST_F(SpellEngineTest, ZeroParadigmInAStemEntryIsNeverAccepted) {
  DictSpec layout = KotInStemStore();
  layout.records[0].block = {0, 111, 118, 0, 0, 0, 0};
  ASSERT_EQ(spell_open(layout.Write(folder_ + "/zero.dic").c_str()), 0);
  EXPECT_EQ(spell_check_word("kot"), 0);
}

TEST_F(SpellEngineTest, FurtherParadigmOfTheSameStemAndSkipOverAGroup) {
  DictSpec layout = KotInStemStore();
  // "" P1V1, "ot" P1V1, "ot" P1V2 (same stem, further paradigm), "ota",
  // then "ró" in a new group after the m = 0 skip.
  layout.records[0].block = {0, 1,  1, 0, 111, 118, 1,   1, 2, 1, 2,
                           2, 92, 1, 1, 0,   115, 112, 1, 1, 0, 0};
  ASSERT_EQ(spell_open(layout.Write(folder_ + "/group.dic").c_str()), 0);
  EXPECT_EQ(spell_check_word("k"), 1);
  EXPECT_EQ(spell_check_word("ka"), 1);
  EXPECT_EQ(spell_check_word("koty"), 1);
  EXPECT_EQ(spell_check_word("kotaa"), 1);
  EXPECT_EQ(spell_check_word("kr\xf3"), 1);
  EXPECT_EQ(spell_check_word("kr\xf3"
                             "a"),
            1);
  EXPECT_EQ(spell_check_word("kr\xf3y"), 0);
  EXPECT_EQ(spell_check_word("kota\xbf"), 0);
}

TEST_F(SpellEngineTest, EntriesRunningPastTheirBlockAreNotFound) {
  DictSpec layout = KotInStemStore();
  // No end mark, the last entry cut inside its letters, a shared count above
  // the match that would skip past the block.
  for (Bytes block :
       {Bytes{0, 111, 118, 1, 1}, Bytes{0, 111, 118, 1}, Bytes{0, 111, 118},
        Bytes{0, 92, 1, 1, 9, 111}, Bytes{200, 111, 118, 1, 1, 0, 0}, Bytes{0, 250, 251, 1, 1}}) {
    layout.records[0].block = block;
    ASSERT_EQ(spell_open(layout.Write(folder_ + "/cut.dic").c_str()), 0);
    EXPECT_EQ(spell_check_word("kotx"), 0);
    EXPECT_EQ(spell_check_word("kaot"), 0);
    spell_close();
  }
}

TEST_F(SpellEngineTest, RecordBasesOutsideTheTableEndTheWalk) {
  DictSpec layout = KotInStemStore();
  layout.records[0].child_base = 0xFFFF;
  ASSERT_EQ(spell_open(layout.Write(folder_ + "/base.dic").c_str()), 0);
  EXPECT_EQ(spell_check_word("kot"), 1);
  EXPECT_EQ(spell_check_word("k\xbf\xbf"), 0);
}

TEST_F(SpellEngineTest, OverlongWordsAreRejectedWithoutOverrun) {
  DictSpec layout = KotInStemStore();
  layout.main_trees.push_back({Codes("kot")});
  ASSERT_EQ(spell_open(layout.Write(folder_ + "/long.dic").c_str()), 0);
  for (size_t n : {size_t(kSpellMaxWord), size_t(kSpellMaxWord + 1), size_t(1000)}) {
    std::string word(n, 'a');
    EXPECT_EQ(spell_check_word(word.c_str()), 0);
    std::string mixed = "aB" + word;
    EXPECT_EQ(spell_check_word(mixed.c_str()), 0);
    SpellSuggestion* list = spell_suggest(word.c_str());
    EXPECT_EQ(list, nullptr);
    spell_free_suggestions(list);
  }
}

TEST_F(SpellEngineTest, SuggestionsLongerThanANodeAreLeftOut) {
  const std::string w59(59, 'a'), w60(60, 'b');
  DictSpec layout = KotInStemStore();
  layout.main_trees.push_back({Codes(w59), Codes(w60)});
  ASSERT_EQ(spell_open(layout.Write(folder_ + "/long.dic").c_str()), 0);
  SpellSuggestion* list = spell_suggest((std::string(58, 'a') + "c").c_str());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(std::string(list->word), w59);
  EXPECT_EQ(list->next, nullptr);
  spell_free_suggestions(list);
  EXPECT_EQ(spell_suggest((std::string(59, 'b') + "c").c_str()), nullptr);
  // A 70-letter change-to text.
  EXPECT_EQ(spell_suggest(std::string(70, 'a').c_str()), nullptr);
}

// Digits, hyphens and mixed capitals show in the case_rules fixture; single
// letters and Polish capitals here.
TEST_F(SpellEngineTest, CaseClassesOfSingleLettersAndPolishCapitals) {
  const std::pair<const char*, CaseClass> cases[] = {
      {"w", CaseClass::kAllSmall},
      {"W", CaseClass::kAllCapitals},
      {"\xa3\xf3" "d\xbf", CaseClass::kCapitalised},  // Łódź
      {"\xaf\xd3\xa3W", CaseClass::kAllCapitals},     // ŻÓŁW
  };
  for (const auto& [word, expected] : cases) EXPECT_EQ(spell_case_class(word), expected) << word;
}

}  // namespace
