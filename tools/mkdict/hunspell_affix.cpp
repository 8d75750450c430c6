// Hunspell affix and dictionary reader and the form expansion.
#include "tools/mkdict/hunspell_affix.h"

#include <fstream>
#include <sstream>
#include <string_view>

namespace {

// The Polish letters of ISO-8859-2 and, at the same place, their
// Windows-1250 bytes: Ą ą Ś ś Ź ź move, Ć Ę Ł Ń Ó Ż ć ę ł ń ó ż keep theirs.
// Every other byte above 0x7F becomes 0x81, which has no letter code, so such
// words are reported as holding other characters.
constexpr std::string_view kIso2Letters =
    "\xA1\xB1\xA6\xB6\xAC\xBC\xC6\xCA\xA3\xD1\xD3\xAF\xE6\xEA\xB3\xF1\xF3\xBF";
constexpr std::string_view kCp1250Letters =
    "\xA5\xB9\x8C\x9C\x8F\x9F\xC6\xCA\xA3\xD1\xD3\xAF\xE6\xEA\xB3\xF1\xF3\xBF";

unsigned char Iso2ToCp1250(unsigned char c) {
  if (c < 0x80) return c;
  const size_t at = kIso2Letters.find(char(c));
  return at == std::string_view::npos ? 0x81 : static_cast<unsigned char>(kCp1250Letters[at]);
}

bool ParseCondition(const std::string& text, std::vector<ConditionPart>* out) {
  out->clear();
  if (text == ".") return true;
  for (size_t i = 0; i < text.size();) {
    ConditionPart part;
    if (text[i] == '[') {
      size_t close = text.find(']', i);
      if (close == std::string::npos) return false;
      bool negate = i + 1 < close && text[i + 1] == '^';
      for (size_t k = i + (negate ? 2 : 1); k < close; ++k) part.chars.set(uint8_t(text[k]));
      if (negate) part.chars.flip();
      i = close + 1;
    } else if (text[i] == '.') {
      part.chars.set();
      ++i;
    } else {
      part.chars.set(uint8_t(text[i]));
      ++i;
    }
    out->push_back(part);
  }
  return true;
}

bool ConditionHolds(const std::vector<ConditionPart>& condition, const std::string& word,
                    bool at_start) {
  if (word.size() < condition.size()) return false;
  size_t offset = at_start ? 0 : word.size() - condition.size();
  for (size_t i = 0; i < condition.size(); ++i) {
    if (!condition[i].chars.test(uint8_t(word[offset + i]))) return false;
  }
  return true;
}

}  // namespace

std::string HunspellAffixes::ToCp1250(const std::string& raw) const {
  if (!iso8859_2_) return raw;
  std::string out(raw);
  for (char& c : out) c = char(Iso2ToCp1250(uint8_t(c)));
  return out;
}

std::vector<AffixFlag> HunspellAffixes::ParseFlags(const std::string& text) const {
  std::vector<AffixFlag> flags;
  switch (flag_mode_) {
    case FlagMode::kChar:
      for (char c : text) flags.push_back(uint8_t(c));
      break;
    case FlagMode::kLong:
      for (size_t i = 0; i + 1 < text.size(); i += 2) {
        flags.push_back(AffixFlag(uint8_t(text[i])) << 8 | uint8_t(text[i + 1]));
      }
      break;
    case FlagMode::kNumber: {
      std::stringstream in(text);
      std::string item;
      while (std::getline(in, item, ',')) {
        if (!item.empty()) flags.push_back(AffixFlag(std::stoul(item)));
      }
      break;
    }
  }
  return flags;
}

bool HunspellAffixes::HasFlag(const std::vector<AffixFlag>& flags, AffixFlag flag) const {
  if (flag == 0) return false;
  for (AffixFlag f : flags) {
    if (f == flag) return true;
  }
  return false;
}

