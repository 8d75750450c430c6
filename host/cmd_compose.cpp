// `wirsel compose FILE --width N`: the story of the current box broken into
// lines of at most N characters by the host's composer, which asks the
// hyphenation method registered for Polish (callback 435) where each
// overflowing word may break. `--methods` lists the methods the plug-ins
// describe (callback 454).
#include <algorithm>
#include <cstring>
#include <iostream>
#include <limits>

#include "host/cmd_registry.h"
#include "host/composer.h"
#include "host/cp1250.h"
#include "host/document_files.h"
#include "host/io/text_format.h"
#include "host/memory.h"
#include "host/messages/messages.h"
#include "host/session.h"
#include "host/session_options.h"

namespace {

constexpr int kPolishLanguage = 42;
constexpr char16_t kParagraphEnd = 13;
constexpr size_t kMethodNameOffset = 8;
constexpr size_t kMethodNameLength = 64;

struct ComposeOptions {
  SessionOptions session;
  std::string file;
  int width = 0;
  bool methods = false;
};

bool PolishMethodRegistered() {
  return std::any_of(Session().hyphenation_methods.begin(), Session().hyphenation_methods.end(),
                     [](const HyphenationMethod& method) {
                       return (method.languages[kPolishLanguage / 32] >> (kPolishLanguage % 32)) & 1;
                     });
}

// What the method hyphenates of a word: the word without leading and
// trailing punctuation, quotes and brackets.
bool IsWordEdge(char16_t c) {
  return std::u16string_view(u".,;:!?\"'()[]{}\u201E\u201D\u201C\u00AB\u00BB").find(c) !=
         std::u16string_view::npos;
}

// The points the plug-ins answer for `word` through callback 435, as
// positions in the whole word. Points past the word or out of order are
// the plug-in's fault and are dropped.
std::vector<uint16_t> AskHyphenationMethod(PluginHost& plugins, std::u16string_view word) {
  size_t first = 0;
  size_t last = word.size();
  while (first < last && IsWordEdge(word[first])) ++first;
  while (last > first && IsWordEdge(word[last - 1])) --last;
  const size_t length = last - first;
  if (length < 2 || word.size() > static_cast<size_t>(std::numeric_limits<int16_t>::max())) {
    return {};
  }
  xt_hyph_record record{};
  record.id = XT_CB_HYPHENATE_WORD;
  record.text = reinterpret_cast<const uint16_t*>(word.data());
  record.offset = static_cast<int16_t>(first);
  record.length = static_cast<int16_t>(length);
  const xt_handle given = HostMemory().Allocate(0);
  record.points = given;
  plugins.Send(XT_CB_HYPHENATE_WORD, &record);

  std::vector<uint16_t> positions;
  MemoryBlocks& memory = HostMemory();
  if (record.count > 0 && memory.IsLive(record.points)) {
    const size_t stored = memory.Size(record.points) / sizeof(xt_hyph_point);
    const size_t count = std::min(static_cast<size_t>(record.count), stored);
    const auto* points = static_cast<const xt_hyph_point*>(memory.Lock(record.points));
    uint16_t previous = 0;
    for (size_t i = 0; points != nullptr && i < count; ++i) {
      const uint16_t at = points[i].position;
      if (at <= previous || at >= length) continue;
      positions.push_back(static_cast<uint16_t>(first + at));
      previous = at;
    }
    memory.Unlock(record.points);
  }
  if (record.points != given && memory.IsLive(record.points)) memory.Release(record.points);
  memory.Release(given);
  return positions;
}

void PrintMethods(PluginHost& plugins) {
  MemoryBlocks& memory = HostMemory();
  xt_hyph_methods_record record{};
  record.id = XT_CB_HYPH_METHODS;
  record.methods = memory.Allocate(0);
  plugins.Send(XT_CB_HYPH_METHODS, &record);
  const size_t count = memory.Size(record.methods) / XT_HYPH_METHOD_SIZE;
  const auto* bytes = static_cast<const char*>(memory.Lock(record.methods));
  for (size_t i = 0; bytes != nullptr && i < count; ++i) {
    const char* descriptor = bytes + i * XT_HYPH_METHOD_SIZE;
    const std::string id(descriptor, 4);
    const char* name = descriptor + kMethodNameOffset;
    std::cout << Win1250ToUtf8(std::string(name, strnlen(name, kMethodNameLength))) << " (" << id
              << ")\n";
  }
  memory.Unlock(record.methods);
  memory.Release(record.methods);
}

bool Compose(const ComposeOptions& options) {
  if (!options.methods && options.file.empty()) return Fail(Msg("compose needs FILE or --methods"));
  if (!options.methods && options.width < 2) return Fail(Msg("--width must be at least 2"));
  HostRuntime runtime;
  if (!StartSession(options.session, runtime)) return false;
  if (options.methods) {
    PrintMethods(runtime.plugins());
    return CheckHostErrors(true);
  }
  OpenedDocument opened;
  std::string error;
  if (!OpenDocumentFile(options.file, opened, error)) return Fail(error);
  wirsel::model::Document* document = FrontDocument();
  const wirsel::model::Story* story =
      document ? document->story(document->StoryOfBox(document->current_box())) : nullptr;
  if (story == nullptr)
    return Fail(Msg("compose needs a document whose current box is a text box"));
  if (!PolishMethodRegistered()) {
    std::cerr << "wirsel compose: "
              << Msg("no hyphenation method for Polish is registered; words are not hyphenated")
              << "\n";
  }
  const BreakPointSource ask = [&](std::u16string_view word) {
    return PolishMethodRegistered() ? AskHyphenationMethod(runtime.plugins(), word)
                                    : std::vector<uint16_t>{};
  };
  const std::u16string text = story->Text();
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(kParagraphEnd, start);
    if (end == std::u16string::npos) end = text.size();
    if (end == text.size() && start == end && start != 0) break;
    const auto lines = ComposeParagraph(std::u16string_view(text).substr(start, end - start),
                                        static_cast<size_t>(options.width), ask);
    for (const std::u16string& line : lines) std::cout << wirsel::io::EncodeUtf8(line) << '\n';
    start = end + 1;
  }
  return CheckHostErrors(true);
}

void SetUpCompose(CLI::App& command) {
  static ComposeOptions options;
  command.add_option("FILE", options.file, "Document: UTF-8 text, or JSON (.json)");
  command.add_option("--width", options.width, "Characters per line, at least 2");
  command.add_flag("--methods", options.methods,
                   "List the hyphenation methods the plug-ins describe instead");
  AddSessionOptions(command, options.session);
  command.callback([] { Compose(options); });
}

const CommandRegistration kCompose("compose",
                                   "Break the story into lines, hyphenating with the plug-in",
                                   SetUpCompose);

}  // namespace
