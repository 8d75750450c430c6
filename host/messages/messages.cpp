// Choosing the language and filling in a message.
#include "host/messages/messages.h"

#include <cstdlib>

namespace wirsel::messages {
namespace {

bool LocaleIsPolish() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return std::string_view(value).substr(0, 2) == "pl";
  }
  return false;
}

bool& PolishChosen() {
  static bool polish = LocaleIsPolish();
  return polish;
}

}  // namespace

bool UseLanguage(std::string_view lang) {
  if (lang != "pl" && lang != "en") return false;
  PolishChosen() = lang == "pl";
  return true;
}

bool Polish() { return PolishChosen(); }

std::string Text(std::string_view english) { return Format(english, {}); }

std::string Format(std::string_view english, std::initializer_list<std::string_view> args) {
  const char* polish = Polish() ? PolishTwin(english) : nullptr;
  const std::string_view text = polish ? std::string_view(polish) : english;
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char digit =
        i + 2 < text.size() && text[i] == '{' && text[i + 2] == '}' ? text[i + 1] : 0;
    const size_t index = digit >= '1' && digit <= '9' ? size_t(digit - '1') : args.size();
    if (index < args.size()) {
      out += args.begin()[index];
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace wirsel::messages