bool HunspellAffixes::LoadAffixFile(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = "cannot read " + path;
    return false;
  }
  std::string line;
  int line_number = 0;
  size_t pending = 0;  // rules still expected for the last class header
  while (std::getline(in, line)) {
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream fields(line);
    std::string key;
    if (!(fields >> key) || key[0] == '#') continue;
    auto fail = [&](const char* what) {
      *error = path + ":" + std::to_string(line_number) + ": " + what;
      return false;
    };
    if (key == "SET") {
      std::string set;
      fields >> set;
      if (set == "ISO8859-2" || set == "ISO-8859-2") {
        iso8859_2_ = true;
      } else if (set != "cp1250" && set != "CP1250" && set != "ISO8859-1") {
        return fail("unsupported character set");
      }
    } else if (key == "FLAG") {
      std::string mode;
      fields >> mode;
      if (mode == "long") {
        flag_mode_ = FlagMode::kLong;
      } else if (mode == "num") {
        flag_mode_ = FlagMode::kNumber;
      } else {
        return fail("unsupported FLAG type");
      }
    } else if (key == "NEEDAFFIX" || key == "FORBIDDENWORD" || key == "ONLYINCOMPOUND") {
      std::string value;
      fields >> value;
      std::vector<AffixFlag> flag = ParseFlags(value);
      if (flag.size() != 1) return fail("bad flag");
      (key == "NEEDAFFIX"       ? need_affix_
       : key == "FORBIDDENWORD" ? forbidden_
                                : only_in_compound_) = flag[0];
    } else if (key == "PFX" || key == "SFX") {
      std::string flag_text, a, b, c;
      fields >> flag_text >> a >> b;
      std::vector<AffixFlag> flag = ParseFlags(flag_text);
      if (flag.size() != 1) return fail("bad affix flag");
      if (pending == 0) {
        // Class header: PFX flag cross count.
        if (a != "Y" && a != "N") return fail("bad affix class header");
        AffixClass cls;
        cls.flag = flag[0];
        cls.prefix = key == "PFX";
        cls.cross = a == "Y";
        pending = std::stoul(b);
        if (class_of_flag_.count(cls.flag)) return fail("affix flag declared twice");
        class_of_flag_[cls.flag] = classes_.size();
        classes_.push_back(std::move(cls));
        continue;
      }
      AffixClass& cls = classes_.back();
      if (cls.flag != flag[0] || cls.prefix != (key == "PFX"))
        return fail("rule outside its class");
      fields >> c;
      if (c.empty()) c = ".";
      AffixRule rule;
      rule.strip = a == "0" ? "" : ToCp1250(a);
      size_t slash = b.find('/');
      if (slash != std::string::npos) {
        rule.continuation = ParseFlags(b.substr(slash + 1));
        b.resize(slash);
      }
      rule.add = b == "0" ? "" : ToCp1250(b);
      if (!ParseCondition(ToCp1250(c), &rule.condition)) return fail("bad condition");
      cls.rules.push_back(std::move(rule));
      --pending;
    }
  }
  if (pending != 0) {
    *error = path + ": affix class ends early";
    return false;
  }
  int next = 0;
  for (const AffixClass& cls : classes_) {
    prefix_rule_base_.push_back(next);
    if (cls.prefix) next += int(cls.rules.size());
  }
  return true;
}

bool HunspellAffixes::LoadDictionary(const std::string& path, std::vector<DictionaryEntry>* entries,
                                     std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = "cannot read " + path;
    return false;
  }
  std::string line;
  if (!std::getline(in, line)) {
    *error = path + ": empty dictionary";
    return false;
  }
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t end = line.find_first_of(" \t");
    if (end != std::string::npos) line.resize(end);
    if (line.empty()) continue;
    DictionaryEntry entry;
    size_t slash = line.find('/');
    while (slash != std::string::npos && slash > 0 && line[slash - 1] == '\\') {
      line.erase(slash - 1, 1);
      slash = line.find('/', slash);
    }
    if (slash != std::string::npos) {
      entry.flags = ParseFlags(line.substr(slash + 1));
      line.resize(slash);
    }
    if (line.empty()) continue;
    entry.word = ToCp1250(line);
    entries->push_back(std::move(entry));
  }
  return true;
}

