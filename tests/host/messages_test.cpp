// The host's messages in Polish: every help text of every command has a
// Polish twin, and every twin fills in the same parts as its English text.
#include "host/messages/messages.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "host/cmd_list.h"

namespace {

namespace messages = wirsel::messages;

void CollectHelpTexts(const CLI::App& app, std::set<std::string>& texts) {
  if (!app.get_description().empty()) texts.insert(app.get_description());
  for (const CLI::Option* option : app.get_options()) {
    if (!option->get_description().empty()) texts.insert(option->get_description());
    texts.insert(option->get_group());
  }
  for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
    texts.insert(command->get_group());
    CollectHelpTexts(*command, texts);
  }
}

TEST(Messages, EveryHelpTextOfEveryCommandHasAPolishTwin) {
  messages::UseLanguage("en");
  CLI::App app;
  bool version = false;
  BuildCommandLine(app, version);
  std::set<std::string> texts;
  CollectHelpTexts(app, texts);
  std::string missing;
  for (const std::string& text : texts) {
    if (!messages::PolishTwin(text)) missing += text + "\n";
  }
  EXPECT_EQ(missing, "") << "help texts without a Polish twin";
  EXPECT_GT(texts.size(), 50u);
}

std::multiset<std::string> Placeholders(std::string_view text) {
  std::multiset<std::string> found;
  for (size_t at = text.find('{'); at != std::string_view::npos; at = text.find('{', at + 1)) {
    if (at + 2 < text.size() && text[at + 2] == '}') found.insert(std::string(text.substr(at, 3)));
  }
  return found;
}

TEST(Messages, EveryTwinFillsInTheSamePartsAndSaysSomethingElse) {
  for (const auto& [english, polish] : messages::AllTwins()) {
    const std::multiset<std::string> in_english = Placeholders(english);
    const std::multiset<std::string> in_polish = Placeholders(polish);
    EXPECT_EQ(std::set<std::string>(in_english.begin(), in_english.end()),
              std::set<std::string>(in_polish.begin(), in_polish.end()))
        << english;
    EXPECT_FALSE(polish.empty()) << english;
  }
}

TEST(Messages, LanguageFollowsTheOptionThenTheLocaleAndPartsAreFilledInAnyOrder) {
  messages::UseLanguage("pl");
  EXPECT_EQ(Msg("{1}: cannot save \"{2}\": {3}", "a.dic", "für", "No space"),
            "a.dic: nie można zapisać „für”: No space");
  EXPECT_EQ(Msg("a message nobody translated {1}", "x"), "a message nobody translated x");
  messages::UseLanguage("en");
  EXPECT_EQ(Msg("{1}: cannot save \"{2}\": {3}", "a.dic", "für", "No space"),
            "a.dic: cannot save \"für\": No space");
  EXPECT_FALSE(messages::UseLanguage("de"));
  EXPECT_FALSE(messages::Polish());
}

}  // namespace
