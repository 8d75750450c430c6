// The host's messages (errors, usage, --help) in English or Polish: Polish
// when LC_ALL, else LC_MESSAGES, else LANG starts with "pl" (the first of
// them that is set and not empty), or when --lang pl says so. Every message
// is written in English at its use, with {1}, {2} ... for the parts that
// vary; catalogue.cpp holds its Polish twin.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wirsel::messages {

// "pl" or "en" chooses that language; anything else changes nothing and
// answers false.
bool UseLanguage(std::string_view lang);
bool Polish();

// The message in the chosen language with {1}, {2} ... replaced by the
// arguments. A message the catalogue lacks is shown in English.
std::string Text(std::string_view english);
std::string Format(std::string_view english, std::initializer_list<std::string_view> args);

template <typename... Args>
std::string Msg(std::string_view english, const Args&... args) {
  return Format(english, {std::string_view(args)...});
}

// `wirsel spell --help`, kept here beside its Polish twin.
extern const char kSpellUsage[];

// The Polish twin of an English message, or null; and every pair of the
// catalogue. For tests of the catalogue.
const char* PolishTwin(std::string_view english);
std::vector<std::pair<std::string_view, std::string_view>> AllTwins();

}  // namespace wirsel::messages

using wirsel::messages::Msg;
