// A command that walks a story and edits it one character at a time must take
// time linear in the story's length: insert a character after every
// character, then delete it again, inside one change bracket as the commands
// do. Time per character stays flat from 1 MB to 10 MB.
#include <benchmark/benchmark.h>

#include "host/model/document.h"

namespace wirsel::model {
namespace {

void InsertAndDeleteAcrossStory(benchmark::State& state) {
  const auto length = static_cast<int32_t>(state.range(0));
  Document document("bench");
  document.AddSpread(1);
  Story& story = *document.story(document.StoryOfBox(document.AddBox(BoxKind::kText, 1)));
  std::u16string text(static_cast<std::size_t>(length), u'a');
  for (std::size_t i = 0; i < text.size(); i += 7) text[i] = u' ';
  story.Insert(0, text, CharAttributes{});
  const char16_t hyphen = kDiscretionaryHyphen;
  for (auto _ : state) {
    document.BeginChange();
    for (int32_t pos = 1; pos < length; pos += 1) {
      story.Insert(pos, &hyphen, 1, story.Attributes(pos - 1));
      story.Erase(pos, pos + 1);
      story.ToggleFlags(pos, pos + 1, kStyleKind, kNonBreakingFlag);
    }
    document.EndChange();
    document.Undo();
  }
  state.SetItemsProcessed(state.iterations() * length);
  state.SetComplexityN(length);
}

BENCHMARK(InsertAndDeleteAcrossStory)
    ->ArgsProduct({{1 << 20, 2 << 20, 5 << 20, 10 << 20}})
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace wirsel::model
