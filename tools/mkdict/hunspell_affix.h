// Reads a hunspell affix file and dictionary and expands every dictionary
// entry into the word forms its affix rules allow (prefixes, suffixes, strip
// strings, conditions, cross products, one level of continuation classes,
// NEEDAFFIX, FORBIDDENWORD, ONLYINCOMPOUND). Text is turned into Windows-1250.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

using AffixFlag = uint32_t;

// One position of an affix condition: a set of characters, maybe negated.
struct ConditionPart {
  std::bitset<256> chars;
};

struct AffixRule {
  std::string strip;  // removed from the word (at its start or end)
  std::string add;    // put in its place
  std::vector<AffixFlag> continuation;
  std::vector<ConditionPart> condition;  // "." is an empty condition
};

struct AffixClass {
  AffixFlag flag = 0;
  bool prefix = false;
  bool cross = false;
  std::vector<AffixRule> rules;
};

struct DictionaryEntry {
  std::string word;  // Windows-1250
  std::vector<AffixFlag> flags;
};

// One expanded form: its Windows-1250 text, and which prefix rule made it
// (-1: none), so forms that share a beginning can be grouped.
struct WordForm {
  std::string text;
  int prefix = -1;
};

class HunspellAffixes {
 public:
  // Both return false with *error set when the file cannot be read or is
  // malformed.
  bool LoadAffixFile(const std::string& path, std::string* error);
  bool LoadDictionary(const std::string& path, std::vector<DictionaryEntry>* entries,
                      std::string* error);

  // Appends the forms of one entry to *forms (duplicates possible). A
  // forbidden entry yields its forms too; ask IsForbidden.
  void Expand(const DictionaryEntry& entry, std::vector<WordForm>* forms) const;
  bool IsForbidden(const DictionaryEntry& entry) const;


 private:
  enum class FlagMode { kChar, kLong, kNumber };
  std::vector<AffixFlag> ParseFlags(const std::string& text) const;
  bool HasFlag(const std::vector<AffixFlag>& flags, AffixFlag flag) const;
  std::string ToCp1250(const std::string& raw) const;
  // Suffix forms of `word` by class `cls`; each with the rule's continuation.
  void ApplySuffixes(const std::string& word, const AffixClass& cls,
                     std::vector<std::pair<std::string, const AffixRule*>>* out) const;
  void ExpandSuffixChain(const std::string& word, const std::vector<AffixFlag>& flags,
                         bool cross_only, std::vector<std::string>* out) const;

  FlagMode flag_mode_ = FlagMode::kChar;
  bool iso8859_2_ = false;
  AffixFlag need_affix_ = 0;
  AffixFlag forbidden_ = 0;
  AffixFlag only_in_compound_ = 0;
  std::vector<AffixClass> classes_;
  std::unordered_map<AffixFlag, size_t> class_of_flag_;
  std::vector<int> prefix_rule_base_;  // first prefix id of each class
};
