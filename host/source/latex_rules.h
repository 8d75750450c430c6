// What the LaTeX reader knows about commands and environments, in one place.
//
// A command's entry says what it is to the prose:
//  - kInline: its arguments marked 'p' are prose inside the sentence
//    (`\emph{w} domu` is "w domu"); those marked 'x' are kept as they are;
//  - kBlock: like kInline, but a paragraph of its own (`\section{...}`,
//    `\footnote{...}`);
//  - kInvisible: takes no room in the prose (`\label{x}`, `\bf`); kept;
//  - kObject: stands in the sentence as one word that is kept as it is
//    (`\cite{x}`, `\ref{x}`, `\LaTeX`, `\url{...}`); also every command the
//    table does not name, with the braced arguments that follow it.
// Optional arguments ([...]) and a star are always kept as they are.
//
// Users add prose commands in the settings file, section "Zrodla", key
// "KomendyProzy": words "name:kinds" (kinds: 'p' or 'x' per mandatory
// argument, optionally followed by "/b" for a block), e.g.
// "KomendyProzy=wazne:p przypis:p/b kolor:xp".
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace wirsel::source {

struct TexCommand {
  enum Kind : uint8_t { kInline, kBlock, kInvisible, kObject };
  Kind kind = kObject;
  std::string args;  // 'p' (prose) or 'x' (kept) per mandatory argument
};

enum class TexEnvironment : uint8_t {
  kProse,     // its body is read as LaTeX; begin and end are paragraph ends
  kMath,      // kept whole, one word in the prose (equation, align, ...)
  kVerbatim,  // kept whole up to its \end, not read as LaTeX at all
};

class TexRules {
 public:
  // The built-in table plus the user's "name:kinds" words.
  explicit TexRules(std::string_view user_commands = {});
  // The command's entry (control word without the backslash).
  TexCommand Command(std::string_view name) const;
  TexEnvironment Environment(std::string_view name) const;

 private:
  std::map<std::string, TexCommand, std::less<>> commands_;
};

}  // namespace wirsel::source