bool HunspellAffixes::IsForbidden(const DictionaryEntry& entry) const {
  return HasFlag(entry.flags, forbidden_);
}

void HunspellAffixes::ApplySuffixes(
    const std::string& word, const AffixClass& cls,
    std::vector<std::pair<std::string, const AffixRule*>>* out) const {
  for (const AffixRule& rule : cls.rules) {
    if (word.size() <= rule.strip.size()) continue;
    if (word.compare(word.size() - rule.strip.size(), rule.strip.size(), rule.strip) != 0) continue;
    if (!ConditionHolds(rule.condition, word, false)) continue;
    out->emplace_back(word.substr(0, word.size() - rule.strip.size()) + rule.add, &rule);
  }
}

void HunspellAffixes::ExpandSuffixChain(const std::string& word,
                                        const std::vector<AffixFlag>& flags, bool cross_only,
                                        std::vector<std::string>* out) const {
  std::vector<std::pair<std::string, const AffixRule*>> first;
  for (AffixFlag flag : flags) {
    auto it = class_of_flag_.find(flag);
    if (it == class_of_flag_.end()) continue;
    const AffixClass& cls = classes_[it->second];
    if (cls.prefix || (cross_only && !cls.cross)) continue;
    first.clear();
    ApplySuffixes(word, cls, &first);
    for (const auto& [form, rule] : first) {
      if (!HasFlag(rule->continuation, need_affix_) &&
          !HasFlag(rule->continuation, only_in_compound_)) {
        out->push_back(form);
      }
      // A second suffix allowed by the first one's continuation classes.
      std::vector<std::pair<std::string, const AffixRule*>> second;
      for (AffixFlag next : rule->continuation) {
        auto nt = class_of_flag_.find(next);
        if (nt == class_of_flag_.end() || classes_[nt->second].prefix) continue;
        ApplySuffixes(form, classes_[nt->second], &second);
      }
      for (const auto& [form2, rule2] : second) {
        if (!HasFlag(rule2->continuation, need_affix_)) out->push_back(form2);
      }
    }
  }
}

void HunspellAffixes::Expand(const DictionaryEntry& entry, std::vector<WordForm>* forms) const {
  const std::string& root = entry.word;
  if (!HasFlag(entry.flags, need_affix_) && !HasFlag(entry.flags, only_in_compound_)) {
    forms->push_back({root, -1});
  }
  std::vector<std::string> suffixed;
  ExpandSuffixChain(root, entry.flags, false, &suffixed);
  for (std::string& s : suffixed) forms->push_back({std::move(s), -1});

  std::vector<std::string> cross;
  bool cross_done = false;
  for (AffixFlag flag : entry.flags) {
    auto it = class_of_flag_.find(flag);
    if (it == class_of_flag_.end() || !classes_[it->second].prefix) continue;
    const AffixClass& cls = classes_[it->second];
    if (cls.cross && !cross_done) {
      ExpandSuffixChain(root, entry.flags, true, &cross);
      cross_done = true;
    }
    for (size_t r = 0; r < cls.rules.size(); ++r) {
      const AffixRule& rule = cls.rules[r];
      if (root.size() <= rule.strip.size()) continue;
      if (root.compare(0, rule.strip.size(), rule.strip) != 0) continue;
      if (!ConditionHolds(rule.condition, root, true)) continue;
      int id = prefix_rule_base_[it->second] + int(r);
      if (!HasFlag(rule.continuation, need_affix_)) {
        forms->push_back({rule.add + root.substr(rule.strip.size()), id});
      }
      if (!cls.cross) continue;
      for (const std::string& s : cross) {
        if (s.compare(0, rule.strip.size(), rule.strip) != 0) continue;
        forms->push_back({rule.add + s.substr(rule.strip.size()), id});
      }
    }
  }
}
