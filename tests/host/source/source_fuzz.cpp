// libFuzzer target for one source reader (FUZZ_KIND_latex, _html or
// _markdown): any bytes are either refused with an error or read into pieces
// that cover the input exactly, and written back unchanged byte for byte,
// also after erasing every other story character (marks and protected
// characters must survive). Read as a fragment (as the editors read a line),
// only bytes that are not UTF-8 are refused, and what the fragment leaves
// open reads again in front of it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "host/io/io_error.h"
#include "host/source/source_text.h"

using namespace wirsel::source;

namespace {

#if defined(FUZZ_KIND_latex)
constexpr SourceKind kKind = SourceKind::kLatex;
#elif defined(FUZZ_KIND_html)
constexpr SourceKind kKind = SourceKind::kHtml;
#else
constexpr SourceKind kKind = SourceKind::kMarkdown;
#endif

void CheckCovered(const SourceText& source) {
  uint32_t covered = 0;
  for (const Piece& piece : source.pieces) {
    if (piece.start != covered) __builtin_trap();
    covered = piece.end();
  }
  if (covered != source.bytes.size()) __builtin_trap();
}

void CheckFragment(const std::string& bytes) {
  ReaderSettings settings;
  settings.fragment = true;
  try {
    const SourceText piece = ReadSource(kKind, bytes, "fuzz", settings);
    CheckCovered(piece);
    CheckCovered(ReadSource(kKind, piece.open_at_end + bytes, "fuzz", settings));
  } catch (const wirsel::io::IoError& error) {
    const std::string message = error.what();
    if (message.find("UTF-8") == std::string::npos && message.find("NUL") == std::string::npos &&
        message.find("too large") == std::string::npos) {
      __builtin_trap();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  CheckFragment(bytes);
  SourceText source;
  try {
    source = ReadSource(kKind, bytes, "fuzz", ReaderSettings{"wazne:p przypis:p/b kolor:xp"});
  } catch (const wirsel::io::IoError&) {
    return 0;
  }
  CheckCovered(source);
  std::vector<StoryChar> story;
  const std::vector<int32_t> pieces = source.StoryPieces();
  for (const int32_t piece : pieces) {
    story.push_back({source.pieces[static_cast<size_t>(piece)].code, false, piece});
  }
  if (WriteSource(source, story) != bytes) __builtin_trap();
  // Erase every other character and add a no-break space in its place:
  // every mark and protected character is still written, in order.
  std::vector<StoryChar> edited;
  for (size_t i = 0; i < story.size(); ++i) {
    edited.push_back(i % 2 ? StoryChar{0xA0, false, -1} : story[i]);
  }
  const std::string written = WriteSource(source, edited);
  size_t at = 0;
  for (const Piece& piece : source.pieces) {
    if (piece.type == Piece::kProse || piece.length == 0) continue;
    const size_t found = written.find(bytes.substr(piece.start, piece.length), at);
    if (found == std::string::npos) __builtin_trap();
    at = found + piece.length;
  }
  (void)ProseRuns(source);
  return 0;
}
