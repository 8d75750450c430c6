// The hyphenation module's dialogs: preferences (with the exceptions
// editor), the suggestion, and the warning about the host's automatic
// hyphenation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/options_dialog.h"
#include "dialogs/xt40_dialog.h"
#include "hyph/hyph_options.h"

inline constexpr int16_t kHyphPrefsDialog = 31103;
inline constexpr int16_t kHyphSuggDialog = 31109;
inline constexpr int16_t kHyphWarnDialog = 31111;

// The four texts of the suggestion, 256 bytes each (Windows-1250).
inline constexpr size_t kSuggestionSize = 256;
struct HyphSuggestion {
  char without_hyphens[kSuggestionSize] = {};
  char current[kSuggestionSize] = {};
  char without_exceptions[kSuggestionSize] = {};
  char with_exceptions[kSuggestionSize] = {};
};

// Hyphenation preferences: the five options, and the exceptions editor.
class CHyphPrefsDialog : public OptionsDialog<HyphOptions> {
 public:
  CHyphPrefsDialog();

 protected:
  void ItemHit(int16_t item) override;
  int32_t Save() override;
};

// Shows how the word at the caret would be hyphenated; changes nothing.
class CHyphSuggDialog : public XT40xdlog {
 public:
  explicit CHyphSuggDialog(const HyphSuggestion& suggestion)
      : XT40xdlog(kHyphSuggDialog), suggestion_(suggestion) {}

 protected:
  void SetValues() override;

 private:
  const HyphSuggestion& suggestion_;
};

// An H&J specification that has the host's automatic hyphenation on.
struct HyphenationSpec {
  std::string name;  // Windows-1250
  int32_t index = 0;
};

enum class AutoHyphenationChoice { kFix, kContinue, kCancel };

// Lists the specifications and asks what to do: Fix, Continue or Cancel.
class CHyphWarnDialog : public XT40xdlog {
 public:
  explicit CHyphWarnDialog(const std::vector<HyphenationSpec>& specs)
      : XT40xdlog(kHyphWarnDialog), specs_(specs) {}
  // The answer once Run has returned.
  AutoHyphenationChoice Choice() const;

 protected:
  void InitItems() override;
  void SetValues() override;
  void ItemHit(int16_t item) override;
  bool Accept() override;

 private:
  enum class State { kUndecided, kFix, kContinue };
  const std::vector<HyphenationSpec>& specs_;
  State state_ = State::kUndecided;
};

// Runs CHyphWarnDialog and answers its choice.
AutoHyphenationChoice AskAboutAutoHyphenation(const std::vector<HyphenationSpec>& specs);

// Runs the list editor over the user exception list of the module's engine.
// Every change is saved to PLHYPH.USR at once.
void EditHyphenationExceptions();
