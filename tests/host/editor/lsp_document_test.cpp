// An open document of the language server after edits: its lines are those
// of its text read afresh, whatever line ends the edits join or split.
#include "host/lsp_document.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(LspDocument, LinesAfterEditsAreThoseOfTheTextReadAfresh) {
  std::mt19937 random(15);
  const std::vector<std::string> bits = {"a",    "\xc5\xbc",         "\n",   "\r",
                                         "\r\n", "\xf0\x9f\x98\x80", "ab cd"};
  auto some = [&](size_t most) {
    std::string text;
    for (size_t n = random() % (most + 1); n > 0; --n) text += bits[random() % bits.size()];
    return text;
  };
  LspDocument document(some(40), Markup::kNone);
  for (int round = 0; round < 3000; ++round) {
    LspPosition start{random() % document.line_count(), random() % 5};
    LspPosition end{random() % document.line_count(), random() % 5};
    if (std::tie(end.line, end.character) < std::tie(start.line, start.character))
      std::swap(start, end);
    std::string error;
    document.Replace(start, end, some(3), &error);
    const LspDocument fresh(document.text(), Markup::kNone);
    ASSERT_EQ(document.line_count(), fresh.line_count()) << "round " << round;
    for (size_t line = 0; line < fresh.line_count(); ++line) {
      ASSERT_EQ(document.Line(line), fresh.Line(line)) << "round " << round << ", line " << line;
    }
  }
}

}  // namespace
